#include "StoreReader.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrlQuery>

namespace kelvora {

namespace {
QUrl firstPage(QUrl endpoint, const StoreQuery &query)
{
    if (!endpoint.path().endsWith(QLatin1Char('/')))
        endpoint.setPath(endpoint.path() + QLatin1Char('/'));
    QUrl url = endpoint.resolved(QUrl(QStringLiteral("statements")));
    QUrlQuery parameters;
    if (!query.activity.isEmpty()) {
        parameters.addQueryItem(QStringLiteral("activity"), QString::fromLatin1(QUrl::toPercentEncoding(query.activity)));
        parameters.addQueryItem(QStringLiteral("related_activities"), QStringLiteral("true"));
    }
    if (query.since.isValid())
        parameters.addQueryItem(QStringLiteral("since"), QString::fromLatin1(QUrl::toPercentEncoding(
                                                             query.since.toUTC().toString(Qt::ISODateWithMs))));
    if (query.until.isValid())
        parameters.addQueryItem(QStringLiteral("until"), QString::fromLatin1(QUrl::toPercentEncoding(
                                                             query.until.toUTC().toString(Qt::ISODateWithMs))));
    parameters.addQueryItem(QStringLiteral("ascending"), QStringLiteral("true"));
    url.setQuery(parameters);
    return url;
}

bool sameServer(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host() == b.host() && a.port() == b.port();
}

// One page: its body, or the reason there is none.
struct Page {
    QByteArray body;
    QString problem;
};

Page fetch(QNetworkAccessManager &network, const QUrl &url, const StoreSettings &store, const ReadLimits &limits,
           qint64 allowed, QTimer &deadline)
{
    QNetworkRequest request(url);
    request.setRawHeader("X-Experience-API-Version", "1.0.3");
    request.setRawHeader("Authorization",
                         "Basic " + (store.username + QLatin1Char(':') + store.password).toUtf8().toBase64());
    // The credentials go to the store's own server only.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(limits.stallMs);
    QNetworkReply *reply = network.get(request);
    Page page;
    const qint64 cap = qMin(limits.pageBytes, allowed);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        page.body += reply->read(cap + 1 - page.body.size());
        if (page.body.size() > cap) {
            page.problem = QStringLiteral("%1 answered more than %2 bytes").arg(url.toDisplayString()).arg(cap);
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        page.problem = QStringLiteral("%1 took longer than %2 s").arg(url.toDisplayString()).arg(limits.wholeMs / 1000);
        reply->abort();
    });
    if (!reply->isFinished())
        loop.exec();
    reply->deleteLater();
    if (!page.problem.isEmpty())
        return page;
    if (page.body.size() <= cap)
        page.body += reply->read(cap + 1 - page.body.size());
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError && status == 0)
        page.problem = QStringLiteral("%1: %2").arg(url.toDisplayString(), reply->errorString());
    else if (status != 200)
        page.problem = QStringLiteral("%1: the store answered %2 %3")
                           .arg(url.toDisplayString())
                           .arg(status)
                           .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    else if (page.body.size() > cap)
        page.problem = QStringLiteral("%1 answered more than %2 bytes").arg(url.toDisplayString()).arg(cap);
    return page;
}
} // namespace

StoreReading readStore(const StoreSettings &store, const StoreQuery &query, const ReadLimits &limits)
{
    QNetworkAccessManager network;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(limits.wholeMs);
    StoreReading reading;
    qint64 total = 0;
    QUrl url = firstPage(store.endpoint, query);
    while (true) {
        if (reading.pages == limits.pages) {
            reading.problem = QStringLiteral("%1 still had more after %2 pages").arg(store.endpoint.toDisplayString()).arg(limits.pages);
            return reading;
        }
        const Page page = fetch(network, url, store, limits, limits.totalBytes - total, deadline);
        if (!page.problem.isEmpty()) {
            reading.problem = page.problem;
            return reading;
        }
        ++reading.pages;
        total += page.body.size();
        QJsonParseError error;
        const QJsonObject result = QJsonDocument::fromJson(page.body, &error).object();
        if (error.error != QJsonParseError::NoError || !result.value("statements").isArray()) {
            reading.problem = QStringLiteral("%1 did not answer a statement result").arg(url.toDisplayString());
            return reading;
        }
        for (const QJsonValue &statement : result.value("statements").toArray())
            reading.statements.append(statement);
        const QString more = result.value("more").toString();
        if (more.isEmpty())
            return reading;
        const QUrl next = url.resolved(QUrl(more));
        if (!sameServer(next, store.endpoint)) {
            reading.problem = QStringLiteral("%1 sent on to another server: %2").arg(store.endpoint.toDisplayString(), more);
            return reading;
        }
        url = next;
    }
}

} // namespace kelvora
