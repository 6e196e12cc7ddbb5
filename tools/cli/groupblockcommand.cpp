// quillbox-cli group-block: the group address block as the Group dialog builds it.

#include "contacts/core/groupblock.h"
#include "tools/cli/command.h"
#include "tools/common/recordjson.h"

namespace cli {
namespace {

// "KIND:ADDRESS": the address is everything after the first colon. Empty, or why not.
QString parseMember(const QString& text, GroupMember* member)
{
    const auto colon = text.indexOf(QLatin1Char(':'));
    bool ok = false;
    if (colon > 0)
        member->nKind = text.left(colon).toInt(&ok);
    if (!ok) {
        return QStringLiteral("'%1' is not KIND:ADDRESS (KIND a whole number, 0 e-mail, 1 "
                              "wireless)")
            .arg(text);
    }
    // The block holds Latin-1 bytes: anything else would be stored as '?' without a word.
    const QString address = text.mid(colon + 1);
    for (const QChar c : address) {
        if (c == QChar::ReplacementCharacter) {
            return QStringLiteral("'%1': the address holds bytes that are not valid text in "
                                  "this system's encoding")
                .arg(text);
        }
        if (c.unicode() > 0xFF) {
            return QStringLiteral("'%1': the address holds '%2' (U+%3), which a group block "
                                  "cannot store: only Latin-1 characters can be stored")
                .arg(
                    text, QString(c),
                    QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
        }
    }
    const QByteArray bytes = address.toLatin1();
    member->strEntry.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return {};
}

bool parseMembers(const QStringList& texts, std::vector<GroupMember>* members)
{
    for (const QString& text : texts) {
        GroupMember member;
        const QString why = parseMember(text, &member);
        if (!why.isEmpty()) {
            printError(why);
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
