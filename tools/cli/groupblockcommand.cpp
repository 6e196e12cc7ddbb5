// quillbox-cli group-block: the group address block as the Group dialog builds it.

#include "contacts/groupblock.h"
#include "tools/cli/command.h"
#include "tools/common/recordjson.h"

namespace cli {
namespace {

// "KIND:ADDRESS": the address is everything after the first colon.
bool parseMember(const QString& text, GroupMember* member)
{
    const auto colon = text.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    bool ok = false;
    member->nKind = text.left(colon).toInt(&ok);
    if (!ok)
        return false;
    const QByteArray address = text.mid(colon + 1).toLatin1();
    member->strEntry.assign(address.constData(), static_cast<size_t>(address.size()));
    return true;
}

bool parseMembers(const QStringList& texts, std::vector<GroupMember>* members)
{
    for (const QString& text : texts) {
        GroupMember member;
        if (!parseMember(text, &member)) {
            printError(QStringLiteral(
                           "'%1' is not KIND:ADDRESS (KIND a whole number, 0 e-mail, 1 wireless)")
                           .arg(text));
            return false;
        }
        members->push_back(std::move(member));
    }
    return true;
}

int refused(const GroupBlock::Result& result, const GroupMember& member)
{
    if (!result.message.empty())
        printError(result.message);
    else if (member.strEntry.empty())
        printError(std::string("refused: the address is empty"));
    else
        printError(std::string("refused: the block is already full"));
    return EXIT_REFUSED;
}

int build(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("KIND:ADDRESS"),
        QStringLiteral("Members to append, in order (0 e-mail, 1 wireless)."),
        QStringLiteral("KIND:ADDRESS..."));
    parser.addOption(
        {QStringLiteral("from"),
         QStringLiteral("Start from this stored block (hex bytes) instead of an empty one."),
         QStringLiteral("HEX")});
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli group-block build [--from HEX] KIND:ADDRESS ...\n"
                       "Appends each member to the working block and prints the stored block."),
        0, -1);
    if (status >= 0)
        return status;
    std::vector<GroupMember> members;
    if (!parseMembers(parser.positionalArguments(), &members))
        return EXIT_USAGE;
    GroupBlock block;
    if (parser.isSet(QStringLiteral("from"))) {
        std::vector<quint8> stored;
        if (!recordjson::hexToBytes(parser.value(QStringLiteral("from")).toStdString(), &stored)) {
            printError(
                std::string("--from takes two-digit hex bytes, such as '15 15 02 12 3C 00'"));
            return EXIT_USAGE;
        }
        block.load(stored);
    }
    for (const GroupMember& member : members) {
        const GroupBlock::Result result = block.append(member.nKind, member.strEntry);
        if (!result.ok)
            return refused(result, member);
    }
    printOut(recordjson::bytesToHex(block.stored()) + "\n");
    return EXIT_OK;
}

int rebuild(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("KIND:ADDRESS"),
        QStringLiteral("The member rows, in order (0 e-mail, 1 wireless)."),
        QStringLiteral("KIND:ADDRESS..."));
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli group-block rebuild KIND:ADDRESS ...\n"
                       "Builds the block from the member rows and prints the stored block."),
        0, -1);
    if (status >= 0)
        return status;
    std::vector<GroupMember> members;
    if (!parseMembers(parser.positionalArguments(), &members))
        return EXIT_USAGE;
    GroupBlock block;
    const GroupBlock::Result result = block.rebuild(members);
    if (!result.ok) {
        printError(result.message.empty() ? std::string("refused") : result.message);
        return EXIT_REFUSED;
    }
    printOut(recordjson::bytesToHex(block.stored()) + "\n");
    return EXIT_OK;
}

} // namespace

int runGroupBlock(const QStringList& args)
{
    return dispatch(args, "group-block", {{"build", build}, {"rebuild", rebuild}});
}

} // namespace cli
