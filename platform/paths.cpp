#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

QString defaultDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QDir::homePath() : QDir::cleanPath(folder);
}

QString defaultAddressFolder()
{
    return QDir::homePath();
}

QString serialPortDevice(int n)
{
    if (n < 1 || n > 8)
        return {};
    const QByteArray name = "QUILLBOX_COM" + QByteArray::number(n);
    const QString custom = qEnvironmentVariable(name.constData());
    if (!custom.isEmpty())
        return custom;
    const QString stored = storedSerialPortDevice(n);
    if (!stored.isEmpty())
        return stored;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

namespace {

QString mappingKey(int n)
{
    return QStringLiteral("Ports/COM%1").arg(n);
}

// The program's own settings, also when read from another tool (the command-line one).
QSettings programSettings()
{
    return QSettings(QStringLiteral("Quillbox"), QStringLiteral("Quillbox"));
}

} // namespace

QString storedSerialPortDevice(int n)
{
    if (n < 1 || n > 8)
        return {};
    return programSettings().value(mappingKey(n)).toString();
}

void storeSerialPortDevice(int n, const QString& device, const QString& identity)
{
    if (n < 1 || n > 8)
        return;
    QSettings settings = programSettings();
    if (device.isEmpty())
        settings.remove(mappingKey(n));
    else
        settings.setValue(mappingKey(n), device);
    if (device.isEmpty() || identity.isEmpty())
        settings.remove(mappingKey(n) + QStringLiteral("Identity"));
    else
        settings.setValue(mappingKey(n) + QStringLiteral("Identity"), identity);
}

QString storedSerialPortIdentity(int n)
{
    if (n < 1 || n > 8)
        return {};
    return programSettings().value(mappingKey(n) + QStringLiteral("Identity")).toString();
}

bool serialPortFromEnvironment(int n)
{
    const QByteArray name = "QUILLBOX_COM" + QByteArray::number(n);
    return !qEnvironmentVariable(name.constData()).isEmpty();
}

QString shippedDataFile(const QString& relative, const QString& builtFrom)
{
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {bin.absoluteFilePath(QStringLiteral("../share/quillbox/") + relative), builtFrom}) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isFile())
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    }
    return {};
}

} // namespace platform
