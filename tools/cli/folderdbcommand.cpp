// quillbox-cli folderdb: the folder database file as JSON, and the close of the store.

#include "messages/folderdb.h"
#include "messages/messagestore.h"
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
                   &store.counters().TreeItemDataCNT) ||
        !intOption(parser, QStringLiteral("message-counter"), 1, &store.counters().ListItemDataCNT))
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
    printOut("TreeItemDataCNT=" + std::to_string(written.TreeItemDataCNT) + "\n" +
             "ListItemDataCNT=" + std::to_string(written.ListItemDataCNT) + "\n");
    return EXIT_OK;
}

} // namespace

int runFolderDb(const QStringList& args)
{
    return dispatch(args, "folderdb", {{"dump", dump}, {"build", build}, {"close", close}});
}

} // namespace cli
