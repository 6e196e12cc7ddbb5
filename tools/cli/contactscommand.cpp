// quillbox-cli contacts: the contacts text file as the import reads it and the export
// writes it, through the same exchange as the Contacts window; vCards; and the three-way
// merge of address books.

#include "contacts/addressbookexchange.h"
#include "contacts/contacthistory.h"
#include "contacts/contactmerge.h"
#include "contacts/contactstext.h"
#include "contacts/vcard.h"
#include "platform/atomicfile.h"
#include "platform/inputfile.h"
#include "platform/paths.h"
#include "tools/cli/bookjson.h"
#include "tools/cli/command.h"
#include "tools/common/recordjson.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <memory>
#include <span>

namespace cli {
namespace {

using recordjson::Json;

int parse(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A contacts text file."));
    parser.addOption(
        {QStringLiteral("room"),
         QStringLiteral("Free room of the address memory (default 250); the parse stops "
                        "where the import would, when it is used up."),
         QStringLiteral("N")});
    const int status =
        parseCommand(parser, args,
                     QStringLiteral("quillbox-cli contacts parse FILE [--room N]\n"
                                    "Prints, as JSON, the contacts that importing FILE would add,\n"
                                    "and the import's report on the error output."),
                     1, 1);
    if (status >= 0)
        return status;
    qint32 room = MAX_CONTACTS;
    if (!intOption(parser, QStringLiteral("room"), MAX_CONTACTS, &room))
        return EXIT_USAGE;
    QFile file(parser.positionalArguments().at(0));
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("%1: Couldn't open source file: %2")
                       .arg(file.fileName(), file.errorString()));
        return EXIT_INPUT;
    }
    // An address memory with this much room: the rest of its slots taken.
    AddressBook book;
    for (qint32 taken = MAX_CONTACTS - std::clamp(room, 0, MAX_CONTACTS); taken > 0; --taken) {
        auto filler = std::make_unique<ContactRecord>();
        book.UpdatePagerAddress(filler, OP_ADD_CONTACT, KEY_CONTACTS);
    }
    Json list = Json::array();
    const ImportReport report =
        AddressBookExchange().importFrom(file, book, [&list](const ContactRecord& contact) {
            contactstext::Fields fields;
            for (size_t i = 0; i < kContactFields.size(); ++i)
                fields[i] = contact.*kContactFields[i].member;
            list.push_back(recordjson::contactFieldsToJson(fields));
        });
    if (!report.readError.isEmpty()) {
        printError(QStringLiteral("%1: %2").arg(file.fileName(), report.readError));
        return EXIT_INPUT;
    }
    printError(
        QStringLiteral("added %1, refused %2, fields cut %3%4")
            .arg(report.added)
            .arg(report.refused)
            .arg(report.cutFields)
            .arg(report.stoppedAtLimit ? QStringLiteral(", stopped at the limit") : QString()));
    printOut(list.dump(2) + "\n");
    return EXIT_OK;
}

int write(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("JSON"),
        QStringLiteral("An array of contacts as 'contacts parse' prints it."));
    parser.addPositionalArgument(QStringLiteral("OUT"),
                                 QStringLiteral("The contacts text file to write."));
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli contacts write JSON OUT\n"
                       "Writes the contacts of JSON to OUT exactly as the export writes them."),
        2, 2);
    if (status >= 0)
        return status;
    const QStringList pos = parser.positionalArguments();
    AddressBook book;
    try {
        const Json list = recordjson::readJsonFile(pos.at(0).toStdString());
        if (!list.is_array())
            throw recordjson::FormError("document: an array of contacts was expected");
        size_t index = 0;
        for (const Json& item : list) {
            // Appended, not concatenated: GCC 12 warns falsely (-Wrestrict) on "[" + ... + "]".
            std::string where = std::to_string(index++);
            where.insert(0, 1, '[').push_back(']');
            const contactstext::Fields fields = recordjson::contactFieldsFromJson(item, where);
            auto contact = std::make_unique<ContactRecord>();
            for (size_t i = 0; i < kContactFields.size(); ++i)
                (*contact).*kContactFields[i].member = fields[i];
            // Written as given: the text file holds any field in full.
            book.m_AddressList.push_back(std::move(contact));
        }
    } catch (const recordjson::FormError& e) {
        printError(std::string(e.what()));
        return EXIT_INPUT;
    }
    QString error;
    if (!AddressBookExchange().exportToFile(pos.at(1), book, &error)) {
        printError(QStringLiteral("%1: %2").arg(pos.at(1), error));
        return EXIT_INPUT;
    }
    return EXIT_OK;
}

Json reportToJson(const char* kind, size_t index, const vcard::FitReport& report)
{
    Json cut = Json::array();
    for (const std::string& field : report.cut)
        cut.push_back(field);
    return Json{{kind, index},
                {"emails", report.emails},
                {"numbers", report.numbers},
                {"others", report.others},
                {"members", report.members},
                {"replaced", report.replaced},
                {"cut", cut},
                {"text", report.describe().toStdString()}};
}

int vcardRead(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A vCard file."));
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli contacts vcard-read FILE\n"
                       "Prints, as JSON, the contacts and groups that importing FILE would add,\n"
                       "before any duplicate review and without the 250 limit."),
        1, 1);
    if (status >= 0)
        return status;
    QFile file(parser.positionalArguments().at(0));
    // A pipe or a device named by mistake would never end.
    if (const QString why = platform::checkInputFile(file.fileName()); !why.isEmpty()) {
        printError(QStringLiteral("%1: Couldn't open source file: %2").arg(file.fileName(), why));
        return EXIT_INPUT;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("%1: Couldn't open source file: %2")
                       .arg(file.fileName(), file.errorString()));
        return EXIT_INPUT;
    }
    const vcard::Book book = vcard::readBook(file);
    if (!book.error.isEmpty()) {
        printError(QStringLiteral("%1: %2").arg(file.fileName(), book.error));
        return EXIT_INPUT;
    }
    Json out = bookToJson(book.contacts, book.groups);
    Json report = Json::array();
    for (size_t i = 0; i < book.contacts.size(); ++i) {
        if (!book.contactReports[i].empty())
            report.push_back(reportToJson("contact", i, book.contactReports[i]));
    }
    for (size_t i = 0; i < book.groups.size(); ++i) {
        if (!book.groupReports[i].empty())
            report.push_back(reportToJson("group", i, book.groupReports[i]));
    }
    out["skipped"] = book.skipped;
    out["report"] = report;
    printOut(out.dump(2) + "\n");
    return EXIT_OK;
}

int vcardWrite(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("JSON"),
        QStringLiteral("An address book as 'contacts vcard-read' prints it."));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The vCard file to write."));
    parser.addOption({QStringLiteral("version"),
                      QStringLiteral("The vCard version to write: 4.0 (default) or 3.0."),
                      QStringLiteral("V"), QStringLiteral("4.0")});
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli contacts vcard-write JSON OUT [--version 3.0|4.0]\n"
                       "Writes the contacts and groups of JSON to OUT as vCards."),
        2, 2);
    if (status >= 0)
        return status;
    const QString versionText = parser.value(QStringLiteral("version"));
    if (versionText != QStringLiteral("4.0") && versionText != QStringLiteral("3.0")) {
        printError(QStringLiteral("--version takes 3.0 or 4.0, not '%1'").arg(versionText));
        return EXIT_USAGE;
    }
    const QStringList pos = parser.positionalArguments();
    JsonBook book;
    if (!readJsonBook(pos.at(0), &book))
        return EXIT_INPUT;
    const vcard::Version version =
        versionText == QStringLiteral("3.0") ? vcard::Version::V30 : vcard::Version::V40;
    QString error;
    const bool written = platform::writeFileAtomically(
        pos.at(1),
        [&](QIODevice& out) {
            vcard::Writer writer(out, version);
            for (const ContactRecord& contact : book.contacts)
                writer.contact(contact);
            for (const GroupRecord& group : book.groups)
                writer.group(group);
            return writer.finish();
        },
        &error);
    if (!written) {
        printError(QStringLiteral("%1: %2").arg(pos.at(1), error));
        return EXIT_INPUT;
    }
    return EXIT_OK;
}

int history(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("show"),
                                 QStringLiteral("Print one snapshot's address book."),
                                 QStringLiteral("[show ID]"));
    parser.addOption({QStringLiteral("dir"),
                      QStringLiteral("The history folder (default: the one of the program, in "
                                     "the per-user data folder)."),
                      QStringLiteral("DIR")});
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli contacts history [show ID] [--dir DIR]\n"
                       "Lists the snapshots of the address book that Quillbox keeps before every\n"
                       "transfer, import and restore and at every close, newest first, as JSON;\n"
                       "'show ID' prints the address book of one of them as 'vcard-read' does."),
        0, 2);
    if (status >= 0)
        return status;
    const QStringList pos = parser.positionalArguments();
    if (!pos.isEmpty() && (pos.size() != 2 || pos.at(0) != QLatin1String("show"))) {
        printError(QStringLiteral("history takes no argument, or 'show ID'"));
        return EXIT_USAGE;
    }
    const contacthistory::History history(
        parser.isSet(QStringLiteral("dir"))
            ? parser.value(QStringLiteral("dir"))
            : QDir(platform::defaultDataFolder())
                  .filePath(QLatin1String(contacthistory::kFolderName)));
    if (pos.size() == 2) {
        recoverycopy::Contents contents;
        QString error;
        if (!history.read(pos.at(1), &contents, &error)) {
            printError(QStringLiteral("%1: %2").arg(history.folder(), error));
            return EXIT_INPUT;
        }
        printOut(bookToJson(contents.contacts, contents.groups).dump(2) + "\n");
        return EXIT_OK;
    }
    QStringList damaged;
    Json list = Json::array();
    for (const contacthistory::Snapshot& snapshot : history.list(&damaged)) {
        list.push_back({{"id", snapshot.id.toStdString()},
                        {"time", snapshot.time.toString(Qt::ISODateWithMs).toStdString()},
                        {"event", snapshot.event.toStdString()},
                        {"contacts", snapshot.contacts},
                        {"groups", snapshot.groups}});
    }
    for (const QString& why : damaged)
        printError(QStringLiteral("%1: a snapshot passed over: %2").arg(history.folder(), why));
    printOut(list.dump(2) + "\n");
    return EXIT_OK;
}

// The largest books a merge takes: ten times what the address book holds.
constexpr size_t kMaxMergeContacts = 10 * MAX_CONTACTS;
constexpr size_t kMaxMergeGroups = 10 * MAX_BOOK_GROUPS;

int merge(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("BASE"),
        QStringLiteral("The address book as it stood after the last transfer, in the form "
                       "'contacts vcard-read' prints; a contact may carry a \"uid\"."));
    parser.addPositionalArgument(QStringLiteral("LOCAL"),
                                 QStringLiteral("The desktop's address book, in the same form."));
    parser.addPositionalArgument(QStringLiteral("REMOTE"),
                                 QStringLiteral("The pager's address book, in the same form."));
    parser.addOption({QStringLiteral("prefer"),
                      QStringLiteral("The side that conflicting fields take: local (default) "
                                     "or remote."),
                      QStringLiteral("SIDE"), QStringLiteral("local")});
    const QCommandLineOption allowDeletes(
        QStringLiteral("allow-deletes"),
        QStringLiteral("Merge even when more than half of a side's contacts would go."));
    parser.addOption(allowDeletes);
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli contacts merge BASE LOCAL REMOTE [--prefer local|remote] "
                       "[--allow-deletes]\n"
                       "Merges the edits made to LOCAL and to REMOTE since BASE and prints\n"
                       "{\"merged\", \"conflicts\", \"counts\", \"unfit\"} as JSON."),
        3, 3);
    if (status >= 0)
        return status;
    const QString prefer = parser.value(QStringLiteral("prefer"));
    if (prefer != QStringLiteral("local") && prefer != QStringLiteral("remote")) {
        printError(QStringLiteral("--prefer takes local or remote, not '%1'").arg(prefer));
        return EXIT_USAGE;
    }
    const QStringList pos = parser.positionalArguments();
    JsonBook books[3];
    for (int i = 0; i < 3; ++i) {
        if (!readJsonBook(pos.at(i), &books[i]))
            return EXIT_INPUT;
        // Matching by the rules compares every contact with every other: a book far beyond
        // what the address book holds would take hours.
        if (books[i].contacts.size() > kMaxMergeContacts ||
            books[i].groups.size() > kMaxMergeGroups) {
            printError(QStringLiteral("%1: more than %2 contacts or %3 groups; the address book "
                                      "holds %4 and %5")
                           .arg(pos.at(i))
                           .arg(kMaxMergeContacts)
                           .arg(kMaxMergeGroups)
                           .arg(MAX_CONTACTS)
                           .arg(MAX_BOOK_GROUPS));
            return EXIT_INPUT;
        }
    }
    const auto view = [](const JsonBook& book) {
        return contactmerge::BookView{book.contacts, book.uids, book.groups};
    };
    contactmerge::Result result =
        contactmerge::merge(view(books[0]), view(books[1]), view(books[2]));
    result.chooseAll(prefer == QStringLiteral("local") ? contactmerge::Side::Local
                                                       : contactmerge::Side::Remote);
    if (result.massDeletion() && !parser.isSet(allowDeletes)) {
        using contactmerge::Side;
        printError(QStringLiteral("the merge would delete %1 of the %2 contacts of %3 and %4 of "
                                  "the %5 of %6; --allow-deletes merges all the same")
                       .arg(result.deleted(Side::Local))
                       .arg(result.sideContacts(Side::Local))
                       .arg(pos.at(1))
                       .arg(result.deleted(Side::Remote))
                       .arg(result.sideContacts(Side::Remote))
                       .arg(pos.at(2)));
        return EXIT_REFUSED;
    }

    printOut(mergeToJson(result).dump(2) + "\n");
    return EXIT_OK;
}

} // namespace

int runContacts(const QStringList& args)
{
    return dispatch(args, "contacts",
                    {{"parse", parse},
                     {"write", write},
                     {"vcard-read", vcardRead},
                     {"vcard-write", vcardWrite},
                     {"history", history},
                     {"merge", merge}});
}

} // namespace cli
