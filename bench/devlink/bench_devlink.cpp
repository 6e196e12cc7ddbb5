// What the three transfers cost over a real pseudo-terminal against the pager simulator:
// paced at 38400 baud, the wall time against the line time of the records carried; unpaced,
// the throughput the code itself allows.
//
//   bench_devlink [--image FILE | --full] [--repeat N]
//   bench_devlink [--image FILE | --full] --noise
//
// --noise: the message download and the address-book upload on a clean line and on lines
// that spoil bytes (the simulator's --corrupt-rate and --drop-rate, both directions), each
// against the clean run, the downloaded messages compared with the clean run's.
//
// The program's side is the protocol library's TransferClient, driven the way the device-link
// worker drives it; the pager is quillbox-pager-sim.

#include "bench/devlink/fullpager.h"
#include "devlink/protocol/transfermessages.h"
#include "tools/common/pagerimage.h"
#include "tools/pager-sim/simclient.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace devlink::protocol;
using pagersim::TransferRun;

namespace {

constexpr int kLineBaud = 38400;
constexpr double kLineBytesPerSecond = kLineBaud / 10.0;
constexpr qint64 kLimitMs = 600'000;

struct Row
{
    const char* name;
    TransferRun run;
    qsizetype payload = 0;
};

// The three transfers once over a fresh simulator at this line rate; empty on failure.
std::vector<Row> transfers(const QString& image, int baud)
{
    // QUILLBOX_PAGER_SIM names another simulator (an installed one, or one under a tracer).
    pagersim::SimProcess sim{
        qEnvironmentVariable("QUILLBOX_PAGER_SIM", QStringLiteral(QUILLBOX_PAGER_SIM))};
    const QString path = sim.start(
        {QStringLiteral("--baud"), QString::number(baud), QStringLiteral("--image"), image});
    pagersim::RawPort port;
    if (path.isEmpty() || !port.open(path, kLineBaud)) {
        std::fprintf(stderr, "bench_devlink: the simulator did not start: %s\n",
                     qPrintable(sim.error()));
        return {};
    }
    TransferClient client;
    client.setBaudRate(baud);
    client.setTimeout(300);

    std::vector<Row> rows;
    rows.push_back({"download messages",
                    pagersim::runTransfer(
                        port.fd(), client,
                        [&](qint64 now) { return client.startMessageDownload(now); }, kLimitMs)});
    rows.back().payload = messagesPayloadBytes(client.takeMessages());

    rows.push_back({"download address book",
                    pagersim::runTransfer(
                        port.fd(), client,
                        [&](qint64 now) { return client.startContactsDownload(now); }, kLimitMs)});
    ContactList contacts = client.takeContacts();
    GroupList groups = client.takeGroups();
    rows.back().payload = addressBookPayloadBytes(contacts, groups);

    const qsizetype bookBytes = addressBookPayloadBytes(contacts, groups);
    rows.push_back(
        {"upload address book",
         pagersim::runTransfer(
             port.fd(), client,
             [&](qint64 now) { return client.startContactsUpload(contacts, groups, now); },
             kLimitMs)});
    rows.back().payload = bookBytes;
    for (const Row& row : rows) {
        if (row.run.result != 0) {
            std::fprintf(stderr, "bench_devlink: %s failed with %d\n", row.name, row.run.result);
            return {};
        }
    }
    return rows;
}

// The messages' bytes on the wire, to compare two downloads.
QByteArray messageBytes(const std::vector<DeviceMessage>& messages)
{
    QByteArray out;
    for (const DeviceMessage& m : messages)
        out += encodeMessage(m).value_or(QByteArray());
    return out;
}

struct NoisyRun
{
    TransferRun download;
    TransferRun upload;
    QByteArray messages;
};

// The message download and the address-book upload over a simulator with these faults.
std::optional<NoisyRun> noisyTransfers(const QString& image, const QStringList& faults)
{
    pagersim::SimProcess sim{
        qEnvironmentVariable("QUILLBOX_PAGER_SIM", QStringLiteral(QUILLBOX_PAGER_SIM))};
    const QString path = sim.start(QStringList{QStringLiteral("--baud"), QString::number(kLineBaud),
                                               QStringLiteral("--image"), image} +
                                   faults);
    pagersim::RawPort port;
    if (path.isEmpty() || !port.open(path, kLineBaud)) {
        std::fprintf(stderr, "bench_devlink: the simulator did not start: %s\n",
                     qPrintable(sim.error()));
        return std::nullopt;
    }
    TransferClient client;
    client.setBaudRate(kLineBaud);
    client.setTimeout(300);
    NoisyRun run;
    run.download = pagersim::runTransfer(
        port.fd(), client, [&](qint64 now) { return client.startMessageDownload(now); }, kLimitMs);
    run.messages = messageBytes(client.takeMessages());
    const PagerImage pager = PagerImage::readFile(image.toStdString());
    run.upload = pagersim::runTransfer(
        port.fd(), client,
        [&](qint64 now) {
            return client.startContactsUpload(
                ContactList(pager.contacts.begin(), pager.contacts.end()),
                GroupList(pager.groups.begin(), pager.groups.end()), now);
        },
        kLimitMs);
    // What the program's side of the upload sent again (the pager's side of the download
    // reports its own on the simulator's standard error).
    const LinkStats& sent = client.link().stats();
    std::fprintf(stderr,
                 "bench_devlink: upload %s: %llu frames, %llu lost, %llu time-outs, %llu bytes "
                 "sent again, last frame size %lld, parity %d (link version %d); bytes the "
                 "program's side put right (both transfers): %llu\n",
                 qPrintable(faults.join(QLatin1Char(' '))),
                 static_cast<unsigned long long>(sent.dataFramesSent),
                 static_cast<unsigned long long>(sent.lostFrames),
                 static_cast<unsigned long long>(sent.timeouts),
                 static_cast<unsigned long long>(sent.retransmittedBytes),
                 static_cast<long long>(client.link().segmentSize()), client.link().parity(),
                 int(client.link().sessionVersion()),
                 static_cast<unsigned long long>(client.link().decoderStats().repairedBytes));
    return run;
}

int noiseTable(const QString& image)
{
    const std::optional<NoisyRun> clean = noisyTransfers(image, {});
    if (!clean || clean->download.result != 0 || clean->upload.result != 0) {
        std::fprintf(stderr, "bench_devlink: the clean run failed\n");
        return 1;
    }
    std::printf("paced, %d baud; each line against the clean run; goals: corrupt 0.001 at most "
                "1.10, drop 0.001 at most 1.25, corrupt 0.01 at most 1.6\n",
                kLineBaud);
    std::printf("%-16s %12s %7s %12s %7s %10s\n", "line", "download ms", "ratio", "upload ms",
                "ratio", "same data");
    std::printf("%-16s %12lld %7.3f %12lld %7.3f %10s\n", "clean",
                static_cast<long long>(clean->download.elapsedMs), 1.0,
                static_cast<long long>(clean->upload.elapsedMs), 1.0, "-");
    const struct
    {
        const char* name;
        QStringList faults;
    } lines[] = {
        {"corrupt 0.001", {QStringLiteral("--corrupt-rate"), QStringLiteral("0.001")}},
        {"drop 0.001", {QStringLiteral("--drop-rate"), QStringLiteral("0.001")}},
        {"corrupt 0.01", {QStringLiteral("--corrupt-rate"), QStringLiteral("0.01")}},
    };
    int status = 0;
    for (const auto& line : lines) {
        const std::optional<NoisyRun> run = noisyTransfers(image, line.faults);
        if (!run)
            return 1;
        const auto cell = [](const TransferRun& r, const TransferRun& base) {
            return r.result == 0 ? double(r.elapsedMs) / double(base.elapsedMs) : -double(r.result);
        };
        const bool same = run->download.result == 0 && run->messages == clean->messages;
        std::printf("%-16s %12lld %7.3f %12lld %7.3f %10s\n", line.name,
                    static_cast<long long>(run->download.elapsedMs),
                    cell(run->download, clean->download),
                    static_cast<long long>(run->upload.elapsedMs), cell(run->upload, clean->upload),
                    same ? "yes" : "NO");
        if (!same || run->upload.result != 0)
            status = 1;
    }
    std::printf("(a negative ratio is the error code of a failed transfer)\n");
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption imageOption(QStringLiteral("image"),
                                         QStringLiteral("Pager image (default: the demo pager)."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption fullOption(QStringLiteral("full"),
                                        QStringLiteral("A full pager: 400 messages, 250 contacts, "
                                                       "20 groups."));
    const QCommandLineOption repeatOption(QStringLiteral("repeat"),
                                          QStringLiteral("Unpaced runs to take the median of."),
                                          QStringLiteral("N"), QStringLiteral("21"));
    const QCommandLineOption noiseOption(
        QStringLiteral("noise"),
        QStringLiteral("Paced transfers on noisy lines against a clean one, nothing else."));
    parser.addOptions({imageOption, fullOption, repeatOption, noiseOption});
    parser.addHelpOption();
    parser.process(app);
    const int repeat = qMax(1, parser.value(repeatOption).toInt());

    QTemporaryDir dir;
    QString image =
        parser.isSet(imageOption) ? parser.value(imageOption) : QStringLiteral(QUILLBOX_DEMO_PAGER);
    if (parser.isSet(fullOption)) {
        image = dir.filePath(QStringLiteral("full.json"));
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(QByteArray::fromStdString(benchpager::fullPager().toJson().dump())) < 0)
            return 1;
    }
    std::printf("pager image: %s\n\n", qPrintable(image));
    if (parser.isSet(noiseOption))
        return noiseTable(image);

    const std::vector<Row> paced = transfers(image, kLineBaud);
    if (paced.empty())
        return 1;
    std::printf("paced, %d baud 8N1 (%.0f bytes/s); goal: wall / line time <= 1.05\n", kLineBaud,
                kLineBytesPerSecond);
    std::printf("%-22s %9s %9s %9s %9s %11s %7s\n", "transfer", "wall ms", "payload", "to pager",
                "from pgr", "line ms", "ratio");
    for (const Row& row : paced) {
        const double lineMs = double(row.payload) * 1000.0 / kLineBytesPerSecond;
        std::printf("%-22s %9lld %9lld %9llu %9llu %11.0f %7.3f\n", row.name,
                    static_cast<long long>(row.run.elapsedMs), static_cast<long long>(row.payload),
                    static_cast<unsigned long long>(row.run.bytesWritten),
                    static_cast<unsigned long long>(row.run.bytesRead), lineMs,
                    double(row.run.elapsedMs) / lineMs);
    }

    // Unpaced: the median of several runs, each against a fresh simulator.
    std::vector<std::vector<qint64>> times(paced.size());
    std::vector<Row> last;
    for (int i = 0; i < repeat; ++i) {
        last = transfers(image, 0);
        if (last.empty())
            return 1;
        for (size_t r = 0; r < last.size(); ++r)
            times[r].push_back(last[r].run.elapsedUs);
    }
    std::printf("\nunpaced (--baud 0), median of %d runs\n", repeat);
    std::printf("%-22s %9s %9s %9s %9s %12s\n", "transfer", "wall us", "payload", "to pager",
                "from pgr", "bytes/s");
    for (size_t r = 0; r < last.size(); ++r) {
        std::vector<qint64>& t = times[r];
        std::sort(t.begin(), t.end());
        const qint64 medianUs = qMax<qint64>(1, t[t.size() / 2]);
        std::printf("%-22s %9lld %9lld %9llu %9llu %12.0f\n", last[r].name,
                    static_cast<long long>(medianUs), static_cast<long long>(last[r].payload),
                    static_cast<unsigned long long>(last[r].run.bytesWritten),
                    static_cast<unsigned long long>(last[r].run.bytesRead),
                    double(last[r].payload) * 1e6 / double(medianUs));
    }
    return 0;
}
