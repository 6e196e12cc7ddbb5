#include "carddav/passwordstore.h"

#include <QCoreApplication>

namespace carddav {

bool MemoryPasswordStore::read(const QString& key, QString* password, QString* error)
{
    const auto it = m_passwords.find(key);
    if (it == m_passwords.end()) {
        *error = QCoreApplication::translate("carddav::keychain",
                                             "no password is kept for this account");
        return false;
    }
    *password = it->second;
    return true;
}

bool MemoryPasswordStore::write(const QString& key, const QString& password, QString*)
{
    m_passwords[key] = password;
    return true;
}

bool MemoryPasswordStore::remove(const QString& key, QString*)
{
    m_passwords.erase(key);
    return true;
}

QString passwordKey(const QString& url, const QString& user)
{
    return user + QLatin1Char('@') + url;
}

} // namespace carddav
