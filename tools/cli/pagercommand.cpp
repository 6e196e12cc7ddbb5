// quillbox-cli pager: the transfers with a pager on a serial port, through the same device
// link the program uses.

#include "devlink/cpager.h"
#include "devlink/portdetector.h"
#include "tools/cli/command.h"
#include "tools/common/pagerimage.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>

#include <cstdio>
#include <optional>

#include <unistd.h>

namespace cli {
namespace {

using recordjson::Json;

const char* const kSynopsis =
    "quillbox-cli pager --port PORT [--verbose] [--quiet] download-messages|\n"
    "                   download-contacts|upload-contacts FILE\n"
    "quillbox-cli pager [--quiet] detect\n"
    "Transfers with the pager on PORT (1..8 for COM1..COM8, or a device path):\n"
    "  download-messages       prints {\"folderNames\": {...}, \"messages\": [...]}\n"
    "  download-contacts       prints {\"contacts\": [...], \"groups\": [...]}\n"
    "  upload-contacts FILE    sends the address book of FILE, in the form that\n"
    "                          download-contacts prints (a whole pager image also does)\n"
    "  detect                  greets COM1..COM8 and the serial devices the system\n"
    "                          lists; prints [{\"port\", \"device\", \"model\",\n"
    "                          \"version\"}] for each that answered, and why each other\n"
    "                          one was skipped on standard error\n"
    "A failed transfer prints its error and exits with 2.";

// Every port that answered as JSON on standard output; the others with their reason on
// standard error, unless quiet.
int runDetect(bool quiet)
{
    devlink::PortDetector detector;
    Json found = Json::array();
    QEventLoop loop;
    QObject::connect(
        &detector, &devlink::PortDetector::probed, [&](const devlink::ProbeResult& result) {
            const devlink::PortCandidate& where = result.candidate;
            if (result.answered) {
                Json entry = Json::object();
                entry["port"] =
                    where.port.isEmpty() ? Json(nullptr) : Json(where.port.toStdString());
                entry["device"] = where.device.toStdString();
                entry["model"] = result.model.toStdString();
                entry["version"] = result.version.toStdString();
                found.push_back(std::move(entry));
            } else if (!quiet) {
                const QString name = where.port.isEmpty()
                                         ? where.device
                                         : QStringLiteral("%1 (%2)").arg(where.port, where.device);
                std::fprintf(stderr, "quillbox-cli: pager: %s: %s\n", qPrintable(name),
                             qPrintable(result.reason));
            }
        });
    QObject::connect(&detector, &devlink::PortDetector::finished, &loop, &QEventLoop::quit);
    detector.start(devlink::detectionCandidates());
    loop.exec();
    printOut(found.dump(2) + "\n");
    return EXIT_OK;
}

// Receives the device notifications and ends the loop when the transfer ends.
class TransferWatcher : public QObject
{
public:
    explicit TransferWatcher(bool verbose) : m_verbose(verbose) {}

    int run()
    {
        m_loop.exec();
        return m_result;
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != PagerNotifyEvent::eventType())
            return QObject::event(event);
        const auto* notify = static_cast<PagerNotifyEvent*>(event);
        const qint32 arg = notify->argument();
        switch (notify->code()) {
        case PagerEvent::Started:
            progress("started, mode " + std::to_string(arg));
            break;
        case PagerEvent::Count:
            m_total = arg;
            progress(std::to_string(arg) + " items to transfer");
            break;
        case PagerEvent::Step:
            progress("item " + std::to_string(++m_done) + " of " + std::to_string(m_total));
            break;
        case PagerEvent::Finished:
            progress("finished");
            m_result = 0;
            m_loop.quit();
            break;
        case PagerEvent::Failed:
            m_result = arg;
            m_loop.quit();
            break;
        }
        return true;
    }

private:
    void progress(const std::string& text) const
    {
        if (m_verbose)
            std::fprintf(stderr, "quillbox-cli: pager: %s\n", text.c_str());
    }

    bool m_verbose;
    QEventLoop m_loop;
    int m_result = -1;
    qint32 m_total = 0;
    qint32 m_done = 0;
};

// Reads the address book to upload; a whole pager image gives its address book.
bool readAddressBook(const QString& file, PagerImage& image)
{
    try {
        const std::string path = file.toStdString();
        const Json document = recordjson::readJsonFile(path);
        if (document.is_object() && document.contains("addressBook"))
            image = PagerImage::fromJson(document, path);
        else
            image.addressBookFromJson(document, path);
    } catch (const recordjson::FormError& e) {
        printError(std::string(e.what()));
        return false;
    }
    return true;
}

} // namespace

int runPager(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("TRANSFER"),
                                 QStringLiteral("download-messages, download-contacts or "
                                                "upload-contacts."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The address book to upload."),
                                 QStringLiteral("[FILE]"));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("The pager's port: 1..8, or a device path."),
                                        QStringLiteral("PORT"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Progress on standard error."));
    const QCommandLineOption quietOption(
        QStringLiteral("quiet"),
        QStringLiteral("No rate line on a terminal; detect: no reasons for skipped ports."));
    parser.addOption(portOption);
    parser.addOption(verboseOption);
    parser.addOption(quietOption);
    const QStringList rest = QStringList{QStringLiteral("quillbox-cli pager")} + args.mid(2);
    const int status = parseCommand(parser, rest, QString::fromLatin1(kSynopsis), 1, 2);
    if (status >= 0)
        return status;

    const QStringList pos = parser.positionalArguments();
    const QString transfer = pos.at(0);
    if (transfer == QStringLiteral("detect")) {
        if (pos.size() != 1 || parser.isSet(portOption)) {
            printError(QStringLiteral("pager: detect takes no FILE and no --port; try "
                                      "'quillbox-cli pager --help'"));
            return EXIT_USAGE;
        }
        return runDetect(parser.isSet(quietOption));
    }
    std::optional<PagerMode> mode;
    if (transfer == QStringLiteral("download-messages"))
        mode = PagerMode::DownloadMessages;
    else if (transfer == QStringLiteral("download-contacts"))
        mode = PagerMode::DownloadContacts;
    else if (transfer == QStringLiteral("upload-contacts"))
        mode = PagerMode::UploadContacts;
    if (!mode) {
        printError(QStringLiteral("pager: unknown transfer '%1'; try 'quillbox-cli pager --help'")
                       .arg(transfer));
        return EXIT_USAGE;
    }
    if ((mode == PagerMode::UploadContacts) != (pos.size() == 2)) {
        printError(QStringLiteral("pager: %1 %2; try 'quillbox-cli pager --help'")
                       .arg(transfer, mode == PagerMode::UploadContacts
                                          ? QStringLiteral("needs a FILE")
                                          : QStringLiteral("takes no FILE")));
        return EXIT_USAGE;
    }
    if (!parser.isSet(portOption)) {
        printError(std::string("pager: --port is required"));
        return EXIT_USAGE;
    }

    AddressBook book;
    CPager pager(book);
    const QString port = parser.value(portOption);
    bool numeric = false;
    const int number = port.toInt(&numeric);
    if (numeric ? pager.SetCommPort(number) != 0 : pager.SetCommPort(port) != 0) {
        printError(QStringLiteral("pager: --port takes 1..8 or a device path, not '%1'").arg(port));
        return EXIT_USAGE;
    }

    PagerImage image;
    if (mode == PagerMode::UploadContacts) {
        if (!readAddressBook(pos.at(1), image))
            return EXIT_INPUT;
        if (const int result = book.replaceAll(image.contacts, image.groups)) {
            printError(QStringLiteral("%1: %2").arg(pos.at(1), CPager::GetErrorMessage(result)));
            return EXIT_INPUT;
        }
    }

    TransferWatcher watcher(parser.isSet(verboseOption));
    // The rate line, rewritten in place, on a terminal only.
    if (!parser.isSet(quietOption) && isatty(STDERR_FILENO)) {
        pager.SetRateListener([](const devlink::TransferRate& rate) {
            std::fprintf(stderr, "\r%s\x1b[K%s", qPrintable(devlink::rateLineText(rate)),
                         rate.ended ? "\n" : "");
        });
    }
    pager.SetLevel(0);
    pager.SetPagerMode(0);
    pager.CreateThread();
    pager.InitializePager(&watcher, 0);
    pager.SetCommTimeOut(300);
    if (numeric)
        pager.SetCommPort(number);
    else
        pager.SetCommPort(port);
    // A port that cannot be opened shows as the transfer's failure.
    pager.OpenCommPort(38400);

    int result = pager.PagerControl(*mode, 0);
    if (result == 0)
        result = watcher.run();
    if (result != 0) {
        printError(CPager::GetErrorMessage(result));
        if (!pager.m_strErrorDetail.isEmpty())
            printError(pager.m_strErrorDetail);
        return EXIT_INPUT;
    }

    Json output;
    if (mode == PagerMode::DownloadMessages) {
        image.folderNames = pager.m_FolderNames;
        image.messages = pager.m_DeviceMessages;
        output = image.messagesToJson();
    } else if (mode == PagerMode::DownloadContacts) {
        image.contacts = pager.m_DownloadedContacts.contacts;
        image.groups = pager.m_DownloadedContacts.groups;
        output = image.addressBookToJson();
    }
    if (mode != PagerMode::UploadContacts)
        printOut(output.dump(2) + "\n");
    return EXIT_OK;
}

} // namespace cli
