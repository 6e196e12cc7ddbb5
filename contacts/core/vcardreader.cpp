#include "contacts/core/vcard.h"

#include "contacts/core/groupblock.h"
#include "contacts/core/vcardfields.h"
#include "contacts/core/vcardlexer.h"

#include <map>
#include <optional>

namespace vcard {

using detail::equalsNoCase;
using detail::memberOf;
using detail::parseProperty;
using detail::Property;
using detail::startsWithNoCase;
using detail::trimmed;

Reader::Reader(QIODevice& device, qsizetype chunkSize)
    : m_lines(std::make_unique<detail::LineReader>(device, chunkSize))
{
}

Reader::~Reader() = default;

QString Reader::error() const
{
    return m_lines->error();
}

bool Reader::next(Card& card)
{
    // The card being read; and, while it is read, the card that its 2.1 AGENT holds.
    std::optional<detail::CardBuilder> builder;
    std::optional<detail::CardBuilder> agent;
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
        m_lines->setVersion(Version::V30);
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
    while (m_lines->next(line)) {
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
                m_lines->replay(std::move(line)); // it begins the card after the held one
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
            heldBy = m_lines->version();
            m_lines->setVersion(Version::V30);
            lastWasAgent = false;
            continue;
        }
        if (end) {
            if (agent) {
                held.emplace();
                agent->finish(*held);
                heldUsable = !agent->broken && !agent->isEmpty(*held);
                agent.reset();
                m_lines->setVersion(heldBy);
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
        detail::CardBuilder& open = agent ? *agent : *builder;
        if (!ok) {
            open.broken = true;
            lastWasAgent = false;
            continue;
        }
        lastWasAgent = p.name == "AGENT" && p.value.empty();
        if (p.name == "VERSION") {
            if (word == "2.1")
                m_lines->setVersion(Version::V21);
            else if (word == "3.0")
                m_lines->setVersion(Version::V30);
            else if (word == "4.0")
                m_lines->setVersion(Version::V40);
            else
                open.broken = true;
            continue;
        }
        open.take(p, line.size() > kMaxLine, m_lines->version());
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
