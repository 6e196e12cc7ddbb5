// What a Synchronize Contacts of a full pager costs at 38400 baud, against one download and
// one upload of the same books: quillbox-cli itself, each run a process of its own, against
// the pager simulator paced at the line's rate.
//
//   bench_sync [--baud N]
//
// The pager holds a full address memory (250 contacts, 20 groups with members and blocks)
// with 50 contacts edited and a member added to a group since the base; the desktop's book
// has 50 other contacts edited and one field that the pager changed too (a conflict). The
// synchronize downloads, merges, uploads and writes the book and the base; the download and
// the upload are timed on their own, on the same simulator, and the line time is the payload
// of the two books at the line's rate.

#include "bench/devlink/fullpager.h"
#include "devlink/protocol/transfermessages.h"
#include "tools/pager-sim/simclient.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qint64 kLimitMs = 600'000;

bool writeJson(const QString& path, const recordjson::Json& json)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QByteArray::fromStdString(json.dump())) >= 0 && file.flush();
}

// The desktop's form of a book: no slots, folders or group ids; each contact's slot as its
// uid.
recordjson::Json desktopForm(const PagerImage& image)
{
    recordjson::Json contacts = recordjson::Json::array();
    for (const ContactRecord& contact : image.contacts) {
        recordjson::Json c = pagerimage::contactToJson(contact);
        c.erase("nIndex");
        c.erase("nGroup");
        c["uid"] = std::to_string(contact.nIndex);
        contacts.push_back(std::move(c));
    }
    recordjson::Json groups = recordjson::Json::array();
    const recordjson::Json book = image.addressBookToJson();
    for (const recordjson::Json& g : book["groups"])
        groups.push_back({{"strName", g["strName"]}, {"members", g["members"]}});
    return {{"contacts", contacts}, {"groups", groups}};
}

qsizetype payload(const PagerImage& image)
{
    return devlink::protocol::addressBookPayloadBytes(
        ContactList(image.contacts.begin(), image.contacts.end()),
        GroupList(image.groups.begin(), image.groups.end()));
}

// quillbox-cli with these arguments; its wall time in milliseconds, or -1 when it failed.
qint64 timed(const QStringList& args, const QString& output = {})
{
    QProcess process;
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(QUILLBOX_CLI), args);
    if (!process.waitForFinished(int(kLimitMs)) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "bench_sync: quillbox-cli %s failed\n",
                     qPrintable(args.join(QLatin1Char(' '))));
        return -1;
    }
    return clock.elapsed();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption baudOption(QStringLiteral("baud"),
                                        QStringLiteral("The line's rate (default 38400)."),
                                        QStringLiteral("N"), QStringLiteral("38400"));
    parser.addOption(baudOption);
    parser.addHelpOption();
    parser.process(app);
    const int baud = parser.value(baudOption).toInt();

    QTemporaryDir dir;
    const auto file = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
    // The history of the synchronize goes to the temporary folder, not the user's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(file("data")));

    const PagerImage base = benchpager::fullPager();
    PagerImage pager = base;
    for (size_t i = 0; i < 250; i += 5)
        pager.contacts[i].strNote = "pager " + std::to_string(i);
    GroupRecord& grown = pager.groups[0];
    if (grown.nMemberCount < MAX_GROUP_MEMBERS)
        grown.aMembers[size_t(grown.nMemberCount++)] = {0, "added.on@the.pager"};
    PagerImage desktop = base;
    for (size_t i = 1; i < 250; i += 5)
        desktop.contacts[i].strCompany = "desktop " + std::to_string(i);
    desktop.contacts[0].strNote = "desktop 0";
    if (!writeJson(file("pager.json"), pager.toJson()) ||
        !writeJson(file("base.json"), base.addressBookToJson()) ||
        !writeJson(file("desktop.json"), desktopForm(desktop)))
        return 1;

    pagersim::SimProcess sim{
        qEnvironmentVariable("QUILLBOX_PAGER_SIM", QStringLiteral(QUILLBOX_PAGER_SIM))};
    const QString port = sim.start({QStringLiteral("--baud"), QString::number(baud),
                                    QStringLiteral("--image"), file("pager.json")});
    if (port.isEmpty()) {
        std::fprintf(stderr, "bench_sync: the simulator did not start: %s\n",
                     qPrintable(sim.error()));
        return 1;
    }
    const QStringList cli{QStringLiteral("pager"), QStringLiteral("--quiet"),
                          QStringLiteral("--port"), port};
    const qint64 downloadMs =
        timed(cli + QStringList{QStringLiteral("download-contacts")}, file("download.json"));
    const qint64 syncMs =
        timed(cli + QStringList{QStringLiteral("sync-contacts"), file("desktop.json"),
                                QStringLiteral("--base"), file("base.json")},
              file("report.json"));
    // The base now holds the merged book, in the form an upload takes: the same upload again.
    const qint64 uploadMs =
        timed(cli + QStringList{QStringLiteral("upload-contacts"), file("base.json")});
    if (downloadMs < 0 || syncMs < 0 || uploadMs < 0)
        return 1;
    const PagerImage merged = [&] {
        PagerImage image;
        image.addressBookFromJson(recordjson::readJsonFile(file("base.json").toStdString()),
                                  "base.json");
        return image;
    }();

    const double bytesPerSecond = baud / 10.0;
    const double lineMs = double(payload(pager) + payload(merged)) * 1000.0 / bytesPerSecond;
    std::printf("full pager: 250 contacts, %zu groups; 50 edits on each side, 1 conflict\n",
                base.groups.size());
    std::printf("paced, %d baud 8N1; goal: synchronize <= 1.05 x (download + upload)\n", baud);
    std::printf("%-26s %9s\n", "", "wall ms");
    std::printf("%-26s %9lld\n", "download contacts", static_cast<long long>(downloadMs));
    std::printf("%-26s %9lld\n", "upload contacts", static_cast<long long>(uploadMs));
    std::printf("%-26s %9lld\n", "download + upload",
                static_cast<long long>(downloadMs + uploadMs));
    std::printf("%-26s %9.0f\n", "line time of both books", lineMs);
    std::printf("%-26s %9lld\n", "synchronize contacts", static_cast<long long>(syncMs));
    std::printf("synchronize / (download + upload): %.3f\n",
                double(syncMs) / double(downloadMs + uploadMs));
    std::printf("synchronize / line time:           %.3f\n", double(syncMs) / lineMs);
    return 0;
}
