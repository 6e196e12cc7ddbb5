#pragma once
// Where the password of the address book's account is kept. The program asks the system's
// keychain; where none answers, the password is kept for this run only, never in a file.
// Tests give a stand-in.

#include <QString>

#include <map>

namespace carddav {

class PasswordStore
{
public:
    virtual ~PasswordStore() = default;
    // False when the store cannot be reached (error says why) or holds nothing for key.
    virtual bool read(const QString& key, QString* password, QString* error) = 0;
    virtual bool write(const QString& key, const QString& password, QString* error) = 0;
    virtual bool remove(const QString& key, QString* error) = 0;
    // True when passwords outlive this run.
    virtual bool persistent() const = 0;
};

// Passwords for this run only: the stand-in of tests, and the fallback when no keychain
// answers.
class MemoryPasswordStore : public PasswordStore
{
public:
    bool read(const QString& key, QString* password, QString* error) override;
    bool write(const QString& key, const QString& password, QString* error) override;
    bool remove(const QString& key, QString* error) override;
    bool persistent() const override { return false; }

private:
    std::map<QString, QString> m_passwords;
};

// The key of an account: its URL and user.
QString passwordKey(const QString& url, const QString& user);

} // namespace carddav
