#include "OutboxCourier.h"

#include "RecordSender.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace kelvora {

namespace {
constexpr int FirstPauseMs = 5000;
constexpr int LongestPauseMs = 5 * 60 * 1000;
} // namespace

OutboxCourier::OutboxCourier(StoreSettings store, QString outbox)
    : m_store(std::move(store)), m_outbox(std::move(outbox))
{
    m_thread.setObjectName(QStringLiteral("kelvora-send"));
}

OutboxCourier::~OutboxCourier()
{
    m_thread.quit();
    m_thread.wait();
}

void OutboxCourier::start()
{
    if (m_context)
        return;
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.start(QThread::LowPriority);
    // Made on its own thread, so its network objects live and work there.
    QMetaObject::invokeMethod(m_context, [this] {
        m_sender = new RecordSender(m_store, m_outbox, m_context);
        // Said once: the records wait in the outbox until the desktop's secret store gives the password.
        QObject::connect(m_sender, &RecordSender::noCredentials, m_sender, [this, said = QString()](const QString &problem) mutable {
            if (problem == said)
                return;
            said = problem;
            std::fprintf(stderr, "kelvora-trainer: records stay in %s, not sent: %s\n",
                         qPrintable(QDir::toNativeSeparators(m_outbox)), qPrintable(problem));
        });
        auto pause = std::make_shared<int>(FirstPauseMs);
        QObject::connect(m_sender, &RecordSender::passStarted, m_sender, [this] {
            std::lock_guard lock(m_mutex);
            m_passTicket = m_requested;
        });
        QObject::connect(m_sender, &RecordSender::passDone, m_sender, [this, pause](int, int left, const QString &) {
            {
                std::lock_guard lock(m_mutex);
                m_covered = m_passTicket;
            }
            m_passEnded.notify_all();
            if (left == 0) {
                *pause = FirstPauseMs;
                return;
            }
            // Half the pause at random: a classroom's PCs that failed together do not retry together.
            const int wait = *pause / 2 + int(QRandomGenerator::global()->bounded(*pause / 2 + 1));
            QTimer::singleShot(wait, m_sender, &RecordSender::sendAll);
            *pause = qMin(*pause * 2, LongestPauseMs);
        });
        m_sender->sendAll();
    });
}

bool OutboxCourier::sendAndWait(int waitMs)
{
    start();
    int ticket = 0;
    {
        std::lock_guard lock(m_mutex);
        ticket = ++m_requested;
    }
    QMetaObject::invokeMethod(m_context, [this] { m_sender->sendAll(); });
    std::unique_lock lock(m_mutex);
    return m_passEnded.wait_for(lock, std::chrono::milliseconds(waitMs), [&] { return m_covered >= ticket; });
}

} // namespace kelvora
