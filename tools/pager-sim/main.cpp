// quillbox-pager-sim: a pager on a pseudo-terminal (or a serial device) for the program, its
// tests and its benchmarks to talk to.

#include "devlink/protocol/errors.h"
#include "devlink/protocol/transferserver.h"
#include "platform/paths.h"
#include "tools/common/pagerimage.h"
#include "tools/pager-sim/pagersimulator.h"
#include "tools/pager-sim/serialline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kExitUsage = 1;
constexpr int kExitCannotStart = 2; // a bad image, a line or link that cannot be made

constexpr int kMaxBaud = 4'000'000;

int g_stopPipe[2] = {-1, -1};

void onStopSignal(int)
{
    const char byte = 0;
    // Nothing to do if the pipe is full: a stop is on its way already.
    [[maybe_unused]] const ssize_t ignored = ::write(g_stopPipe[1], &byte, 1);
}

bool installStopHandler()
{
    if (::pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    std::signal(SIGPIPE, SIG_IGN);
    return ::sigaction(SIGINT, &action, nullptr) == 0 &&
           ::sigaction(SIGTERM, &action, nullptr) == 0;
}

void printError(const QString& text)
{
    std::fprintf(stderr, "quillbox-pager-sim: %s\n", text.toLocal8Bit().constData());
}

int usageError(const QCommandLineParser& parser, const QString& text)
{
    printError(text);
    std::fputs(parser.helpText().toLocal8Bit().constData(), stderr);
    return kExitUsage;
}

// The demo pager of an installed simulator, else the one of the source tree it was built
// from.
QString demoImagePath()
{
    return platform::shippedDataFile(QStringLiteral("demo-pager.json"),
                                     QStringLiteral(QUILLBOX_DEMO_PAGER));
}

struct Parsed
{
    SimOptions options;
    QString image;
    QString link;
    QString device;
};

// -1 when the simulator should start, otherwise the exit status.
int parseOptions(QCommandLineParser& parser, const QStringList& arguments, Parsed& parsed)
{
    parser.setApplicationDescription(QStringLiteral(
        "A pager for the program to talk to, on a new pseudo-terminal (or on DEVICE).\n"
        "The first line of the output is the terminal's path."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QString demo = demoImagePath();
    const QCommandLineOption image(
        QStringLiteral("image"),
        demo.isEmpty()
            ? QStringLiteral("The pager image to hold.")
            : QStringLiteral("The pager image to hold (default: the demo pager, %1).").arg(demo),
        QStringLiteral("FILE"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("Write an accepted upload back to the image."));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Make PATH a symbolic link to the terminal "
                                                 "while the simulator runs."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QStringLiteral("Line rate, 8N1 (default 38400; 0: not paced)."),
                                  QStringLiteral("N"), QStringLiteral("38400"));
    const QCommandLineOption drop(QStringLiteral("drop-rate"),
                                  QStringLiteral("Drop each byte on the line with probability R."),
                                  QStringLiteral("R"), QStringLiteral("0"));
    const QCommandLineOption corrupt(
        QStringLiteral("corrupt-rate"),
        QStringLiteral("Corrupt each byte on the line with probability R."), QStringLiteral("R"),
        QStringLiteral("0"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the line's faults (default 1)."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption silent(QStringLiteral("silent-after"),
                                    QStringLiteral("Answer nothing more after N frames sent."),
                                    QStringLiteral("N"));
    const QCommandLineOption refuse(QStringLiteral("refuse-upload"),
                                    QStringLiteral("Refuse every upload: invalid data."));
    const QCommandLineOption full(QStringLiteral("memory-full"),
                                  QStringLiteral("Refuse every upload: memory full."));
    parser.addOptions(
        {help, version, image, save, link, baud, drop, corrupt, seed, silent, refuse, full});
    parser.addPositionalArgument(QStringLiteral("DEVICE"),
                                 QStringLiteral("A serial device to serve instead of a new "
                                                "pseudo-terminal."),
                                 QStringLiteral("[DEVICE]"));

    if (!parser.parse(arguments))
        return usageError(parser, parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs("quillbox-pager-sim " QUILLBOX_VERSION "\n", stdout);
        return 0;
    }
    SimOptions& o = parsed.options;
    bool ok = false;
    o.baud = parser.value(baud).toInt(&ok);
    if (!ok || o.baud < 0 || o.baud > kMaxBaud)
        return usageError(parser, QStringLiteral("--baud: a whole number from 0 to %1 was "
                                                 "expected")
                                      .arg(kMaxBaud));
    for (const auto& [option, rate] : {std::pair{&drop, &o.dropRate}, {&corrupt, &o.corruptRate}}) {
        *rate = parser.value(*option).toDouble(&ok);
        if (!ok || !(*rate >= 0 && *rate <= 1))
            return usageError(parser, QStringLiteral("--%1: a number from 0 to 1 was expected")
                                          .arg(option->names().constFirst()));
    }
    o.seed = parser.value(seed).toUInt(&ok);
    if (!ok)
        return usageError(parser, QStringLiteral("--seed: a whole number from 0 to 4294967295 "
                                                 "was expected"));
    if (parser.isSet(silent)) {
        o.silentAfter = parser.value(silent).toLongLong(&ok);
        if (!ok || o.silentAfter < 0)
            return usageError(parser, QStringLiteral("--silent-after: a whole number of frames "
                                                     "was expected"));
    }
    if (parser.isSet(refuse) && parser.isSet(full))
        return usageError(parser, QStringLiteral("--refuse-upload and --memory-full exclude "
                                                 "each other"));
    if (parser.isSet(refuse))
        o.refusal = devlink::protocol::ErrInvalidData;
    if (parser.isSet(full))
        o.refusal = devlink::protocol::ErrMemoryFull;
    parsed.image = parser.value(image);
    if (parser.isSet(save)) {
        if (parsed.image.isEmpty())
            return usageError(parser, QStringLiteral("--save needs --image: the demo pager is "
                                                     "never written"));
        o.saveTo = parsed.image;
    }
    parsed.link = parser.value(link);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return usageError(parser, QStringLiteral("one DEVICE at most"));
    parsed.device = positional.value(0);
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    Parsed parsed;
    if (const int status = parseOptions(parser, QCoreApplication::arguments(), parsed); status >= 0)
        return status;

    const QString imagePath = parsed.image.isEmpty() ? demoImagePath() : parsed.image;
    PagerImage image;
    try {
        image = PagerImage::readFile(imagePath.toLocal8Bit().toStdString());
    } catch (const recordjson::FormError& e) {
        printError(QString::fromLocal8Bit(e.what()));
        return kExitCannotStart;
    }
    const QString wrong =
        devlink::protocol::checkContents(contentsOf(image), devlink::protocol::PagerIdentity{});
    if (!wrong.isEmpty()) {
        printError(
            QStringLiteral("%1: the pager cannot hold this image: %2").arg(imagePath, wrong));
        return kExitCannotStart;
    }

    if (!installStopHandler()) {
        printError(QStringLiteral("cannot set up the stop signals"));
        return kExitCannotStart;
    }
    SerialLine line;
    QString error;
    const bool opened =
        parsed.device.isEmpty()
            ? line.openPseudoTerminal(&error)
            : line.openDevice(parsed.device, parsed.options.baud > 0 ? parsed.options.baud : 38400,
                              &error);
    if (!opened) {
        printError(error);
        return kExitCannotStart;
    }
    LineSymlink symlink;
    if (!parsed.link.isEmpty() && !symlink.create(parsed.link, line.path(), &error)) {
        printError(error);
        return kExitCannotStart;
    }
    // The first line says where the pager is, and that it listens.
    std::printf("%s\n", QFile::encodeName(line.path()).constData());
    std::fflush(stdout);

    PagerSimulator simulator(parsed.options, std::move(image));
    return simulator.run(line.fd(), g_stopPipe[0]);
}
