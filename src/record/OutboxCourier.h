#pragma once

#include "Courier.h"

#include <QThread>
#include <condition_variable>
#include <mutex>

namespace kelvora {

class RecordSender;

// The trainer's sending of its outbox: on a thread of its own, so no press,
// paint or end of a run waits on the network. A pass that leaves records
// behind is followed by another after a pause that doubles, from 5 s to 5 min,
// of which the second half is drawn at random.
class OutboxCourier final : public Courier {
public:
    OutboxCourier(StoreSettings store, QString outbox);
    ~OutboxCourier() override;

    void start() override;
    bool sendAndWait(int waitMs) override;

private:
    StoreSettings m_store;
    QString m_outbox;
    QThread m_thread;
    QObject *m_context = nullptr; // lives on the thread
    RecordSender *m_sender = nullptr; // used only on the thread
    std::mutex m_mutex;
    std::condition_variable m_passEnded;
    int m_requested = 0; // passes asked for
    int m_passTicket = 0; // the requests the pass under way covers
    int m_covered = 0;    // the requests covered by ended passes
};

} // namespace kelvora
