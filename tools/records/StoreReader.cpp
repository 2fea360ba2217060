#include "StoreReader.h"

#include "record/KeyringSecret.h"
#include "record/StoreExchange.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QUrlQuery>

namespace kelvora {

namespace {
QUrl firstPage(QUrl url, const StoreQuery &query)
{
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

// One page: its body, or the reason there is none.
struct Page {
    QByteArray body;
    QString problem;
};

Page fetch(const StoreExchange &exchange, const QUrl &url, qint64 cap, int timeoutMs)
{
    const StoreAnswer answer = exchange.run("GET", url, {}, cap, timeoutMs);
    if (!answer.problem.isEmpty())
        return {{}, QStringLiteral("%1: %2").arg(url.toDisplayString(), answer.problem)};
    if (answer.status != 200)
        return {{}, QStringLiteral("%1: the store answered %2").arg(url.toDisplayString()).arg(answer.status)};
    return {answer.body, {}};
}
} // namespace

StoreReading readStore(StoreSettings store, const StoreQuery &query, const ReadLimits &limits)
{
    StoreReading reading;
    if (store.passwordInKeyring) {
        const KeyringSecret secret = readStoreSecret(store, store.timeoutMs);
        if (!secret.problem.isEmpty()) {
            reading.problem = secret.problem;
            return reading;
        }
        store.password = secret.secret;
    }
    QNetworkAccessManager network;
    const StoreExchange exchange(store, network);
    QDeadlineTimer deadline(limits.wholeMs);
    qint64 total = 0;
    QUrl url = firstPage(exchange.statementsUrl(), query);
    while (true) {
        if (reading.pages == limits.pages) {
            reading.problem = QStringLiteral("%1 still had more after %2 pages").arg(store.endpoint.toDisplayString()).arg(limits.pages);
            return reading;
        }
        if (deadline.hasExpired()) {
            reading.problem = QStringLiteral("%1 took longer than %2 s").arg(store.endpoint.toDisplayString()).arg(limits.wholeMs / 1000);
            return reading;
        }
        const int pageMs = int(qMin<qint64>(limits.pageMs, deadline.remainingTime()));
        const Page page = fetch(exchange, url, qMin(limits.pageBytes, limits.totalBytes - total), pageMs);
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
        if (!exchange.isStoreOrigin(next)) {
            reading.problem = QStringLiteral("%1 sent on to another server: %2").arg(store.endpoint.toDisplayString(), more);
            return reading;
        }
        url = next;
    }
}

} // namespace kelvora
