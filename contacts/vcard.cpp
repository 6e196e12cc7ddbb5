#include "contacts/vcard.h"

#include "contacts/groupblock.h"
#include "platform/bytes.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace vcard {

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toUpper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = upper(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

bool startsWithNoCase(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

std::string_view trimmed(std::string_view s)
{
    const size_t start = s.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    return s.substr(start, s.find_last_not_of(" \t") - start + 1);
}

bool isNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

// One property line taken apart. Names and parameter names are upper case; the value is
// still raw (transfer encoding, escapes and charset undone later).
struct Property
{
    std::string name;
    std::vector<std::string> types; // TYPE values and 2.1's bare parameters, lower case
    std::string encoding;           // ENCODING, upper case
    std::string charset;            // CHARSET
    std::string valueType;          // VALUE, upper case
    int pref = 101;                 // PREF=n, TYPE=pref or bare PREF give a rank; 101 = none
    std::string_view value;
};

// [group "."] name *(";" param) ":" value. False when the line is not a property.
bool parseProperty(std::string_view line, Property& p)
{
    size_t i = 0;
    auto token = [&] {
        const size_t start = i;
        while (i < line.size() && isNameChar(line[i]))
            ++i;
        return line.substr(start, i - start);
    };
    std::string_view name = token();
    if (i < line.size() && line[i] == '.') { // a group prefix: item1.EMAIL
        ++i;
        name = token();
    }
    if (name.empty())
        return false;
    p.name = toUpper(name);
    while (i < line.size() && line[i] == ';') {
        ++i;
        while (i < line.size() && line[i] == ' ')
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != '=' && line[i] != ';' && line[i] != ':')
            ++i;
        const std::string paramName = toUpper(line.substr(start, i - start));
        std::vector<std::string> values;
        if (i < line.size() && line[i] == '=') {
            ++i;
            for (;;) {
                std::string_view value;
                if (i < line.size() && line[i] == '"') {
                    const size_t close = line.find('"', i + 1);
                    if (close == std::string_view::npos)
                        return false;
                    value = line.substr(i + 1, close - i - 1);
                    i = close + 1;
                } else {
                    const size_t vstart = i;
                    while (i < line.size() && line[i] != ',' && line[i] != ';' && line[i] != ':')
                        ++i;
                    value = line.substr(vstart, i - vstart);
                }
                // A quoted value may itself be a list: TYPE="work,voice".
                while (!value.empty()) {
                    const size_t comma = value.find(',');
                    values.emplace_back(value.substr(0, comma));
                    value.remove_prefix(comma == std::string_view::npos ? value.size() : comma + 1);
                }
                if (i < line.size() && line[i] == ',') {
                    ++i;
                    continue;
                }
                break;
            }
        } else {
            // 2.1 writes bare parameters: ;WORK;VOICE;QUOTED-PRINTABLE;PREF
            if (paramName == "QUOTED-PRINTABLE" || paramName == "BASE64" || paramName == "8BIT" ||
                paramName == "7BIT") {
                p.encoding = paramName;
                continue;
            }
            values.push_back(paramName);
            for (std::string& value : values)
                p.types.push_back(value);
            continue;
        }
        if (paramName == "TYPE") {
            for (const std::string& value : values)
                p.types.push_back(value);
        } else if (paramName == "ENCODING" && !values.empty()) {
            p.encoding = toUpper(values.front());
        } else if (paramName == "CHARSET" && !values.empty()) {
            p.charset = values.front();
        } else if (paramName == "VALUE" && !values.empty()) {
            p.valueType = toUpper(values.front());
        } else if (paramName == "PREF" && !values.empty()) {
            bool ok = false;
            const int rank = QByteArray::fromStdString(values.front()).toInt(&ok);
            if (ok)
                p.pref = std::clamp(rank, 1, 100);
        }
    }
    if (i >= line.size() || line[i] != ':')
        return false;
    for (std::string& type : p.types) {
        for (char& c : type)
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (type == "pref")
            p.pref = std::min(p.pref, 1);
    }
    p.value = line.substr(i + 1);
    return true;
}

// The value's bytes with its transfer encoding undone; nullopt for base64 that is damaged.
std::optional<std::string> transferDecode(const Property& p)
{
    if (p.encoding == "QUOTED-PRINTABLE") {
        std::string out;
        out.reserve(p.value.size());
        const std::string_view v = p.value;
        for (size_t i = 0; i < v.size(); ++i) {
            if (v[i] == '=' && i + 2 < v.size() && platform::hexDigitValue(v[i + 1]) >= 0 &&
                platform::hexDigitValue(v[i + 2]) >= 0) {
                out.push_back(static_cast<char>(platform::hexDigitValue(v[i + 1]) * 16 +
                                                platform::hexDigitValue(v[i + 2])));
                i += 2;
            } else if (v[i] == '=' && i + 1 == v.size()) {
                // a soft break at the very end
            } else {
                out.push_back(v[i]);
            }
        }
        return out;
    }
    if (p.encoding == "B" || p.encoding == "BASE64") {
        const auto result = QByteArray::fromBase64Encoding(
            QByteArray(p.value.data(), static_cast<qsizetype>(p.value.size())),
            QByteArray::AbortOnBase64DecodingErrors);
        if (!result)
            return std::nullopt;
        return result.decoded.toStdString();
    }
    return std::string(p.value);
}

// Splits a structured value at its unescaped semicolons (escapes stay for unescape()).
std::vector<std::string_view> components(std::string_view value)
{
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            ++i;
        } else if (value[i] == ';') {
            out.push_back(value.substr(start, i - start));
            start = i + 1;
        }
    }
    out.push_back(value.substr(start));
    return out;
}

std::string unescape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out.push_back(value[i]);
            continue;
        }
        const char next = value[++i];
        if (next == 'n' || next == 'N')
            out.push_back(kLf);
        else if (next == '\\' || next == ',' || next == ';' || next == ':')
            out.push_back(next);
        else {
            out.push_back('\\');
            out.push_back(next);
        }
    }
    return out;
}

// Bytes in the property's charset to text. Without a charset, UTF-8; bytes that are not
// UTF-8 are taken as the single-byte text older writers left unmarked.
QString decodeCharset(const std::string& bytes, const std::string& charset)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (!charset.empty() && !equalsNoCase(charset, "UTF-8") && !equalsNoCase(charset, "UTF8")) {
        QStringDecoder decoder(charset.c_str());
        if (decoder.isValid()) {
            QString text = decoder.decode(view);
            if (!decoder.hasError())
                return text;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows("windows-1252");
    if (windows.isValid())
        return windows.decode(view);
    return QString::fromLatin1(view);
}

// Text as the record stores it: one byte a character, '?' for the others; line breaks as
// CR LF in multi-line fields and as a blank elsewhere.
std::string toRecordBytes(const QString& text, bool multiLine, FitReport& report)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += multiLine ? "\r\n" : " ";
            continue;
        }
        if (c.unicode() <= 0xFF) {
            out.push_back(static_cast<char>(c.unicode()));
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.push_back('?');
        ++report.replaced;
    }
    return out;
}

enum FieldIndex : int
{
    F_FIRST,
    F_LAST,
    F_WIRELESS,
    F_EMAIL1,
    F_EMAIL2,
    F_EMAIL3,
    F_WORK,
    F_MOBILE,
    F_HOME,
    F_FAX,
    F_COMPANY,
    F_ADDRESS,
    F_NOTE,
};

// Stores text into a field, cut to its limit as the text import cuts.
void setField(ContactRecord& record, int field, std::string bytes, FitReport& report)
{
    const ContactField& f = kContactFields[static_cast<size_t>(field)];
    const auto max = static_cast<size_t>(f.nMax);
    if (bytes.size() > max) {
        bytes.resize(max);
        if (!bytes.empty() && bytes.back() == kCr) // never half a line break
            bytes.pop_back();
        report.cut.emplace_back(f.fieldName);
    }
    record.*f.member = std::move(bytes);
}

} // namespace

QString FitReport::describe() const
{
    QStringList parts;
    auto count = [&](int n, const char* one, const char* many) {
        if (n > 0)
            parts << QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    count(emails, "e-mail address", "e-mail addresses");
    count(numbers, "telephone number", "telephone numbers");
    count(others, "other value", "other values");
    count(members, "member", "members");
    count(replaced, "character replaced by '?'", "characters replaced by '?'");
    for (const std::string& field : cut) {
        for (const ContactField& f : kContactFields) {
            if (field == f.fieldName)
                parts << QStringLiteral("%1 cut").arg(QLatin1String(f.headerName));
        }
        if (field == "strName")
            parts << QStringLiteral("group name cut");
    }
    return parts.join(QStringLiteral(", "));
}

// The card being read: what its properties gave so far.
struct Reader::Builder
{
    struct Ranked
    {
        int pref;
        std::string value; // record bytes
        std::vector<std::string> types;
        bool cut = false;
    };

    bool broken = false;
    bool isGroup = false;
    bool hasN = false;
    std::string family, given, fn, uid;
    bool cutFamily = false, cutGiven = false, cutFn = false;
    std::vector<Ranked> emails, tels;
    std::optional<Ranked> org, adr, note;
    std::vector<std::string> members;
    FitReport report;

    // The value as record text; nullopt when it cannot be decoded (the card is broken).
    std::optional<std::string> text(const Property& p, bool multiLine, bool structured,
                                    std::vector<std::string>* parts)
    {
        const std::optional<std::string> raw = transferDecode(p);
        if (!raw)
            return std::nullopt;
        auto convert = [&](std::string_view escaped) {
            return toRecordBytes(decodeCharset(unescape(escaped), p.charset), multiLine, report);
        };
        if (!structured)
            return convert(*raw);
        for (const std::string_view part : components(*raw))
            parts->push_back(convert(part));
        return std::string();
    }

    void take(const Property& p, bool lineCut, Version version)
    {
        const std::string& n = p.name;
        std::vector<std::string> parts;
        if (n == "N") {
            if (hasN) {
                ++report.others;
                return;
            }
            if (!text(p, false, true, &parts)) {
                broken = true;
                return;
            }
            hasN = true;
            family = parts.size() > 0 ? parts[0] : std::string();
            given = parts.size() > 1 ? parts[1] : std::string();
            cutFamily = lineCut && parts.size() <= 1;
            cutGiven = lineCut && parts.size() == 2;
        } else if (n == "FN") {
            if (!fn.empty())
                return;
            const auto value = text(p, false, false, nullptr);
            if (!value) {
                broken = true;
                return;
            }
            fn = *value;
            cutFn = lineCut;
        } else if (n == "EMAIL" || n == "TEL") {
            auto value = text(p, false, false, nullptr);
            if (!value) {
                broken = true;
                return;
            }
            std::string v = std::move(*value);
            // A 4.0 TEL is a URI unless it says it is text; an older one only when it says so.
            const bool uri =
                p.valueType == "URI" || (version == Version::V40 && p.valueType.empty());
            if (n == "TEL" && uri && startsWithNoCase(v, "tel:"))
                v.erase(0, 4);
            if (v.empty())
                return;
            (n == "EMAIL" ? emails : tels).push_back({p.pref, std::move(v), p.types, lineCut});
        } else if (n == "ORG" || n == "ADR" || n == "NOTE") {
            const bool isNote = n == "NOTE";
            const auto value = text(p, isNote || n == "ADR", !isNote, &parts);
            if (!value) {
                broken = true;
                return;
            }
            std::string v;
            if (isNote) {
                v = *value;
            } else if (n == "ORG") {
                v = parts.front();
            } else {
                for (const std::string& part : parts) {
                    if (part.empty())
                        continue;
                    if (!v.empty())
                        v += ", ";
                    v += part;
                }
            }
            if (v.empty())
                return;
            std::optional<Ranked>& slot = isNote ? note : (n == "ORG" ? org : adr);
            Ranked ranked{p.pref, std::move(v), {}, lineCut};
            if (!slot) {
                slot = std::move(ranked);
            } else {
                ++report.others;
                if (ranked.pref < slot->pref) // the preferred one is kept
                    slot = std::move(ranked);
            }
        } else if (n == "KIND") {
            isGroup = equalsNoCase(trimmed(p.value), "group");
        } else if (n == "MEMBER") {
            if (!p.value.empty())
                members.emplace_back(p.value);
        } else if (n == "UID") {
            uid = std::string(p.value);
        }
    }

    void finish(Card& card)
    {
        card = Card();
        card.isGroup = isGroup;
        card.uid = uid;
        if (isGroup) {
            std::string name = fn;
            if (cutFn || name.size() > size_t(MAX_GROUP_NAME)) {
                name.resize(std::min(name.size(), size_t(MAX_GROUP_NAME)));
                report.cut.emplace_back("strName");
            }
            card.groupName = std::move(name);
            card.members = std::move(members);
            card.report = std::move(report);
            return;
        }
        ContactRecord& r = card.contact;
        auto set = [&](int field, std::string value, bool lineCut) {
            const char* name = kContactFields[size_t(field)].fieldName;
            setField(r, field, std::move(value), report);
            if (lineCut && (report.cut.empty() || report.cut.back() != name))
                report.cut.emplace_back(name);
        };
        if (hasN && (!family.empty() || !given.empty())) {
            set(F_LAST, family, cutFamily);
            set(F_FIRST, given, cutGiven);
        } else {
            set(F_FIRST, fn, cutFn);
        }

        auto byPreference = [](std::vector<Ranked>& list) {
            std::stable_sort(list.begin(), list.end(),
                             [](const Ranked& a, const Ranked& b) { return a.pref < b.pref; });
        };
        byPreference(emails);
        for (size_t i = 0; i < emails.size(); ++i) {
            if (i < 3)
                set(F_EMAIL1 + static_cast<int>(i), std::move(emails[i].value), emails[i].cut);
            else
                ++report.emails;
        }

        byPreference(tels);
        static constexpr std::array<std::pair<const char*, int>, 5> kTelTypes = {{
            {"pager", F_WIRELESS},
            {"fax", F_FAX},
            {"cell", F_MOBILE},
            {"work", F_WORK},
            {"home", F_HOME},
        }};
        // Numbers of a known type take their own fields first; the others, and those whose
        // field was taken, then fill the first empty of Work, Mobile, Home.
        std::vector<Ranked*> leftover;
        for (Ranked& tel : tels) {
            int field = -1;
            for (const auto& [type, target] : kTelTypes) {
                if (std::find(tel.types.begin(), tel.types.end(), type) != tel.types.end()) {
                    field = target;
                    break;
                }
            }
            if (field >= 0 && (r.*kContactFields[size_t(field)].member).empty())
                set(field, std::move(tel.value), tel.cut);
            else
                leftover.push_back(&tel);
        }
        for (Ranked* tel : leftover) {
            int field = -1;
            for (const int fallback : {F_WORK, F_MOBILE, F_HOME}) {
                if ((r.*kContactFields[size_t(fallback)].member).empty()) {
                    field = fallback;
                    break;
                }
            }
            if (field < 0)
                ++report.numbers;
            else
                set(field, std::move(tel->value), tel->cut);
        }
        if (org)
            set(F_COMPANY, std::move(org->value), org->cut);
        if (adr)
            set(F_ADDRESS, std::move(adr->value), adr->cut);
        if (note)
            set(F_NOTE, std::move(note->value), note->cut);
        card.report = std::move(report);
    }

    bool isEmpty(const Card& card) const
    {
        if (card.isGroup)
            return false;
        return std::all_of(kContactFields.begin(), kContactFields.end(),
                           [&](const ContactField& f) { return (card.contact.*f.member).empty(); });
    }
};

Reader::Reader(QIODevice& device, qsizetype chunkSize) : ChunkedInput(device, chunkSize) {}

// The next line without its line end (CR LF, LF or CR), at most kMaxLine bytes of it (a
// longer line ends with one byte more than kMaxLine, so that the cut shows); false at the end.
bool Reader::physicalLine(std::string& line)
{
    line.clear();
    bool any = false;
    for (;;) {
        if (m_pos >= m_buffer.size()) {
            if (m_eof || !m_error.isEmpty() || !fill() || m_eof)
                return any;
        }
        // The LF of a CR LF whose CR ended the last line, perhaps in the chunk before.
        if (m_afterCr) {
            m_afterCr = false;
            if (m_buffer.at(m_pos) == kLf) {
                ++m_pos;
                continue;
            }
        }
        any = true;
        const char* data = m_buffer.constData() + m_pos;
        const char* const stop = m_buffer.constData() + m_buffer.size();
        const char* const end =
            std::find_if(data, stop, [](char c) { return c == kLf || c == kCr; });
        const auto take = static_cast<size_t>(end - data);
        if (line.size() <= kMaxLine)
            line.append(data, std::min(take, kMaxLine + 1 - line.size()));
        m_pos += static_cast<qsizetype>(take);
        if (end != stop) {
            m_afterCr = *end == kCr;
            ++m_pos;
            return true;
        }
    }
}

// The next property line with its folds and 2.1's quoted-printable soft breaks undone.
bool Reader::logicalLine(std::string& line)
{
    if (m_hasReplay) {
        line = std::move(m_replay);
        m_hasReplay = false;
        return true;
    }
    if (m_hasPending) {
        line = std::move(m_pending);
        m_hasPending = false;
    } else if (!physicalLine(line)) {
        return false;
    }
    std::string next;
    for (;;) {
        const bool softBreak = !line.empty() && line.back() == '=' && [&] {
            const std::string_view head = std::string_view(line).substr(0, line.find(':'));
            return toUpper(head).find("QUOTED-PRINTABLE") != std::string::npos;
        }();
        if (!physicalLine(next))
            return true;
        if (softBreak) {
            line.pop_back();
        } else if (!next.empty() && (next[0] == ' ' || next[0] == '\t')) {
            // 2.1 folds before white space that belongs to the text; 3.0 and 4.0 insert it.
            if (m_version != Version::V21)
                next.erase(0, 1);
        } else {
            m_pending = std::move(next);
            m_hasPending = true;
            return true;
        }
        if (line.size() <= kMaxLine)
            line.append(next, 0, std::min(next.size(), kMaxLine + 1 - line.size()));
    }
}

bool Reader::next(Card& card)
{
    // The card being read; and, while it is read, the card that its 2.1 AGENT holds.
    std::optional<Builder> builder;
    std::optional<Builder> agent;
    // The agent's card, ended. Whose it is shows on the next line: a property or the END of
    // the card that holds it make it that card's agent, passed over; a BEGIN or the end of
    // the file show that the card before had no END, and that this card is the next one of
    // the file.
    std::optional<Card> held;
    bool heldUsable = false;
    Version heldBy = Version::V30; // the version of the card that holds it, for unfolding
    bool lastWasAgent = false;     // the innermost open card's last property was AGENT:
    int nested = 0;                // cards deeper inside the agent's card, passed over

    auto start = [&] {
        builder.emplace();
        agent.reset();
        held.reset();
        nested = 0;
        lastWasAgent = false;
        m_version = Version::V30;
        ++m_cards;
    };
    // The card before had no END: it ended where the held card began.
    auto heldIsNext = [&] {
        ++m_skipped;
        ++m_cards;
        builder.reset();
        const bool usable = heldUsable;
        if (usable)
            card = std::move(*held);
        else
            ++m_skipped;
        held.reset();
        return usable;
    };

    std::string line;
    while (logicalLine(line)) {
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (m_firstLine && line.starts_with("\xEF\xBB\xBF")) // a byte order mark
            line.erase(0, 3);
        m_firstLine = false;
        Property p;
        const bool ok = parseProperty(line, p);
        const std::string_view word = trimmed(p.value);
        const bool begin = ok && p.name == "BEGIN" && equalsNoCase(word, "VCARD");
        const bool end = ok && p.name == "END" && equalsNoCase(word, "VCARD");
        if (!builder) {
            if (begin)
                start();
            continue; // anything between cards is ignored
        }
        if (held) {
            if (begin) {
                m_replay = std::move(line); // it begins the card after the held one
                m_hasReplay = true;
                if (heldIsNext())
                    return true;
                continue;
            }
            held.reset();
        }
        if (begin && !lastWasAgent) {
            // The open card has no END: it is lost, this one starts. So is the card that its
            // AGENT seemed to hold, which was the next card of the file, without an END too.
            ++m_skipped;
            if (agent) {
                ++m_cards;
                ++m_skipped;
            }
            start();
            continue;
        }
        if (nested > 0 || (begin && agent)) {
            nested += begin ? 1 : (end ? -1 : 0);
            lastWasAgent = ok && p.name == "AGENT" && p.value.empty();
            continue;
        }
        if (begin) {
            agent.emplace();
            heldBy = m_version;
            m_version = Version::V30;
            lastWasAgent = false;
            continue;
        }
        if (end) {
            if (agent) {
                held.emplace();
                agent->finish(*held);
                heldUsable = !agent->broken && !agent->isEmpty(*held);
                agent.reset();
                m_version = heldBy;
                lastWasAgent = false;
                continue;
            }
            builder->finish(card);
            const bool usable = !builder->broken && !builder->isEmpty(card);
            builder.reset();
            if (usable)
                return true;
            ++m_skipped;
            continue;
        }
        Builder& open = agent ? *agent : *builder;
        if (!ok) {
            open.broken = true;
            lastWasAgent = false;
            continue;
        }
        lastWasAgent = p.name == "AGENT" && p.value.empty();
        if (p.name == "VERSION") {
            if (word == "2.1")
                m_version = Version::V21;
            else if (word == "3.0")
                m_version = Version::V30;
            else if (word == "4.0")
                m_version = Version::V40;
            else
                open.broken = true;
            continue;
        }
        open.take(p, line.size() > kMaxLine, m_version);
    }
    if (held)
        return heldIsNext();
    if (builder) {
        ++m_skipped; // the file ends inside a card
        if (agent) {
            ++m_cards;
            ++m_skipped;
        }
    }
    return false;
}

namespace {

// %XX is the byte XX; a % that two hexadecimal digits do not follow is kept as written.
std::string percentDecoded(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const int high =
            i + 2 < value.size() && value[i] == '%' ? platform::hexDigitValue(value[i + 1]) : -1;
        const int low = high >= 0 ? platform::hexDigitValue(value[i + 2]) : -1;
        if (low < 0) {
            out.push_back(value[i]);
            continue;
        }
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return out;
}

// A MEMBER URI as a group member: mailto: is an e-mail address, tel: a wireless address;
// any other names a card by its UID, whose wireless address (or else first e-mail address)
// is taken.
std::optional<GroupMember> memberOf(const std::string& uri,
                                    const std::map<std::string, const ContactRecord*>& byUid,
                                    FitReport& report)
{
    auto decoded = [&](size_t prefix) {
        const std::string bytes = percentDecoded(std::string_view(uri).substr(prefix));
        return toRecordBytes(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())),
                             false, report);
    };
    if (startsWithNoCase(uri, "mailto:"))
        return GroupMember{MEMBER_EMAIL, decoded(7)};
    if (startsWithNoCase(uri, "tel:"))
        return GroupMember{MEMBER_WIRELESS, decoded(4)};
    auto it = byUid.find(uri);
    if (it == byUid.end() && startsWithNoCase(uri, "urn:uuid:"))
        it = byUid.find(uri.substr(9));
    if (it == byUid.end())
        return std::nullopt;
    if (!it->second->strWireless.empty())
        return GroupMember{MEMBER_WIRELESS, it->second->strWireless};
    if (!it->second->strEmail1.empty())
        return GroupMember{MEMBER_EMAIL, it->second->strEmail1};
    return std::nullopt;
}

} // namespace

Book readBook(QIODevice& device, qsizetype chunkSize)
{
    Book book;
    Reader reader(device, chunkSize);
    Card card;
    std::vector<Card> groupCards;
    std::map<std::string, size_t> uidIndex;
    while (reader.next(card)) {
        if (card.isGroup) {
            groupCards.push_back(std::move(card));
            continue;
        }
        if (!card.uid.empty()) {
            uidIndex.emplace(card.uid, book.contacts.size());
            if (startsWithNoCase(card.uid, "urn:uuid:"))
                uidIndex.emplace(card.uid.substr(9), book.contacts.size());
        }
        card.contact.nGroup = -1;
        book.contacts.push_back(std::move(card.contact));
        book.contactReports.push_back(std::move(card.report));
    }
    std::map<std::string, const ContactRecord*> byUid;
    for (const auto& [uid, index] : uidIndex)
        byUid.emplace(uid, &book.contacts[index]);

    for (Card& groupCard : groupCards) {
        GroupRecord& group = book.groups.emplace_back();
        FitReport& report = groupCard.report;
        group.strName = std::move(groupCard.groupName);
        GroupBlock block;
        int count = 0;
        for (const std::string& uri : groupCard.members) {
            const std::optional<GroupMember> member = memberOf(uri, byUid, report);
            if (!member || count >= MAX_GROUP_MEMBERS ||
                !block.append(member->nKind, member->strEntry).ok) {
                ++report.members;
                continue;
            }
            group.aMembers[size_t(count++)] = *member;
        }
        group.nMemberCount = count;
        block.store(group);
        book.groupReports.push_back(std::move(report));
    }
    book.skipped = reader.skipped();
    book.cards = reader.cards();
    book.error = reader.error();
    return book;
}

} // namespace vcard
