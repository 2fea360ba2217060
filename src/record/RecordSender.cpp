#include "RecordSender.h"

#include "KeyringSecret.h"
#include "RecordFile.h"
#include "StoreExchange.h"
#include "XapiStatements.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QUrlQuery>

#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {


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
      m_network(new QNetworkAccessManager(this)), m_exchange(m_store, *m_network)
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
        if (!credentialsReady()) {
            m_left += int(names.size() - i);
            break;
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

// Asked for once, when there is something to send: a desktop whose secret store
// does not answer keeps the records in the outbox, and nothing goes without them.
bool RecordSender::credentialsReady()
{
    if (!m_store.passwordInKeyring || m_secretRead)
        return true;
    const KeyringSecret secret = readStoreSecret(m_store, m_store.timeoutMs);
    if (!secret.problem.isEmpty()) {
        m_problem = secret.problem;
        emit noCredentials(secret.problem);
        return false;
    }
    m_store.password = secret.secret;
    m_secretRead = true;
    return true;
}

RecordSender::Outcome RecordSender::send(const QString &file, const QByteArray &bytes, const QJsonArray &statements)
{
    const StoreAnswer answer = exchange("POST", m_exchange.statementsUrl(), bytes);
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
        QUrl url = m_exchange.statementsUrl();
        url.setQuery(QUrlQuery{{QStringLiteral("statementId"), statement.value("id").toString()}});
        const StoreAnswer asked = exchange("GET", url, {});
        if (asked.problem.isEmpty() && asked.status == 200)
            continue;
        if (!asked.problem.isEmpty() || asked.status != 404)
            return failed(file, asked);
        ++missing;
        const StoreAnswer posted = exchange("POST", m_exchange.statementsUrl(), QJsonDocument(statement).toJson());
        if (!posted.problem.isEmpty() || !((posted.status >= 200 && posted.status < 300) || posted.status == 409)) {
            Outcome outcome = failed(file, posted);
            m_problem += QStringLiteral(" (%1 of its %2 statements were missing from the store)")
                             .arg(missing).arg(statements.size());
            return outcome;
        }
    }
    return Outcome::Taken;
}

RecordSender::Outcome RecordSender::failed(const QString &file, const StoreAnswer &answer)
{
    m_problem = QStringLiteral("%1: %2").arg(file, answer.problem.isEmpty()
                                                       ? QStringLiteral("the store answered %1").arg(answer.status)
                                                       : answer.problem);
    // A 400 refuses this record; anything else says the store takes nothing now.
    return answer.problem.isEmpty() && answer.status == 400 ? Outcome::Refused : Outcome::StoreFailed;
}

StoreAnswer RecordSender::exchange(const QByteArray &method, QUrl url, const QByteArray &body)
{
    return m_exchange.run(method, std::move(url), body, MaxAnswerBytes, m_store.timeoutMs);
}

} // namespace kelvora
