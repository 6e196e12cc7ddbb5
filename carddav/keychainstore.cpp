#include "carddav/keychainstore.h"

#include <QCoreApplication>
#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>

namespace carddav {

namespace {

const QString kService = QStringLiteral("Quillbox CardDAV");
constexpr int kWaitMs = 5000;

// Runs a job to its end (or gives up after kWaitMs); false with the keychain's reason.
bool runJob(QKeychain::Job& job, QString* error)
{
    // Never the plain-text fallback of the library: a password is not kept in a file.
    job.setInsecureFallback(false);
    job.setAutoDelete(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
    job.start();
    if (!finished)
        loop.exec();
    if (!finished) {
        *error = QCoreApplication::translate("carddav::keychain", "the keychain did not answer");
        return false;
    }
    if (job.error() != QKeychain::NoError) {
        *error = job.errorString();
        return false;
    }
    return true;
}

class KeychainPasswordStore : public PasswordStore
{
public:
    bool read(const QString& key, QString* password, QString* error) override
    {
        QKeychain::ReadPasswordJob job(kService);
        job.setKey(key);
        if (!runJob(job, error))
            return false;
        *password = job.textData();
        return true;
    }
    bool write(const QString& key, const QString& password, QString* error) override
    {
        QKeychain::WritePasswordJob job(kService);
        job.setKey(key);
        job.setTextData(password);
        return runJob(job, error);
    }
    bool remove(const QString& key, QString* error) override
    {
        QKeychain::DeletePasswordJob job(kService);
        job.setKey(key);
        return runJob(job, error);
    }
    bool persistent() const override { return true; }
};

} // namespace

std::unique_ptr<PasswordStore> systemPasswordStore(QString* why)
{
    why->clear();
    // A read of a key never written tells whether a keychain answers: "not found" is an
    // answer, anything else is not.
    QKeychain::ReadPasswordJob probe(kService);
    probe.setKey(QStringLiteral("probe"));
    QString error;
    if (runJob(probe, &error) || probe.error() == QKeychain::EntryNotFound)
        return std::make_unique<KeychainPasswordStore>();
    *why = QCoreApplication::translate(
               "carddav::keychain",
               "no keychain answered (%1); the password is kept for this run only")
               .arg(error);
    return std::make_unique<MemoryPasswordStore>();
}

} // namespace carddav
