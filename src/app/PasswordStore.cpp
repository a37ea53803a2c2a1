#include "PasswordStore.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace {

enum class Outcome { Done, NotFound, Failed };

// Runs the job and waits for it, but never longer than the timeout. The job
// deletes itself when it ends, also after the wait was given up.
Outcome runJob(QKeychain::Job* job, int timeoutMs, const std::function<void(QKeychain::Job*)>& done = {}) {
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    Outcome outcome = Outcome::Failed;
    QEventLoop loop;  // the connections below end with it
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&outcome, &loop, &done](QKeychain::Job* finished) {
        switch (finished->error()) {
        case QKeychain::NoError:
            outcome = Outcome::Done;
            if (done)
                done(finished);
            break;
        case QKeychain::EntryNotFound: outcome = Outcome::NotFound; break;
        default: outcome = Outcome::Failed; break;
        }
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    job->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return outcome;
}

}  // namespace

TKeychainPasswordStore::TKeychainPasswordStore(QString service, int timeoutMs)
    : service_(std::move(service)), timeoutMs_(timeoutMs) {}

std::optional<QString> TKeychainPasswordStore::Read(const QString& key) {
    if (!available_)
        return std::nullopt;
    auto* job = new QKeychain::ReadPasswordJob(service_);
    job->setKey(key);
    QString password;
    const Outcome outcome = runJob(job, timeoutMs_, [&password](QKeychain::Job* finished) {
        password = static_cast<QKeychain::ReadPasswordJob*>(finished)->textData();
    });
    if (outcome == Outcome::Failed)
        available_ = false;
    if (outcome != Outcome::Done)
        return std::nullopt;
    return password;
}

bool TKeychainPasswordStore::Write(const QString& key, const QString& password) {
    if (!available_)
        return false;
    auto* job = new QKeychain::WritePasswordJob(service_);
    job->setKey(key);
    job->setTextData(password);
    const Outcome outcome = runJob(job, timeoutMs_);
    if (outcome != Outcome::Done)
        available_ = false;
    return outcome == Outcome::Done;
}
