// quillbox-cli pager: the transfers with a pager on a serial port, through the same device
// link the program uses.

#include "contacts/core/contacthistory.h"
#include "contacts/core/contactsync.h"
#include "contacts/core/groupblock.h"
#include "devlink/cpager.h"
#include "devlink/portdetector.h"
#include "platform/atomicfile.h"
#include "platform/paths.h"
#include "tools/cli/bookjson.h"
#include "tools/cli/command.h"
#include "tools/common/pagerimage.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QObject>

#include <bitset>
#include <cstdio>
#include <optional>

#include <unistd.h>

namespace cli {
namespace {

using recordjson::Json;

// The link's time-out, for the transfers and the greeting alike.
constexpr int kLinkTimeoutMs = 300;

const char* const kSynopsis =
    "quillbox-cli pager --port PORT [--verbose] [--quiet] [--log LOG]\n"
    "                   download-messages|download-contacts|upload-contacts FILE\n"
    "quillbox-cli pager --port PORT [--verbose] [--quiet] [--log LOG] sync-contacts BOOK\n"
    "                   [--base BASE] [--prefer local|pager] [--dry-run] [--allow-deletes]\n"
    "quillbox-cli pager [--quiet] detect\n"
    "Transfers with the pager on PORT (1..8 for COM1..COM8, or a device path):\n"
    "  download-messages       prints {\"folderNames\": {...}, \"messages\": [...]}\n"
    "  download-contacts       prints {\"contacts\": [...], \"groups\": [...]}\n"
    "  upload-contacts FILE    sends the address book of FILE, in the form that\n"
    "                          download-contacts prints (a whole pager image also does)\n"
    "  sync-contacts BOOK      keeps the edits made on both sides since the last\n"
    "                          synchronize: merges the pager's address book and BOOK (in\n"
    "                          the form 'contacts vcard-read' prints; a contact's \"uid\" is\n"
    "                          its pager slot) against the book both had then (BASE, in\n"
    "                          either form, else the one kept for this pager; none: they\n"
    "                          are paired by the duplicate rules), conflicts to the side\n"
    "                          --prefer names (local: BOOK, the default); uploads the\n"
    "                          result, and only then writes it to BOOK and as the new base;\n"
    "                          prints what 'contacts merge' prints. Refused (status 3)\n"
    "                          when more than half of a side's contacts would go, unless\n"
    "                          --allow-deletes; --dry-run writes nothing anywhere\n"
    "  detect                  greets COM1..COM8 and the serial devices the system\n"
    "                          lists; prints [{\"port\", \"device\", \"model\",\n"
    "                          \"version\"}] for each that answered, and why each other\n"
    "                          one was skipped on standard error\n"
    "--log LOG writes the link log (every frame's header, no message or contact)\n"
    "to LOG when the transfers end, failed or not.\n"
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
        m_result = -1;
        m_total = m_done = 0;
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

// Starts a transfer and waits for its end; a failure is told with its reason.
int transfer(CPager& pager, TransferWatcher& watcher, PagerMode mode)
{
    int result = pager.PagerControl(mode, 0);
    if (result == 0)
        result = watcher.run();
    if (result != 0) {
        printError(CPager::GetErrorMessage(result));
        if (!pager.m_strErrorDetail.isEmpty())
            printError(pager.m_strErrorDetail);
    }
    return result;
}

QString latin1(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

struct SyncRequest
{
    QString book;
    QString base;   // --base; empty: the base kept for the pager
    QString device; // the port's device, as named: with the model, the pager's key
    contactmerge::Side prefer = contactmerge::Side::Local;
    bool dryRun = false;
    bool allowDeletes = false;
};

// What a synchronize reads before it uses the line.
struct SyncBooks
{
    JsonBook desktop;
    AddressBookCopy base;
    std::optional<contactsync::PagerKey> key; // whose kept base; none with --base
};

// A base file in either form: the one download-contacts prints (slots, folders, group ids),
// or the one vcard-read prints, a contact's "uid" its slot (a contact without one, or with
// one taken already, has none and is paired by the duplicate rules).
bool readBaseFile(const QString& path, AddressBookCopy* base)
{
    try {
        const std::string name = path.toStdString();
        const Json document = recordjson::readJsonFile(name);
        const auto carries = [&document](const char* list, const char* key) {
            const auto it = document.is_object() ? document.find(list) : document.end();
            return it != document.end() && it->is_array() &&
                   std::any_of(it->begin(), it->end(), [key](const Json& item) {
                       return item.is_object() && item.contains(key);
                   });
        };
        if (carries("contacts", "nIndex") || carries("groups", "nGroupId")) {
            PagerImage image;
            image.addressBookFromJson(document, name);
            *base = {std::move(image.contacts), std::move(image.groups)};
            return true;
        }
        JsonBook book = jsonBookFromJson(document);
        std::bitset<MAX_CONTACTS> taken;
        for (size_t i = 0; i < book.contacts.size(); ++i) {
            const qint32 slot = contactsync::slotOf(book.uids[i]);
            const bool free = slot >= 0 && !taken.test(size_t(slot));
            book.contacts[i].nIndex = free ? slot : -1;
            if (free)
                taken.set(size_t(slot));
        }
        *base = {std::move(book.contacts), std::move(book.groups)};
    } catch (const recordjson::FormError& e) {
        printError(std::string(e.what()));
        return false;
    }
    return withinMergeLimits(path, base->contacts.size(), base->groups.size());
}

// BOOK's form carries no folders, group ids, parents or group blocks: the desktop is taken
// to have left them as the base has them (a contact found by its slot, a group by its
// name). A contact whose group BOOK no longer has is back in the Contacts folder; a group
// whose members changed gets its block made anew, as the Group dialog makes it.
bool adoptFromBase(JsonBook& desktop, const AddressBookCopy& base, const QString& path)
{
    std::vector<bool> adopted(base.groups.size());
    std::vector<qint32> ids;
    for (GroupRecord& group : desktop.groups) {
        const GroupRecord* from = nullptr;
        for (size_t b = 0; b < base.groups.size() && !from; ++b) {
            if (!adopted[b] && base.groups[b].strName == group.strName) {
                adopted[b] = true;
                from = &base.groups[b];
                group.nGroupId = from->nGroupId;
                group.nParent = from->nParent;
                ids.push_back(from->nGroupId);
            }
        }
        const std::span<const GroupMember> members(group.aMembers.data(),
                                                   size_t(group.nMemberCount));
        if (from && from->nMemberCount == group.nMemberCount &&
            std::equal(members.begin(), members.end(), from->aMembers.begin())) {
            group.abyBlock = from->abyBlock;
            group.nBlockLength = from->nBlockLength;
            continue;
        }
        GroupBlock block;
        if (const GroupBlock::Result built = block.rebuild(members); !built.ok) {
            printError(QStringLiteral("%1: the group %2: %3")
                           .arg(path, latin1(group.strName), latin1(built.message)));
            return false;
        }
        block.store(group);
    }
    for (GroupRecord& group : desktop.groups) {
        if (std::find(ids.begin(), ids.end(), group.nParent) == ids.end())
            group.nParent = -1;
    }
    for (size_t i = 0; i < desktop.contacts.size(); ++i) {
        const qint32 slot = contactsync::slotOf(desktop.uids[i]);
        const auto it = std::find_if(base.contacts.begin(), base.contacts.end(),
                                     [slot](const ContactRecord& c) { return c.nIndex == slot; });
        if (slot >= 0 && it != base.contacts.end() &&
            std::find(ids.begin(), ids.end(), it->nGroup) != ids.end())
            desktop.contacts[i].nGroup = it->nGroup;
    }
    return true;
}

// BOOK as the history keeps it: each contact in the slot its uid names, the others in the
// free ones.
recoverycopy::Contents snapshotOf(const JsonBook& desktop)
{
    recoverycopy::Contents contents{desktop.contacts, desktop.groups, {}};
    std::bitset<MAX_CONTACTS> taken;
    std::vector<size_t> unplaced;
    for (size_t i = 0; i < contents.contacts.size(); ++i) {
        const qint32 slot = contactsync::slotOf(desktop.uids[i]);
        if (slot >= 0 && !taken.test(size_t(slot))) {
            taken.set(size_t(slot));
            contents.contacts[i].nIndex = slot;
        } else {
            unplaced.push_back(i);
        }
    }
    qint32 next = 0;
    for (const size_t i : unplaced) {
        while (next < MAX_CONTACTS && taken.test(size_t(next)))
            ++next;
        contents.contacts[i].nIndex = next++;
    }
    return contents;
}

// BOOK, and the base with the pager's key: everything that needs no transfer. The pager is
// greeted for its model when its kept base is wanted.
int readSyncBooks(const SyncRequest& request, SyncBooks* books)
{
    if (!readJsonBook(request.book, &books->desktop) ||
        !withinMergeLimits(request.book, books->desktop.contacts.size(),
                           books->desktop.groups.size()))
        return EXIT_INPUT;
    if (!request.base.isEmpty()) {
        if (!readBaseFile(request.base, &books->base))
            return EXIT_INPUT;
    } else {
        const std::atomic<bool> never{false};
        const devlink::ProbeResult probe =
            devlink::probePort({QString(), request.device, {}}, kLinkTimeoutMs, never);
        if (!probe.answered) {
            printError(QStringLiteral("pager: %1: %2").arg(request.device, probe.reason));
            return EXIT_INPUT;
        }
        books->key = contactsync::PagerKey{request.device, probe.model};
        const contactsync::BaseStore store(contactsync::defaultBaseFolder());
        bool found = false;
        QString error;
        if (!store.read(*books->key, &books->base, &found, &error)) {
            printError(QStringLiteral("%1: %2").arg(store.path(*books->key), error));
            return EXIT_INPUT;
        }
    }
    return adoptFromBase(books->desktop, books->base, request.book) ? EXIT_OK : EXIT_INPUT;
}

bool writeJson(const QString& path, const Json& document)
{
    QString error;
    if (platform::writeFileAtomically(path, QByteArray::fromStdString(document.dump(2) + "\n"),
                                      &error))
        return true;
    printError(QStringLiteral("the pager holds the synchronized address book, but %1 could not "
                              "be written: %2")
                   .arg(path, error));
    return false;
}

// The synchronize over an open link: download, merge, upload, and only then BOOK and the
// base.
int synchronize(const SyncRequest& request, const SyncBooks& books, CPager& pager,
                TransferWatcher& watcher)
{
    if (transfer(pager, watcher, PagerMode::DownloadContacts) != 0)
        return EXIT_INPUT;
    const AddressBookCopy& onPager = pager.m_DownloadedContacts;
    contactmerge::Result result = contactsync::merge(
        books.base, {books.desktop.contacts, books.desktop.groups}, books.desktop.uids, onPager);
    result.chooseAll(request.prefer);
    if (const contactsync::Guard guard = contactsync::guard(result);
        guard.ask && !request.allowDeletes) {
        printError(QStringLiteral("the synchronize would delete %1 of the %2 contacts of %3 and %4 "
                                  "of the %5 on the pager; --allow-deletes synchronizes all the "
                                  "same")
                       .arg(guard.desktopDeleted)
                       .arg(guard.desktopContacts)
                       .arg(request.book)
                       .arg(guard.pagerDeleted)
                       .arg(guard.pagerContacts));
        return EXIT_REFUSED;
    }
    const contactsync::Outcome out = contactsync::outcome(result, onPager);
    Json report = mergeReport(result);
    report["merged"] = bookToJson(out.book.contacts, out.book.groups, out.uids);
    if (request.dryRun) {
        printOut(report.dump(2) + "\n");
        return EXIT_OK;
    }

    contacthistory::History history(
        QDir(platform::defaultDataFolder()).filePath(QLatin1String(contacthistory::kFolderName)));
    QString error;
    if (history.keep(contacthistory::Event::Synchronize, snapshotOf(books.desktop), &error)
            .isEmpty()) {
        printError(QStringLiteral("%1: the address book could not be kept in the history, so "
                                  "nothing was synchronized: %2")
                       .arg(history.folder(), error));
        return EXIT_INPUT;
    }
    if (!out.pagerHoldsIt) {
        // The upload sends the book the link was given.
        if (const int check = pager.addressBook().replaceAll(out.book.contacts, out.book.groups)) {
            printError(QStringLiteral("the synchronized address book: %1")
                           .arg(CPager::GetErrorMessage(check)));
            return EXIT_INPUT;
        }
        if (transfer(pager, watcher, PagerMode::UploadContacts) != 0) {
            printError(QStringLiteral("the upload failed: %1 and the base are as they were")
                           .arg(request.book));
            return EXIT_INPUT;
        }
    }
    if (!writeJson(request.book, bookToJson(out.book.contacts, out.book.groups, out.uids)))
        return EXIT_INPUT;
    if (books.key) {
        const contactsync::BaseStore store(contactsync::defaultBaseFolder());
        if (!store.write(*books.key, out.book, &error)) {
            printError(QStringLiteral("the pager holds the synchronized address book, but its "
                                      "base %1 could not be written: %2")
                           .arg(store.path(*books.key), error));
            return EXIT_INPUT;
        }
    } else {
        PagerImage image;
        image.contacts = out.book.contacts;
        image.groups = out.book.groups;
        if (!writeJson(request.base, image.addressBookToJson()))
            return EXIT_INPUT;
    }
    printOut(report.dump(2) + "\n");
    return EXIT_OK;
}

// What a download brought, as JSON on standard output (an upload prints nothing).
void printTransferred(const CPager& pager, PagerMode mode, PagerImage& image)
{
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
}

} // namespace

int runPager(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("TRANSFER"),
                                 QStringLiteral("download-messages, download-contacts, "
                                                "upload-contacts or sync-contacts."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The address book to upload or synchronize."),
                                 QStringLiteral("[FILE]"));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("The pager's port: 1..8, or a device path."),
                                        QStringLiteral("PORT"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Progress on standard error."));
    const QCommandLineOption quietOption(
        QStringLiteral("quiet"),
        QStringLiteral("No rate line on a terminal; detect: no reasons for skipped ports."));
    const QCommandLineOption baseOption(
        QStringLiteral("base"),
        QStringLiteral("sync-contacts: the book as it stood after the last transfer, instead of "
                       "the one kept for this pager; written back afterwards."),
        QStringLiteral("BASE"));
    const QCommandLineOption preferOption(
        QStringLiteral("prefer"),
        QStringLiteral("sync-contacts: the side conflicting fields take: local (FILE, default) "
                       "or pager."),
        QStringLiteral("SIDE"), QStringLiteral("local"));
    const QCommandLineOption dryRunOption(
        QStringLiteral("dry-run"),
        QStringLiteral("sync-contacts: print what the synchronize would do; write nothing."));
    const QCommandLineOption allowDeletesOption(
        QStringLiteral("allow-deletes"),
        QStringLiteral("sync-contacts: synchronize even when more than half of a side's "
                       "contacts would go."));
    const QCommandLineOption logOption(
        QStringLiteral("log"), QStringLiteral("Write the link log to LOG when the transfers end."),
        QStringLiteral("LOG"));
    parser.addOptions({portOption, verboseOption, quietOption, baseOption, preferOption,
                       dryRunOption, allowDeletesOption, logOption});
    const QStringList rest = QStringList{QStringLiteral("quillbox-cli pager")} + args.mid(2);
    const int status = parseCommand(parser, rest, QString::fromLatin1(kSynopsis), 1, 2);
    if (status >= 0)
        return status;

    const QStringList pos = parser.positionalArguments();
    const QString transferName = pos.at(0);
    const bool sync = transferName == QStringLiteral("sync-contacts");
    const bool syncOptions = parser.isSet(baseOption) || parser.isSet(preferOption) ||
                             parser.isSet(dryRunOption) || parser.isSet(allowDeletesOption);
    if (syncOptions && !sync) {
        printError(QStringLiteral("pager: --base, --prefer, --dry-run and --allow-deletes go with "
                                  "sync-contacts only; try 'quillbox-cli pager --help'"));
        return EXIT_USAGE;
    }
    if (transferName == QStringLiteral("detect")) {
        if (pos.size() != 1 || parser.isSet(portOption) || parser.isSet(logOption)) {
            printError(QStringLiteral("pager: detect takes no FILE, no --port and no --log; try "
                                      "'quillbox-cli pager --help'"));
            return EXIT_USAGE;
        }
        return runDetect(parser.isSet(quietOption));
    }
    std::optional<PagerMode> mode;
    if (transferName == QStringLiteral("download-messages"))
        mode = PagerMode::DownloadMessages;
    else if (transferName == QStringLiteral("download-contacts") || sync)
        mode = PagerMode::DownloadContacts;
    else if (transferName == QStringLiteral("upload-contacts"))
        mode = PagerMode::UploadContacts;
    if (!mode) {
        printError(QStringLiteral("pager: unknown transfer '%1'; try 'quillbox-cli pager --help'")
                       .arg(transferName));
        return EXIT_USAGE;
    }
    const bool takesFile = mode == PagerMode::UploadContacts || sync;
    if (takesFile != (pos.size() == 2)) {
        printError(QStringLiteral("pager: %1 %2; try 'quillbox-cli pager --help'")
                       .arg(transferName, takesFile ? QStringLiteral("needs a FILE")
                                                    : QStringLiteral("takes no FILE")));
        return EXIT_USAGE;
    }
    const QString prefer = parser.value(preferOption);
    if (prefer != QStringLiteral("local") && prefer != QStringLiteral("pager")) {
        printError(QStringLiteral("pager: --prefer takes local or pager, not '%1'").arg(prefer));
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
    SyncRequest request;
    SyncBooks books;
    if (sync) {
        request = {pos.at(1),
                   parser.value(baseOption),
                   numeric ? platform::serialPortDevice(number)
                           : QFileInfo(port).absoluteFilePath(),
                   prefer == QStringLiteral("local") ? contactmerge::Side::Local
                                                     : contactmerge::Side::Remote,
                   parser.isSet(dryRunOption),
                   parser.isSet(allowDeletesOption)};
        if (const int read = readSyncBooks(request, &books); read != EXIT_OK)
            return read;
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
    pager.SetCommTimeOut(kLinkTimeoutMs);
    if (numeric)
        pager.SetCommPort(number);
    else
        pager.SetCommPort(port);
    // A port that cannot be opened shows as the transfer's failure.
    pager.OpenCommPort(38400);

    const int result = [&] {
        if (sync)
            return synchronize(request, books, pager, watcher);
        if (transfer(pager, watcher, *mode) != 0)
            return int(EXIT_INPUT);
        printTransferred(pager, *mode, image);
        return int(EXIT_OK);
    }();
    // The log is most wanted after a failure: written whatever the outcome. One that cannot
    // be written costs nothing transferred (that was printed already).
    if (parser.isSet(logOption)) {
        QString error;
        const QString log = parser.value(logOption);
        if (!platform::writeFileAtomically(log, pager.linkLogText(), &error)) {
            printError(QStringLiteral("%1: %2").arg(log, error));
            return result == EXIT_OK ? int(EXIT_INPUT) : result;
        }
    }
    return result;
}

} // namespace cli
