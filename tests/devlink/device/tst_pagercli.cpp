// quillbox-cli pager against the simulator: what it prints is what the pager holds, and an
// upload lands on the pager. Its argument errors are tst_cli's.

#include "tests/cli/clirun.h"
#include "tools/common/pagerimage.h"

#include "simpager.h"

#include <QTemporaryDir>
#include <QTest>

using clirun::cli;
using clirun::Run;
using clirun::words;
using recordjson::Json;

namespace {

QString dumped(const Json& json)
{
    return QString::fromStdString(json.dump());
}

} // namespace

class TestPagerCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transfers();
};

void TestPagerCli::transfers()
{
    const PagerImage image = PagerImage::readFile(QUILLBOX_DEMO_PAGER);
    SimPager sim;
    QVERIFY(!sim.path().isEmpty());
    const QString port = sim.path();

    Run run = cli(words("pager --port") << port << QStringLiteral("download-messages"));
    QCOMPARE(run.status, 0);
    QCOMPARE(dumped(Json::parse(run.out.toStdString())), dumped(image.messagesToJson()));

    // Upload a smaller book in the form download-contacts prints, then read it back.
    PagerImage changed = image;
    changed.contacts.resize(2);
    changed.contacts[1].strCompany = "Uploaded \xE9tablissement";
    changed.groups.clear();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("book.json"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray::fromStdString(changed.addressBookToJson().dump()));
    out.close();
    run = cli(words("pager --port")
              << port << QStringLiteral("upload-contacts") << file << QStringLiteral("--verbose"));
    QVERIFY2(run.status == 0, run.err.constData());
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains("finished"));

    run = cli(words("pager download-contacts --port") << port);
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(dumped(Json::parse(run.out.toStdString())), dumped(changed.addressBookToJson()));

    // Found on COM3 (its mapping); the other ports are not there. The settings (where
    // stored mappings live) are a temporary folder's.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    for (int n = 1; n <= 8; ++n)
        qputenv(("QUILLBOX_COM" + QByteArray::number(n)).constData(),
                n == 3 ? QFile::encodeName(port) : QByteArray("/nonexistent/tty"));
    run = cli(words("pager detect"));
    QCOMPARE(run.status, 0);
    const Json found = Json::parse(run.out.toStdString());
    QCOMPARE(dumped(found.at(0)), dumped(Json{{"port", "COM3"},
                                              {"device", port.toStdString()},
                                              {"model", "Quillbox Pager 2W"},
                                              {"version", "v1.0"}}));
    QVERIFY(run.err.contains("COM1 (/nonexistent/tty): no such device"));
}

QTEST_GUILESS_MAIN(TestPagerCli)
#include "tst_pagercli.moc"
