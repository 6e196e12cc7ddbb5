// quillbox-cli contacts: the contacts text file as the import reads it and the export
// writes it.

#include "contacts/contactstext.h"
#include "platform/atomicfile.h"
#include "tools/cli/command.h"
#include "tools/common/recordjson.h"

#include <QFile>

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
                                    "Prints, as JSON, the contacts that importing FILE would add."),
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
    contactstext::Reader reader(file);
    Json list = Json::array();
    contactstext::Fields fields;
    // The import adds a contact, then stops as soon as the memory has no room for another.
    while (room > 0 && reader.next(fields)) {
        list.push_back(recordjson::contactFieldsToJson(fields));
        --room;
    }
    if (!reader.error().isEmpty()) {
        printError(QStringLiteral("%1: %2").arg(file.fileName(), reader.error()));
        return EXIT_INPUT;
    }
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
    ContactList contacts;
    try {
        const Json list = recordjson::readJsonFile(pos.at(0).toStdString());
        if (!list.is_array())
            throw recordjson::FormError("document: an array of contacts was expected");
        size_t index = 0;
        for (const Json& item : list) {
            const contactstext::Fields fields =
                recordjson::contactFieldsFromJson(item, "[" + std::to_string(index++) + "]");
            ContactRecord& contact = contacts.emplace_back();
            for (size_t i = 0; i < kContactFields.size(); ++i)
                contact.*kContactFields[i].member = fields[i];
        }
    } catch (const recordjson::FormError& e) {
        printError(std::string(e.what()));
        return EXIT_INPUT;
    }
    QString error;
    if (!platform::writeFileAtomically(
            pos.at(1), [&](QIODevice& out) { return contactstext::write(out, contacts); },
            &error)) {
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
