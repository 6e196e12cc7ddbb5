#include "platform/settings.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QSettings>

#include <limits>

namespace {

const QString kConfig = QStringLiteral("Config/");
const QString kProgress = QStringLiteral("Settings/");
const QString kCardDav = QStringLiteral("CardDAV/");
const QString kLink = QStringLiteral("Link/");

// Counters are handed out and then incremented; a value at the very top of the range
// would overflow; a message number below 1 names no record, and a folder number below
// 20 would meet the pager's folders. Such values are treated as unreadable.
constexpr qint32 kCounterCeiling = std::numeric_limits<qint32>::max() / 2;
constexpr qint32 kFirstLocalFolder = 20;

qint32 readInt(QSettings& store, const QString& key, qint32 fallback,
               qint32 low = std::numeric_limits<qint32>::min(),
               qint32 high = std::numeric_limits<qint32>::max())
{
    const QVariant value = store.value(key);
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < low || number > high)
        return fallback;
    return static_cast<qint32>(number);
}

QString readString(QSettings& store, const QString& key, const QString& fallback)
{
    const QVariant value = store.value(key);
    if (!value.isValid() || !value.canConvert<QString>())
        return fallback;
    return value.toString();
}

} // namespace

Settings Settings::defaults()
{
    Settings s;
    s.FilePath = platform::defaultDataFolder();
    s.szAddressPath = platform::defaultAddressFolder();
    s.HelpFilename = QStringLiteral("QuillboxHelp.chm");
    return s;
}

void Settings::load(QSettings& store)
{
    const Settings d = defaults();
    CommPort = readInt(store, kConfig + QStringLiteral("CommPort"), d.CommPort);
    ListItemDataCNT = readInt(store, kConfig + QStringLiteral("ListItemDataCNT"),
                              d.ListItemDataCNT, 1, kCounterCeiling);
    TreeItemDataCNT = readInt(store, kConfig + QStringLiteral("TreeItemDataCNT"),
                              d.TreeItemDataCNT, kFirstLocalFolder, kCounterCeiling);
    szAddressItemData =
        readInt(store, kConfig + QStringLiteral("szAddressItemData"), d.szAddressItemData);
    FilePath = readString(store, kConfig + QStringLiteral("FilePath"), d.FilePath);
    szAddressPath = readString(store, kConfig + QStringLiteral("szAddressPath"), d.szAddressPath);
    HelpFilename = readString(store, kConfig + QStringLiteral("Help Filename"), d.HelpFilename);
    CardDavUrl = readString(store, kCardDav + QStringLiteral("Url"), {});
    CardDavUser = readString(store, kCardDav + QStringLiteral("User"), {});
    CardDavBook = readString(store, kCardDav + QStringLiteral("AddressBook"), {});
    DownloadWhenPluggedIn =
        readInt(store, kLink + QStringLiteral("DownloadWhenPluggedIn"), 0, 0, 1) == 1;
    X = readInt(store, kProgress + QStringLiteral("X"), d.X);
    Y = readInt(store, kProgress + QStringLiteral("Y"), d.Y);
}

void Settings::save(QSettings& store) const
{
    store.setValue(kConfig + QStringLiteral("CommPort"), CommPort);
    store.setValue(kConfig + QStringLiteral("ListItemDataCNT"), ListItemDataCNT);
    store.setValue(kConfig + QStringLiteral("TreeItemDataCNT"), TreeItemDataCNT);
    store.setValue(kConfig + QStringLiteral("szAddressItemData"), szAddressItemData);
    store.setValue(kConfig + QStringLiteral("FilePath"), FilePath);
    store.setValue(kConfig + QStringLiteral("szAddressPath"), szAddressPath);
    store.setValue(kConfig + QStringLiteral("Help Filename"), HelpFilename);
    if (!CardDavUrl.isEmpty()) {
        store.setValue(kCardDav + QStringLiteral("Url"), CardDavUrl);
        store.setValue(kCardDav + QStringLiteral("User"), CardDavUser);
        store.setValue(kCardDav + QStringLiteral("AddressBook"), CardDavBook);
    }
    store.setValue(kLink + QStringLiteral("DownloadWhenPluggedIn"), DownloadWhenPluggedIn ? 1 : 0);
}

std::optional<QPoint> Settings::progressPosition() const
{
    if (X < 0 || Y < 0)
        return std::nullopt;
    return QPoint(X, Y);
}

void Settings::setProgressPosition(std::optional<QPoint> at)
{
    if (!at || at->x() < 0 || at->y() < 0)
        return;
    X = at->x();
    Y = at->y();
}

void Settings::saveProgressPosition(QSettings& store) const
{
    // A window that was never shown and placed has no place to keep.
    if (!progressPosition())
        return;
    store.setValue(kProgress + QStringLiteral("X"), X);
    store.setValue(kProgress + QStringLiteral("Y"), Y);
}

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quillbox"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
}
