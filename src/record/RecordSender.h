#pragma once

#include "StoreSettings.h"

#include <QObject>
#include <QStringList>

class QNetworkAccessManager;
class QNetworkReply;

namespace kelvora {

// Sends the records in an outbox folder to a learning record store, oldest
// first, each file's statements in one request as xAPI 1.0.3 asks. A record
// leaves the outbox only once the store has taken it: a 2xx answer, or 409 for
// statement ids it already has (a repeat of a send whose answer was lost).
class RecordSender : public QObject {
    Q_OBJECT
public:
    RecordSender(StoreSettings store, QString outbox, QObject *parent = nullptr);

    // One pass over the outbox as it is now. Asked during a pass, another
    // pass follows it, so a record put in meanwhile is not passed over.
    void sendAll();

signals:
    void passStarted();
    // left: records still in the outbox; problem: why the last of them was not taken.
    void passDone(int sent, int left, const QString &problem);

private:
    void sendNext();
    void answered(QNetworkReply *reply, const QString &file);

    StoreSettings m_store;
    QString m_outbox;
    QNetworkAccessManager *m_network;
    QStringList m_queue;
    bool m_sending = false;
    bool m_again = false;
    int m_sent = 0;
    int m_left = 0;
    QString m_problem;
};

} // namespace kelvora
