#include "RecordSender.h"

#include "RecordFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace kelvora {

namespace {
QUrl statementsUrl(QUrl endpoint)
{
    if (!endpoint.path().endsWith(QLatin1Char('/')))
        endpoint.setPath(endpoint.path() + QLatin1Char('/'));
    return endpoint.resolved(QUrl(QStringLiteral("statements")));
}
} // namespace

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
    m_sent = 0;
    m_left = 0;
    m_problem.clear();
    emit passStarted();
    // Names start with the run's start time: oldest first.
    const QDir dir(m_outbox);
    m_queue.clear();
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        m_queue << dir.filePath(name);
    sendNext();
}

void RecordSender::sendNext()
{
    while (!m_queue.isEmpty()) {
        const QString file = m_queue.takeFirst();
        QString error;
        const std::optional<QByteArray> bytes = readRecordFile(file, &error);
        if (!bytes || !QJsonDocument::fromJson(*bytes).isArray()) {
            // Left where it is for someone to look at; the others still go.
            ++m_left;
            m_problem = QStringLiteral("%1 %2").arg(file, bytes ? QStringLiteral("is not a list of statements") : error);
            continue;
        }
        QNetworkRequest request(statementsUrl(m_store.endpoint));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        request.setRawHeader("X-Experience-API-Version", "1.0.3");
        request.setRawHeader("Authorization",
                             "Basic " + (m_store.username + QLatin1Char(':') + m_store.password).toUtf8().toBase64());
        request.setTransferTimeout(m_store.timeoutMs);
        QNetworkReply *reply = m_network->post(request, *bytes);
        connect(reply, &QNetworkReply::finished, this, [this, reply, file] { answered(reply, file); });
        return;
    }
    m_sending = false;
    emit passDone(m_sent, m_left, m_problem);
    if (m_again) {
        m_again = false;
        sendAll();
    }
}

void RecordSender::answered(QNetworkReply *reply, const QString &file)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if ((status >= 200 && status < 300) || status == 409) {
        QFile::remove(file);
        ++m_sent;
    } else {
        ++m_left;
        m_problem = status ? QStringLiteral("%1: the store answered %2 %3")
                                 .arg(file)
                                 .arg(status)
                                 .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                           : QStringLiteral("%1: %2").arg(file, reply->errorString());
    }
    sendNext();
}

} // namespace kelvora
