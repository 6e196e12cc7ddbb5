#include "contacts/core/vcardfields.h"

#include "contacts/core/groupblock.h"
#include "contacts/core/vcardvalues.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace vcard {

QString FitReport::describe() const
{
    QStringList parts;
    if (emails > 0)
        parts << (emails == 1 ? tr("1 e-mail address")
                              : tr("%n e-mail addresses", nullptr, emails));
    if (numbers > 0)
        parts << (numbers == 1 ? tr("1 telephone number")
                               : tr("%n telephone numbers", nullptr, numbers));
    if (others > 0)
        parts << (others == 1 ? tr("1 other value") : tr("%n other values", nullptr, others));
    if (members > 0)
        parts << (members == 1 ? tr("1 member") : tr("%n members", nullptr, members));
    if (replaced > 0)
        parts << (replaced == 1 ? tr("1 character replaced by '?'")
                                : tr("%n characters replaced by '?'", nullptr, replaced));
    for (const std::string& field : cut) {
        for (const ContactField& f : kContactFields) {
            if (field == f.fieldName)
                //: A field whose value was shortened to what the pager keeps.
                parts << tr("%1 cut").arg(fieldLabel(f));
        }
        if (field == "strName")
            parts << tr("group name cut");
    }
    return parts.join(QStringLiteral(", "));
}

namespace detail {

namespace {

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

std::optional<std::string> CardBuilder::text(const Property& p, bool multiLine, bool structured,
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

void CardBuilder::take(const Property& p, bool lineCut, Version version)
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
        const bool uri = p.valueType == "URI" || (version == Version::V40 && p.valueType.empty());
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

void CardBuilder::finish(Card& card)
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

bool CardBuilder::isEmpty(const Card& card) const
{
    if (card.isGroup)
        return false;
    return std::all_of(kContactFields.begin(), kContactFields.end(),
                       [&](const ContactField& f) { return (card.contact.*f.member).empty(); });
}

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

} // namespace detail

} // namespace vcard
