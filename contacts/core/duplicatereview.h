#pragma once
// What a vCard import would do to the address book: which incoming contacts match one
// already there (same first and last name, or a shared e-mail or wireless address), what
// the user chose for each match, and how many contacts the address memory has room for.

#include "contacts/core/contactrecord.h"

#include <span>
#include <vector>

namespace duplicates {

enum class Action
{
    Skip,    // the contact in the book stays as it is
    Replace, // its thirteen fields take the incoming card's
    Add,     // the card is added as a new contact
};

struct Row
{
    size_t incoming = 0;        // index into the incoming contacts
    size_t existing = 0;        // index into the book's contacts: the first that matches
    std::vector<int> differing; // field numbers (into kContactFields) whose texts differ
    Action action = Action::Skip;
};

struct Plan
{
    std::vector<Row> rows;         // the matches, in the incoming order
    std::vector<size_t> unmatched; // incoming contacts that match nothing: they are added
    int room = 0;                  // contacts the address memory still takes

    // Contacts that would be added: the unmatched ones and the rows set to Add.
    int toAdd() const;
    // Of those, how many the address memory has no room for (the last ones).
    int wontFit() const;
    // The incoming contacts to add, in the incoming order, as far as there is room.
    std::vector<size_t> additions() const;
    void setAll(Action action);
};

// Whether two contacts are the same person by the import's rule. Names match when both
// are equal and not both empty; e-mail addresses compare without regard to ASCII case.
bool matches(const ContactRecord& a, const ContactRecord& b);

// Compares every incoming contact with the book. Matches start as Skip.
Plan plan(std::span<const ContactRecord* const> book, std::span<const ContactRecord> incoming,
          int room);

} // namespace duplicates
