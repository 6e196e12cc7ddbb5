#pragma once
// The vCard reader's field mapping: the properties of a card onto the thirteen fields of a
// contact (names, e-mail addresses and numbers by preference and type, company, address,
// note) or onto a group card, and a group card's MEMBER values onto group members. What does
// not fit is counted in the card's report. Internal to the reader; docs/vcard.md describes
// the mapping.

#include "contacts/core/vcard.h"
#include "contacts/core/vcardlexer.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vcard::detail {

// The card being read: what its properties gave so far, and how they map onto the thirteen
// fields of a contact, or onto a group card.
struct CardBuilder
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

    // The value as record text (parts: a structured value's components); nullopt when it
    // cannot be decoded (the card is broken).
    std::optional<std::string> text(const Property& p, bool multiLine, bool structured,
                                    std::vector<std::string>* parts);

    // One property of the card (lineCut: its line was longer than the reader keeps).
    void take(const Property& p, bool lineCut, Version version);
    // The card as the properties make it, with what did not fit in its report.
    void finish(Card& card);
    // A contact card that fills no field.
    bool isEmpty(const Card& card) const;
};

// A MEMBER URI as a group member: mailto: is an e-mail address, tel: a wireless address;
// any other names a card by its UID, whose wireless address (or else first e-mail address)
// is taken.
std::optional<GroupMember> memberOf(const std::string& uri,
                                    const std::map<std::string, const ContactRecord*>& byUid,
                                    FitReport& report);

} // namespace vcard::detail
