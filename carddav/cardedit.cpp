#include "carddav/cardedit.h"

#include <QBuffer>

#include <algorithm>
#include <bitset>
#include <vector>

namespace carddav {

namespace {

using FieldSet = std::bitset<CONTACT_FIELD_COUNT>;

// One property of a card as its bytes stand: the logical line with its folds and line ends.
struct Entry
{
    QByteArray raw;
    QByteArray name; // upper case, without a group prefix
};

QByteArray propertyName(const QByteArray& line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != ';' && line[end] != ':')
        ++end;
    QByteArray name = line.left(end).toUpper();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.mid(dot + 1);
    return name;
}

// The card's logical lines, each with its raw bytes: a line that starts with a blank or TAB
// continues the one before, and so does every line after a quoted-printable line ending in '='.
std::vector<Entry> splitCard(const QByteArray& card)
{
    std::vector<Entry> entries;
    qsizetype at = 0;
    bool softBreak = false;
    while (at < card.size()) {
        qsizetype end = at;
        while (end < card.size() && card[end] != '\r' && card[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < card.size() && card[next] == '\r')
            ++next;
        if (next < card.size() && card[next] == '\n')
            ++next;
        const QByteArray raw = card.mid(at, next - at);
        const QByteArray text = card.mid(at, end - at);
        const bool continues =
            !entries.empty() && (softBreak || text.startsWith(' ') || text.startsWith('\t'));
        if (continues)
            entries.back().raw += raw;
        else
            entries.push_back({raw, propertyName(text)});
        const Entry& last = entries.back();
        softBreak = text.endsWith('=') && last.raw.toUpper().contains("QUOTED-PRINTABLE");
        at = next;
    }
    return entries;
}

QByteArray joinCard(const std::vector<Entry>& entries, const std::vector<bool>& dropped)
{
    QByteArray out;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!dropped[i])
            out += entries[i].raw;
    }
    return out;
}

FieldSet differing(const ContactRecord& a, const ContactRecord& b)
{
    FieldSet set;
    for (size_t i = 0; i < kContactFields.size(); ++i)
        set[i] = a.*kContactFields[i].member != b.*kContactFields[i].member;
    return set;
}

bool structural(const QByteArray& name)
{
    return name == "BEGIN" || name == "END" || name == "VERSION" || name == "UID" ||
           name == "KIND" || name == "PRODID" || name == "REV";
}

// The content lines the writer gives for the fields of only, in version: the name lines
// only when a name field is among them.
QByteArray freshLines(const ContactRecord& contact, FieldSet only, vcard::Version version)
{
    ContactRecord part;
    for (size_t i = 0; i < kContactFields.size(); ++i) {
        if (only[i])
            part.*kContactFields[i].member = contact.*kContactFields[i].member;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    vcard::Writer writer(buffer,
                         version == vcard::Version::V40 ? vcard::Version::V40 : vcard::Version::V30);
    writer.contact(part);
    writer.finish();
    const bool names = only[0] || only[1];
    QByteArray out;
    for (const Entry& e : splitCard(buffer.data())) {
        if (structural(e.name) || (!names && (e.name == "FN" || e.name == "N")))
            continue;
        out += e.raw;
    }
    return out;
}

// The fresh lines with the card's own line ends: a card that came through XML has LF only.
QByteArray inCardLineEnds(const QByteArray& card, QByteArray lines)
{
    const qsizetype end = card.indexOf('\n');
    if (end > 0 && card[end - 1] != '\r')
        lines.replace("\r\n", "\n");
    return lines;
}

QByteArray withInserted(QByteArray card, const QByteArray& lines)
{
    // Before the last END:VCARD; a card damaged there gets them at its end.
    const QByteArray upper = card.toUpper();
    qsizetype at = upper.lastIndexOf("END:VCARD");
    if (at < 0)
        at = card.size();
    card.insert(at, lines);
    return card;
}

} // namespace

bool sameFields(const ContactRecord& a, const ContactRecord& b)
{
    return differing(a, b).none();
}

ServerCard readServerCard(const QByteArray& card)
{
    ServerCard out;
    for (const Entry& e : splitCard(card)) {
        if (e.name != "VERSION")
            continue;
        const QByteArray value = e.raw.mid(e.raw.indexOf(':') + 1).trimmed();
        out.version = value == "4.0"   ? vcard::Version::V40
                      : value == "2.1" ? vcard::Version::V21
                                       : vcard::Version::V30;
        break;
    }
    QByteArray bytes = card;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    vcard::Reader reader(buffer);
    vcard::Card read;
    if (!reader.next(read))
        return out;
    out.readable = true;
    out.isGroup = read.isGroup;
    out.contact = read.contact;
    out.uid = read.uid;
    out.report = read.report;
    // A second card in one resource is not a card the address book can follow.
    vcard::Card more;
    if (reader.next(more))
        out.readable = false;
    return out;
}

QByteArray newCard(const ContactRecord& contact, const std::string& uid, vcard::Version version)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    vcard::Writer writer(buffer,
                         version == vcard::Version::V40 ? vcard::Version::V40 : vcard::Version::V30);
    writer.contact(contact);
    writer.finish();
    QByteArray card = buffer.data();
    // The UID goes after VERSION, escaped as text.
    const qsizetype at = card.indexOf("\r\n", card.indexOf("VERSION:")) + 2;
    card.insert(at, "UID:" + QByteArray::fromStdString(vcard::escapeText(uid)) + "\r\n");
    return card;
}

QByteArray editCard(const QByteArray& stored, const ContactRecord& contact)
{
    const ServerCard current = readServerCard(stored);
    const FieldSet changed = differing(current.contact, contact);
    if (changed.none())
        return stored;
    const std::vector<Entry> entries = splitCard(stored);

    // The field each property holds: of the fields that change when the card is read
    // without it, the first (the others are numbers or e-mails that move up into its
    // place); an N holds both names.
    std::vector<FieldSet> feeds(entries.size());
    std::vector<FieldSet> holds(entries.size());
    std::vector<bool> dropped(entries.size(), false);
    FieldSet names;
    names[0] = names[1] = true;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (structural(entries[i].name))
            continue;
        dropped[i] = true;
        feeds[i] = differing(readServerCard(joinCard(entries, dropped)).contact, current.contact);
        dropped[i] = false;
        if ((feeds[i] & ~names).none()) {
            holds[i] = feeds[i];
            continue;
        }
        for (size_t f = 0; f < kContactFields.size(); ++f) {
            if (feeds[i][f]) {
                holds[i][f] = true;
                break;
            }
        }
    }
    // Rewritten: the changed fields, both names when either changed (with FN and N).
    FieldSet rewritten = changed;
    if ((changed & names).any())
        rewritten |= names;
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool nameLine = entries[i].name == "FN" || entries[i].name == "N";
        dropped[i] = (holds[i] & rewritten).any() || (nameLine && (rewritten & names).any());
    }
    // Each property rewritten in its place; a field no property held goes before END.
    QByteArray edited;
    FieldSet placed;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!dropped[i]) {
            edited += entries[i].raw;
            continue;
        }
        const bool nameLine = entries[i].name == "FN" || entries[i].name == "N";
        const FieldSet here = ((nameLine ? names : holds[i]) & rewritten) & ~placed;
        if (here.any())
            edited += inCardLineEnds(stored, freshLines(contact, here, current.version));
        placed |= here;
    }
    if ((rewritten & ~placed).any()) {
        edited = withInserted(edited, inCardLineEnds(stored, freshLines(contact, rewritten & ~placed,
                                                                        current.version)));
    }
    if (sameFields(readServerCard(edited).contact, contact))
        return edited;
    // The card's other numbers or e-mails took the places differently: every mapped property
    // is written afresh, and those of the same kinds that fed no field (a fourth e-mail)
    // follow them, byte for byte, so that they stay where the address book has no room.
    static const QByteArray kMapped[] = {"FN", "N", "EMAIL", "TEL", "ORG", "ADR", "NOTE"};
    QByteArray extras;
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool mapped = std::find(std::begin(kMapped), std::end(kMapped),
                                      entries[i].name) != std::end(kMapped);
        dropped[i] = mapped || feeds[i].any();
        if (mapped && feeds[i].none() && entries[i].name != "FN" && entries[i].name != "N")
            extras += entries[i].raw;
    }
    FieldSet all;
    all.set();
    return withInserted(joinCard(entries, dropped),
                        inCardLineEnds(stored, freshLines(contact, all, current.version)) + extras);
}

} // namespace carddav
