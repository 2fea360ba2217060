#pragma once

#include "StoreExchange.h"
#include "StoreSettings.h"

#include <QJsonArray>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QNetworkAccessManager;

namespace kelvora {

// Sends the records in an outbox folder to a learning record store, oldest
// first, each file's statements in one request as xAPI 1.0.3 asks. A record
// leaves the outbox only once the store has every statement of it: a 2xx
// answer, or, after a 409, each id confirmed by asking the store for it and
// the missing ones sent one by one. Only this trainer's records go out; the
// store's address is never left for another origin, so its credentials go
// nowhere else; every exchange is bounded in time and in the size of the answer.
class RecordSender : public QObject {
    Q_OBJECT
public:
    // Of an answer, only this much is read: a store's answer to a post is a list of ids.
    static constexpr qint64 MaxAnswerBytes = 256 * 1024;

    RecordSender(StoreSettings store, QString outbox, QObject *parent = nullptr);

    // One pass over the outbox as it is now. Asked during a pass, another
    // pass follows it, so a record put in meanwhile is not passed over.
    // A pass stops at the first failure that is the store's, not the record's.
    void sendAll();

signals:
    void passStarted();
    // left: records still in the outbox; problem: why the last of them was not taken.
    void passDone(int sent, int left, const QString &problem);
    // The password could not be had from the desktop's secret store: nothing was sent.
    void noCredentials(const QString &problem);

private:
    enum class Outcome { Taken, Refused, StoreFailed };

    void pass();
    bool credentialsReady();
    Outcome send(const QString &file, const QByteArray &bytes, const QJsonArray &statements);
    Outcome sendMissing(const QString &file, const QJsonArray &statements);
    StoreAnswer exchange(const QByteArray &method, QUrl url, const QByteArray &body);
    Outcome failed(const QString &file, const StoreAnswer &answer);

    StoreSettings m_store;
    QString m_outbox;
    QNetworkAccessManager *m_network;
    StoreExchange m_exchange;
    bool m_secretRead = false;
    bool m_sending = false;
    bool m_again = false;
    int m_sent = 0;
    int m_left = 0;
    QString m_problem;
};

// Whether the statements are a record that this trainer made, in a file of
// the user's own: anything else in the outbox is never sent with the credentials.
bool isOwnRecord(const QString &file, const QJsonArray &statements);

} // namespace kelvora
