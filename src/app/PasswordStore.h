#pragma once

#include <QString>

#include <optional>

// Where the application keeps database passwords between sessions. Never
// the plain settings file: that is any program's to read.
class IPasswordStore {
public:
    virtual ~IPasswordStore() = default;
    // The password kept under the key; nullopt when there is none or the
    // store cannot be reached.
    virtual std::optional<QString> Read(const QString& key) = 0;
    // False when there is nowhere safe to keep it.
    virtual bool Write(const QString& key, const QString& password) = 0;
};

// The desktop's secret store (Secret Service, KWallet) through QtKeychain.
// Its jobs answer asynchronously, and on a desktop without a secret service
// they may fail only after a long D-Bus timeout: each call waits at most
// `timeoutMs`, and after the first failure the store is not asked again this
// session. There is never a plain-text fallback.
class TKeychainPasswordStore : public IPasswordStore {
public:
    explicit TKeychainPasswordStore(QString service, int timeoutMs = 3000);

    std::optional<QString> Read(const QString& key) override;
    bool Write(const QString& key, const QString& password) override;
    bool Available() const { return available_; }

private:
    QString service_;
    int timeoutMs_;
    bool available_ = true;
};
