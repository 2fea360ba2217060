#include "RecordSender.h"

#include "RecordFile.h"
#include "XapiStatements.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrlQuery>

#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {

namespace {
constexpr int MaxRedirects = 3;

QUrl statementsUrl(QUrl endpoint)
{
    if (!endpoint.path().endsWith(QLatin1Char('/')))
        endpoint.setPath(endpoint.path() + QLatin1Char('/'));
    return endpoint.resolved(QUrl(QStringLiteral("statements")));
}

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(a.scheme() == QLatin1String("https") ? 443 : 80) == b.port(b.scheme() == QLatin1String("https") ? 443 : 80);
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}
} // namespace

bool isOwnRecord(const QString &file, const QJsonArray &statements)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0 || status.st_uid != ::geteuid())
        return false;
    if (statements.isEmpty())
        return false;
    for (const QJsonValue &value : statements) {
        const QJsonObject statement = value.toObject();
        if (!statement.value("id").isString() ||
            statement.value("context").toObject().value("platform") != QLatin1String(xapi::Platform))
            return false;
    }
    return true;
}

RecordSender::RecordSender(StoreSettings store, QString outbox, QObject *parent)
    : QObject(parent), m_store(std::move(store)), m_outbox(std::move(outbox)),
      m_network(new QNetworkAccessManager(this))
{
}

void RecordSender::sendAll()
{
    if (m_sending) {
        m_again = true;
        return;
    }
    m_sending = true;
    do {
        m_again = false;
        pass();
    } while (m_again);
    m_sending = false;
}

void RecordSender::pass()
{
    m_sent = 0;
    m_left = 0;
    m_problem.clear();
    emit passStarted();
    // Names start with the run's start time: oldest first.
    const QDir dir(m_outbox);
    const QStringList names = dir.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::System, QDir::Name);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString file = dir.filePath(names[i]);
        QString error;
        const std::optional<QByteArray> bytes = readRecordFile(file, &error);
        const QJsonArray statements = bytes ? QJsonDocument::fromJson(*bytes).array() : QJsonArray();
        if (!bytes || !isOwnRecord(file, statements)) {
            // Left where it is for someone to look at; the others still go.
            ++m_left;
            m_problem = QStringLiteral("%1 %2").arg(file, bytes ? QStringLiteral("is not a record of this trainer: not sent")
                                                                : error);
            continue;
        }
        const Outcome outcome = send(file, *bytes, statements);
        if (outcome == Outcome::Taken) {
            QFile::remove(file);
            ++m_sent;
            continue;
        }
        ++m_left;
        if (outcome == Outcome::StoreFailed) {
            // What the store could not take now, it would not take from the next file either.
            m_left += int(names.size() - i - 1);
            break;
        }
    }
    emit passDone(m_sent, m_left, m_problem);
}

RecordSender::Outcome RecordSender::send(const QString &file, const QByteArray &bytes, const QJsonArray &statements)
{
    const Answer answer = exchange("POST", statementsUrl(m_store.endpoint), bytes);
    if (answer.problem.isEmpty() && answer.status >= 200 && answer.status < 300)
        return Outcome::Taken;
    if (answer.problem.isEmpty() && answer.status == 409)
        return sendMissing(file, statements);
    return failed(file, answer);
}

// A 409 says the store had some of the ids, not that it has them all.
RecordSender::Outcome RecordSender::sendMissing(const QString &file, const QJsonArray &statements)
{
    int missing = 0;
    for (const QJsonValue &value : statements) {
        const QJsonObject statement = value.toObject();
        QUrl url = statementsUrl(m_store.endpoint);
        url.setQuery(QUrlQuery{{QStringLiteral("statementId"), statement.value("id").toString()}});
        const Answer asked = exchange("GET", url, {});
        if (asked.problem.isEmpty() && asked.status == 200)
            continue;
        if (!asked.problem.isEmpty() || asked.status != 404)
            return failed(file, asked);
        ++missing;
        const Answer posted = exchange("POST", statementsUrl(m_store.endpoint), QJsonDocument(statement).toJson());
        if (!posted.problem.isEmpty() || !((posted.status >= 200 && posted.status < 300) || posted.status == 409)) {
            Outcome outcome = failed(file, posted);
            m_problem += QStringLiteral(" (%1 of its %2 statements were missing from the store)")
                             .arg(missing).arg(statements.size());
            return outcome;
        }
    }
    return Outcome::Taken;
}

RecordSender::Outcome RecordSender::failed(const QString &file, const Answer &answer)
{
    m_problem = QStringLiteral("%1: %2").arg(file, answer.problem.isEmpty()
                                                       ? QStringLiteral("the store answered %1").arg(answer.status)
                                                       : answer.problem);
    // A 400 refuses this record; anything else says the store takes nothing now.
    return answer.problem.isEmpty() && answer.status == 400 ? Outcome::Refused : Outcome::StoreFailed;
}

RecordSender::Answer RecordSender::exchange(const QByteArray &method, QUrl url, const QByteArray &body)
{
    for (int redirects = 0;; ++redirects) {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        if (!body.isEmpty())
            request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        request.setRawHeader("X-Experience-API-Version", "1.0.3");
        // Only ever to the store's own origin: no redirect leads anywhere else.
        if (sameOrigin(url, m_store.endpoint))
            request.setRawHeader("Authorization", "Basic " + (m_store.username + QLatin1Char(':') + m_store.password)
                                                                 .toUtf8().toBase64());
        QNetworkReply *reply = m_network->sendCustomRequest(request, method, body);
        reply->setReadBufferSize(MaxAnswerBytes);

        QEventLoop loop;
        qint64 received = 0;
        QString problem;
        // The whole exchange is bounded, not only the pause between two bytes.
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, reply, [&] {
            problem = QStringLiteral("the store did not answer within %1 s").arg(m_store.timeoutMs / 1000.0);
            reply->abort();
        });
        connect(reply, &QNetworkReply::readyRead, reply, [&] {
            received += reply->skip(reply->bytesAvailable());
            if (received > MaxAnswerBytes && problem.isEmpty()) {
                problem = QStringLiteral("the store's answer is larger than %1 bytes").arg(MaxAnswerBytes);
                reply->abort();
            }
        });
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        deadline.start(m_store.timeoutMs);
        if (!reply->isFinished())
            loop.exec();
        if (!reply->isFinished()) {
            // The thread or the program is ending.
            problem = QStringLiteral("the send was cut short");
            reply->abort();
        }
        Answer answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // Read raw: Qt's parsed header drops a relative address.
        const QUrl location = url.resolved(QUrl(QString::fromUtf8(reply->rawHeader("Location"))));
        const QString error = reply->error() == QNetworkReply::NoError || answer.status >= 400 ? QString()
                                                                                                 : reply->errorString();
        delete reply;
        if (!problem.isEmpty() || (!error.isEmpty() && !isRedirect(answer.status))) {
            answer.problem = problem.isEmpty() ? error : problem;
            return answer;
        }
        if (!isRedirect(answer.status))
            return answer;
        // A 301-303 would turn the post into a get; only a 307 or 308 keeps it, and only at the same origin.
        if ((answer.status == 307 || answer.status == 308) && sameOrigin(location, m_store.endpoint) &&
            redirects < MaxRedirects) {
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
