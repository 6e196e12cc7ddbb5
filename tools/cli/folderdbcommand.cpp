// quillbox-cli folderdb: the folder database file as JSON, and the close of the store.

#include "messages/core/archive.h"
#include "messages/core/folderdb.h"
#include "messages/core/mailexport.h"
#include "messages/core/messagestore.h"
#include "platform/inputfile.h"
#include "tools/cli/command.h"
#include "tools/common/recordjson.h"

#include <limits>

namespace cli {
namespace {

using recordjson::Json;

QString damageText(const QString& path, const folderdb::ReadResult& result)
{
    // A file that could not be read is not known to be damaged.
    if (result.unreadable)
        return result.error;
    return QStringLiteral("%1: damaged at byte offset %2: %3")
        .arg(path)
        .arg(result.errorOffset)
        .arg(result.error);
}

// Reads the database named by the first positional argument; false (with the error told)
// when it is missing or damaged.
bool readDatabase(const QString& path, RecordList& records)
{
    const folderdb::ReadResult result = folderdb::readFile(path, records);
    if (!result.found) {
        printError(QStringLiteral("%1: %2").arg(
            path, result.error.isEmpty() ? QStringLiteral("no such file") : result.error));
        return false;
    }
    if (!result.ok) {
        printError(damageText(path, result));
        return false;
    }
    return true;
}

int search(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The folder database."));
    parser.addPositionalArgument(QStringLiteral("WORDS"), QStringLiteral("Words to look for."),
                                 QStringLiteral("WORDS..."));
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli folderdb search FILE WORDS...\n"
                       "Prints, as JSON records with their folder's path, the messages of FILE\n"
                       "whose address, header or text hold every word (case-insensitive)."),
        2, -1);
    if (status >= 0)
        return status;
    QStringList pos = parser.positionalArguments();
    const QString path = pos.takeFirst();
    std::vector<std::string> words;
    try {
        for (const QString& word : pos) {
            for (std::string& w :
                 archive::searchWords(recordjson::utf8ToBytes(word.toStdString(), "WORDS")))
                words.push_back(std::move(w));
        }
    } catch (const recordjson::FormError& e) {
        printError(std::string(e.what()));
        return EXIT_USAGE;
    }
    RecordList records;
    if (!readDatabase(path, records))
        return EXIT_INPUT;
    archive::MessageSearch index;
    index.build(records);
    const archive::FolderPaths paths(records);
    Json list = Json::array();
    for (const MessageRecord* m : index.find(words)) {
        Json record = recordjson::messageRecordToJson(*m);
        record["folder"] = recordjson::bytesToUtf8(paths.pathOf(*m));
        list.push_back(std::move(record));
    }
    printOut(list.dump(2) + "\n");
    return EXIT_OK;
}

int exportMessages(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The folder database."));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The file to write."));
    parser.addOption(
        {QStringLiteral("format"), QStringLiteral("mbox or csv."), QStringLiteral("FORMAT")});
    parser.addOption({QStringLiteral("folder"),
                      QStringLiteral("Only the messages of the folder numbered ID."),
                      QStringLiteral("ID")});
    parser.addOption({QStringLiteral("recursive"),
                      QStringLiteral("With --folder: its subfolders' messages too.")});
    parser.addOption({QStringLiteral("raw"),
                      QStringLiteral("With --format csv: every field as it is, without the ' "
                                     "written before a field that begins with =, +, -, @, a "
                                     "tab or a CR.")});
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli folderdb export FILE OUT --format mbox|csv [--raw] [--folder "
                       "ID [--recursive]]\n"
                       "Writes the messages of FILE (or of one folder) to OUT as a mail folder\n"
                       "(mboxrd) or as CSV for spreadsheets. A CSV field that a spreadsheet\n"
                       "would run as a formula gets a ' before it unless --raw is given."),
        2, 2);
    if (status >= 0)
        return status;
    const QString format = parser.value(QStringLiteral("format"));
    if (format != QStringLiteral("mbox") && format != QStringLiteral("csv")) {
        printError(std::string("--format must be mbox or csv"));
        return EXIT_USAGE;
    }
    qint32 folderId = 0;
    if (!intOption(parser, QStringLiteral("folder"), 0, &folderId))
        return EXIT_USAGE;
    const bool oneFolder = parser.isSet(QStringLiteral("folder"));
    if (parser.isSet(QStringLiteral("recursive")) && !oneFolder) {
        printError(std::string("--recursive needs --folder"));
        return EXIT_USAGE;
    }
    const bool raw = parser.isSet(QStringLiteral("raw"));
    if (raw && format != QStringLiteral("csv")) {
        printError(std::string("--raw needs --format csv"));
        return EXIT_USAGE;
    }
    const QStringList pos = parser.positionalArguments();
    // The export would take the database's place, under whatever name it was given.
    if (platform::isSameFile(pos.at(0), pos.at(1))) {
        printError(QStringLiteral("%1: it is the folder database being exported").arg(pos.at(1)));
        return EXIT_INPUT;
    }
    MessageStore store;
    if (!readDatabase(pos.at(0), store.records()))
        return EXIT_INPUT;
    std::vector<const MessageRecord*> messages;
    if (oneFolder) {
        const MessageRecord* folder = store.findFolderById(folderId);
        if (!folder) {
            printError(QStringLiteral("%1: no folder numbered %2").arg(pos.at(0)).arg(folderId));
            return EXIT_USAGE;
        }
        messages = archive::folderMessages(store.records(), folder->nParentId, folder->nFolderId,
                                           parser.isSet(QStringLiteral("recursive")));
    } else {
        for (const MessageRecord& r : store.records()) {
            if (r.nKind == KIND_MESSAGE)
                messages.push_back(&r);
        }
    }
    QString error;
    if (!mailexport::writeFile(
            pos.at(1),
            format == QStringLiteral("csv") ? mailexport::Format::Csv : mailexport::Format::Mbox,
            messages, archive::FolderPaths(store.records()),
            raw ? mailexport::CsvFormulas::Raw : mailexport::CsvFormulas::Guard, &error)) {
        printError(error);
        return EXIT_INPUT;
    }
    printOut(std::to_string(messages.size()) + " messages exported\n");
    return EXIT_OK;
}

int dump(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The folder database."));
    const int status = parseCommand(parser, args,
                                    QStringLiteral("quillbox-cli folderdb dump FILE\n"
                                                   "Prints the folder database FILE as JSON."),
                                    1, 1);
    if (status >= 0)
        return status;
    const QString path = parser.positionalArguments().at(0);
    RecordList records;
    const folderdb::ReadResult result = folderdb::readFile(path, records);
    if (!result.found) {
        printError(QStringLiteral("%1: %2").arg(
            path, result.error.isEmpty() ? QStringLiteral("no such file") : result.error));
        return EXIT_INPUT;
    }
    if (!result.ok) {
        printError(damageText(path, result));
        return EXIT_INPUT;
    }
    Json list = Json::array();
    for (const MessageRecord& record : records)
        list.push_back(recordjson::messageRecordToJson(record));
    const Json document{{"header", result.header}, {"records", std::move(list)}};
    printOut(document.dump(2) + "\n");
    return EXIT_OK;
}

int build(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("JSON"),
                                 QStringLiteral("A document as 'folderdb dump' prints it."));
    parser.addPositionalArgument(QStringLiteral("OUT"),
                                 QStringLiteral("The folder database to write."));
    const int status = parseCommand(
        parser, args,
        QStringLiteral(
            "quillbox-cli folderdb build JSON OUT\n"
            "Writes the records of JSON to the folder database OUT as given, without renumbering."),
        2, 2);
    if (status >= 0)
        return status;
    const QStringList pos = parser.positionalArguments();
    quint32 header = folderdb::DEFAULT_HEADER;
    RecordList records;
    try {
        const Json document = recordjson::readJsonFile(pos.at(0).toStdString());
        recordjson::rejectUnknownMembers(document, {"header", "records"}, "document");
        if (const auto it = document.find("header"); it != document.end()) {
            if (!it->is_number_integer() || it->get<std::int64_t>() < 0 ||
                it->get<std::int64_t>() > std::numeric_limits<quint32>::max())
                throw recordjson::FormError(
                    "document: \"header\" must be a whole number from 0 to 4294967295");
            header = it->get<quint32>();
        }
        const auto list = document.find("records");
        if (list == document.end() || !list->is_array())
            throw recordjson::FormError("document: \"records\" must be an array");
        size_t index = 0;
        for (const Json& item : *list)
            records.push_back(recordjson::messageRecordFromJson(
                item, "records[" + std::to_string(index++) + "]"));
    } catch (const recordjson::FormError& e) {
        printError(std::string(e.what()));
        return EXIT_INPUT;
    }
    QString error;
    if (!folderdb::writeFile(pos.at(1), header, records, &error)) {
        printError(QStringLiteral("%1: %2").arg(pos.at(1), error));
        return EXIT_INPUT;
    }
    return EXIT_OK;
}

int close(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("IN"),
                                 QStringLiteral("The folder database to load."));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("Where to write it."));
    parser.addOption({QStringLiteral("folder-counter"),
                      QStringLiteral("TreeItemDataCNT before the close (default 20)."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("message-counter"),
                      QStringLiteral("ListItemDataCNT before the close (default 1)."),
                      QStringLiteral("N")});
    const int status = parseCommand(
        parser, args,
        QStringLiteral(
            "quillbox-cli folderdb close IN OUT [--folder-counter N] [--message-counter N]\n"
            "Loads IN and saves it to OUT as closing the program does: the pager side\n"
            "removed, folders and messages renumbered. Prints the counters after the save."),
        2, 2);
    if (status >= 0)
        return status;
    MessageStore store;
    if (!intOption(parser, QStringLiteral("folder-counter"), 20,
                   &store.counters().nextFolderId) ||
        !intOption(parser, QStringLiteral("message-counter"), 1, &store.counters().nextMessageId))
        return EXIT_USAGE;
    const QStringList pos = parser.positionalArguments();
    const folderdb::ReadResult result = folderdb::readFile(pos.at(0), store.records());
    if (!result.found) {
        printError(QStringLiteral("%1: %2").arg(
            pos.at(0), result.error.isEmpty() ? QStringLiteral("no such file") : result.error));
        return EXIT_INPUT;
    }
    if (!result.ok) {
        printError(damageText(pos.at(0), result));
        return EXIT_INPUT;
    }
    QString error;
    StoreCounters written;
    if (!store.SaveFolderDb(pos.at(1), result.header, &error, &written)) {
        printError(QStringLiteral("%1: %2").arg(pos.at(1), error));
        return EXIT_INPUT;
    }
    printOut("TreeItemDataCNT=" + std::to_string(written.nextFolderId) + "\n" +
             "ListItemDataCNT=" + std::to_string(written.nextMessageId) + "\n");
    return EXIT_OK;
}

} // namespace

int runFolderDb(const QStringList& args)
{
    return dispatch(args, "folderdb",
                    {{"dump", dump},
                     {"build", build},
                     {"close", close},
                     {"search", search},
                     {"export", exportMessages}});
}

} // namespace cli
