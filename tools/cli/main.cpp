// quillbox-cli: the command-line face of Quillbox's core.

#include "platform/settings.h"
#include "tools/cli/command.h"

#include <QCoreApplication>

namespace {

const char* const kUsage =
    "Usage: quillbox-cli COMMAND SUBCOMMAND [ARGS...]\n"
    "\n"
    "Commands:\n"
    "  folderdb dump FILE                 print a folder database as JSON\n"
    "  folderdb build JSON OUT            write a folder database from JSON, as given\n"
    "  folderdb close IN OUT [--folder-counter N] [--message-counter N]\n"
    "                                     save IN as closing the program would, to OUT\n"
    "  folderdb search FILE WORDS...      print the messages that hold every word, as JSON\n"
    "  folderdb export FILE OUT --format mbox|csv [--raw] [--folder ID [--recursive]]\n"
    "                                     write messages for mail programs or spreadsheets\n"
    "  group-block build [--from HEX] KIND:ADDRESS ...\n"
    "                                     append members to a group block, print it\n"
    "  group-block rebuild KIND:ADDRESS ...\n"
    "                                     build a group block from member rows, print it\n"
    "  contacts parse FILE [--room N]     print the contacts an import would add\n"
    "  contacts write JSON OUT            write contacts as the export writes them\n"
    "  contacts vcard-read FILE           print the contacts and groups a vCard import would add\n"
    "  contacts vcard-write JSON OUT [--version 3.0|4.0]\n"
    "                                     write an address book as vCards\n"
    "  contacts merge BASE LOCAL REMOTE [--prefer local|remote] [--allow-deletes]\n"
    "                                     merge the edits of two address books since BASE,\n"
    "                                     print the merged book and the conflicts\n"
    "  contacts history [show ID] [--dir DIR]\n"
    "                                     list the snapshots of the address book, or print one\n"
    "  carddav sync URL --user U [--password-file F] --book BOOK.json [--state DIR]\n"
    "               [--prefer local|server] [--dry-run] [--allow-deletes]\n"
    "                                     merge BOOK.json with a CardDAV address book and\n"
    "                                     send the merged book back\n"
    "  pager --port PORT download-messages|download-contacts\n"
    "                                     download from the pager on PORT, print JSON\n"
    "  pager --port PORT upload-contacts FILE\n"
    "                                     upload the address book of FILE to the pager\n"
    "  pager --port PORT sync-contacts BOOK [--base BASE] [--prefer local|pager]\n"
    "        [--dry-run] [--allow-deletes]\n"
    "                                     merge the edits of BOOK and of the pager since\n"
    "                                     the last transfer, upload, then write BOOK\n"
    "  pager detect                       find the pager: greet every serial port, print\n"
    "                                     those that answered\n"
    "\n"
    "Every command takes --help; --version prints the version. Exit status: 0 done,\n"
    "1 usage error, 2 a file cannot be read, written or is damaged, or a transfer\n"
    "failed, 3 refused.\n";

int run(const QStringList& args)
{
    const QString command = args.value(1);
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        cli::printOut(kUsage);
        return cli::EXIT_OK;
    }
    if (command == QStringLiteral("--version") || command == QStringLiteral("-v")) {
        cli::printOut("quillbox-cli " QUILLBOX_VERSION "\n");
        return cli::EXIT_OK;
    }
    if (command == QStringLiteral("folderdb"))
        return cli::runFolderDb(args);
    if (command == QStringLiteral("group-block"))
        return cli::runGroupBlock(args);
    if (command == QStringLiteral("contacts"))
        return cli::runContacts(args);
    if (command == QStringLiteral("carddav"))
        return cli::runCardDav(args);
    if (command == QStringLiteral("pager"))
        return cli::runPager(args);
    if (command.isEmpty())
        cli::printError(std::string("no command given"));
    else
        cli::printError(QStringLiteral("unknown command '%1'").arg(command));
    std::fputs(kUsage, stderr);
    return cli::EXIT_USAGE;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    setApplicationIdentity();
    return cli::finishOutput(run(QCoreApplication::arguments()));
}
