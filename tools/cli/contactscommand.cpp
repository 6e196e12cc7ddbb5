// quillbox-cli contacts: the contacts text file as the import reads it and the export
// writes it, through the same exchange as the Contacts window.

#include "contacts/addressbookexchange.h"
#include "tools/cli/command.h"
#include "tools/common/recordjson.h"

#include <QFile>

#include <algorithm>
#include <memory>

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
            const contactstext::Fields fields =
                recordjson::contactFieldsFromJson(item, "[" + std::to_string(index++) + "]");
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

} // namespace

int runContacts(const QStringList& args)
{
    return dispatch(args, "contacts", {{"parse", parse}, {"write", write}});
}

} // namespace cli
