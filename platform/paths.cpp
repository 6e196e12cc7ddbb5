#include "platform/paths.h"

#include <QDir>
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
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

} // namespace platform
