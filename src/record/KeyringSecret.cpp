#include "KeyringSecret.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

#include <functional>

namespace kelvora {

namespace {
const QString Service = QStringLiteral("org.kelvora.trainer");

QString entryOf(const StoreSettings &store)
{
    return store.username + QLatin1Char('@') + store.endpoint.toString(QUrl::RemoveUserInfo);
}

// Runs the job, which deletes itself once it ends, and hands it to ended: a
// secret store that never answers is left behind at the time-out, not waited on.
bool finishes(QKeychain::Job *job, int timeoutMs, const std::function<void(const QKeychain::Job &)> &ended)
{
    job->setInsecureFallback(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job *done) {
        finished = true;
        ended(*done);
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec();
    return finished;
}

QString noAnswer(int timeoutMs)
{
    return QStringLiteral("the desktop's secret store did not answer within %1 s").arg(timeoutMs / 1000.0);
}
} // namespace

KeyringSecret readStoreSecret(const StoreSettings &store, int timeoutMs)
{
    auto *job = new QKeychain::ReadPasswordJob(Service);
    job->setKey(entryOf(store));
    QString secret;
    QString problem;
    const bool finished = finishes(job, timeoutMs, [&](const QKeychain::Job &done) {
        if (done.error() == QKeychain::NoError)
            secret = static_cast<const QKeychain::ReadPasswordJob &>(done).textData();
        else if (done.error() == QKeychain::EntryNotFound)
            problem = QStringLiteral("the desktop's secret store holds no password for %1 (save it with "
                                     "kelvora-records --save-password)").arg(entryOf(store));
        else
            problem = QStringLiteral("the desktop's secret store did not give the store's password: %1")
                          .arg(done.errorString());
    });
    if (!finished)
        return {{}, noAnswer(timeoutMs)};
    return {secret, problem};
}

QString saveStoreSecret(const StoreSettings &store, const QString &secret, int timeoutMs)
{
    auto *job = new QKeychain::WritePasswordJob(Service);
    job->setKey(entryOf(store));
    job->setTextData(secret);
    QString problem;
    const bool finished = finishes(job, timeoutMs, [&](const QKeychain::Job &done) {
        if (done.error() != QKeychain::NoError)
            problem = QStringLiteral("the desktop's secret store did not keep the password: %1").arg(done.errorString());
    });
    if (!finished)
        return noAnswer(timeoutMs);
    return problem;
}

} // namespace kelvora
