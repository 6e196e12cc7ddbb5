#include "platform/settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

namespace {

// Every setting, in the order of the declaration (assignable through a non-const Settings).
template <typename S> auto fields(S&& s)
{
    return std::tie(s.CommPort, s.ListItemDataCNT, s.TreeItemDataCNT, s.szAddressItemData,
                    s.FilePath, s.szAddressPath, s.HelpFilename, s.DownloadWhenPluggedIn, s.X, s.Y);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Quillbox.conf")); }

private Q_SLOTS:
    void init() { QFile::remove(iniPath()); }

    void firstRunGivesDefaults()
    {
        QSettings store(iniPath(), QSettings::IniFormat);
        Settings s;
        s.load(store);
        // Port, counters, address book number, window position; the folders are the user's.
        QVERIFY((std::tuple{s.CommPort, s.ListItemDataCNT, s.TreeItemDataCNT, s.szAddressItemData,
                            s.X, s.Y}) == (std::tuple{1, 1, 20, 1, -1, -1}));

        // A progress window never placed leaves no position behind.
        s.saveProgressPosition(store);
        QVERIFY(!store.contains(QStringLiteral("Settings/X")));
        QVERIFY(!store.contains(QStringLiteral("Settings/Y")));
    }

    void savedValuesComeBackUnderTheirNames()
    {
        Settings s = Settings::defaults();
        fields(s) = std::tuple(3, 57, 31, 7, QStringLiteral("/tmp/q"), QStringLiteral("/tmp/a b"),
                               QStringLiteral("/opt/help/QuillboxHelp.html"), true, 10, 0);
        {
            QSettings store(iniPath(), QSettings::IniFormat);
            s.save(store);
            s.saveProgressPosition(store);
        }
        QSettings store(iniPath(), QSettings::IniFormat);
        QCOMPARE(store.childGroups(), QStringList({QStringLiteral("Config"), QStringLiteral("Link"),
                                                   QStringLiteral("Settings")}));
        QCOMPARE(store.value(QStringLiteral("Config/Help Filename")).toString(), s.HelpFilename);
        QCOMPARE(store.value(QStringLiteral("Config/szAddressItemData")).toInt(), 7);
        Settings back;
        back.load(store);
        QVERIFY(fields(back) == fields(s));
    }

    void unreadableValuesGiveDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* key, const char* text) {
            QTest::newRow(name) << QString::fromLatin1(key) << QString::fromLatin1(text);
        };
        row("port not a number", "Config/CommPort", "COM2");
        row("message counter zero", "Config/ListItemDataCNT", "0");
        row("message counter at the top", "Config/ListItemDataCNT", "2147483647");
        row("folder counter among pager folders", "Config/TreeItemDataCNT", "5");
        row("folder counter too large", "Config/TreeItemDataCNT", "99999999999");
        row("X not a number", "Settings/X", "left");
        row("download when plugged in, neither yes nor no", "Link/DownloadWhenPluggedIn", "2");
    }

    void unreadableValuesGiveDefaults()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        {
            QSettings store(iniPath(), QSettings::IniFormat);
            store.setValue(key, text);
        }
        QSettings store(iniPath(), QSettings::IniFormat);
        Settings s;
        s.load(store);
        QVERIFY(fields(s) == fields(Settings::defaults()));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
