#include "StoreExchange.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace kelvora {

namespace {
constexpr int MaxRedirects = 3;

int portOf(const QUrl &url)
{
    return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}
} // namespace

StoreExchange::StoreExchange(const StoreSettings &store, QNetworkAccessManager &network)
    : m_store(store), m_network(network)
{
}

bool StoreExchange::isStoreOrigin(const QUrl &url) const
{
    const QUrl &store = m_store.endpoint;
    return url.scheme() == store.scheme() && url.host().compare(store.host(), Qt::CaseInsensitive) == 0 &&
           portOf(url) == portOf(store);
}

QUrl StoreExchange::statementsUrl() const
{
    QUrl endpoint = m_store.endpoint;
    if (!endpoint.path().endsWith(QLatin1Char('/')))
        endpoint.setPath(endpoint.path() + QLatin1Char('/'));
    return endpoint.resolved(QUrl(QStringLiteral("statements")));
}

StoreAnswer StoreExchange::run(const QByteArray &method, QUrl url, const QByteArray &body, qint64 maxAnswerBytes,
                               int timeoutMs) const
{
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(timeoutMs);
    for (int redirects = 0;; ++redirects) {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        if (!body.isEmpty())
            request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        request.setRawHeader("X-Experience-API-Version", "1.0.3");
        if (isStoreOrigin(url))
            request.setRawHeader("Authorization", "Basic " + (m_store.username + QLatin1Char(':') + m_store.password)
                                                                 .toUtf8().toBase64());
        QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
        reply->setReadBufferSize(maxAnswerBytes + 1);

        StoreAnswer answer;
        QEventLoop loop;
        const auto take = [&] {
            answer.body += reply->read(maxAnswerBytes + 1 - answer.body.size());
            if (answer.body.size() > maxAnswerBytes && answer.problem.isEmpty()) {
                answer.problem = QStringLiteral("the store's answer is larger than %1 bytes").arg(maxAnswerBytes);
                reply->abort();
            }
        };
        // The whole exchange is bounded, not only the pause between two bytes.
        QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
            answer.problem = QStringLiteral("the store did not answer within %1 s").arg(timeoutMs / 1000.0);
            reply->abort();
        });
        QObject::connect(reply, &QNetworkReply::readyRead, reply, take);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (!reply->isFinished())
            loop.exec();
        if (!reply->isFinished()) {
            // The thread or the program is ending.
            answer.problem = QStringLiteral("the exchange was cut short");
            reply->abort();
        }
        if (answer.problem.isEmpty())
            take();
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // Read raw: Qt's parsed header drops a relative address.
        const QUrl location = url.resolved(QUrl(QString::fromUtf8(reply->rawHeader("Location"))));
        const QString error = reply->error() == QNetworkReply::NoError || answer.status >= 400 ? QString()
                                                                                                 : reply->errorString();
        delete reply;
        if (!answer.problem.isEmpty())
            return answer;
        if (!error.isEmpty() && !isRedirect(answer.status)) {
            answer.problem = error;
            return answer;
        }
        if (!isRedirect(answer.status))
            return answer;
        // A 301-303 would turn a post into a get; a get stays what it was.
        const bool keepsRequest = answer.status == 307 || answer.status == 308 || method == "GET";
        if (keepsRequest && isStoreOrigin(location) && redirects < MaxRedirects) {
            url = location;
            continue;
        }
        answer.problem = QStringLiteral("the store answered %1 and moved to %2: not followed")
                             .arg(answer.status)
                             .arg(location.toDisplayString());
        return answer;
    }
}

} // namespace kelvora
