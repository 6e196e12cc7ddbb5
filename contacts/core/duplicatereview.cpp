#include "contacts/core/duplicatereview.h"

#include <algorithm>

namespace duplicates {

namespace {

bool equalsNoCase(const std::string& a, const std::string& b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

bool matches(const ContactRecord& a, const ContactRecord& b)
{
    const bool named = !a.strFirstName.empty() || !a.strLastName.empty();
    if (named && a.strFirstName == b.strFirstName && a.strLastName == b.strLastName)
        return true;
    if (!a.strWireless.empty() && a.strWireless == b.strWireless)
        return true;
    for (const std::string* mine : {&a.strEmail1, &a.strEmail2, &a.strEmail3}) {
        if (mine->empty())
            continue;
        for (const std::string* theirs : {&b.strEmail1, &b.strEmail2, &b.strEmail3}) {
            if (equalsNoCase(*mine, *theirs))
                return true;
        }
    }
    return false;
}

Plan plan(std::span<const ContactRecord* const> book, std::span<const ContactRecord> incoming,
          int room)
{
    Plan result;
    result.room = std::max(room, 0);
    for (size_t i = 0; i < incoming.size(); ++i) {
        const auto found = std::find_if(book.begin(), book.end(), [&](const ContactRecord* c) {
            return matches(incoming[i], *c);
        });
        if (found == book.end()) {
            result.unmatched.push_back(i);
            continue;
        }
        Row row;
        row.incoming = i;
        row.existing = static_cast<size_t>(found - book.begin());
        for (int f = 0; f < CONTACT_FIELD_COUNT; ++f) {
            const auto member = kContactFields[static_cast<size_t>(f)].member;
            if (incoming[i].*member != (*found)->*member)
                row.differing.push_back(f);
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

int Plan::toAdd() const
{
    const auto added = std::count_if(rows.begin(), rows.end(),
                                     [](const Row& row) { return row.action == Action::Add; });
    return static_cast<int>(unmatched.size()) + static_cast<int>(added);
}

int Plan::wontFit() const
{
    return std::max(0, toAdd() - room);
}

std::vector<size_t> Plan::additions() const
{
    std::vector<size_t> out = unmatched;
    for (const Row& row : rows) {
        if (row.action == Action::Add)
            out.push_back(row.incoming);
    }
    std::sort(out.begin(), out.end());
    if (out.size() > static_cast<size_t>(room))
        out.resize(static_cast<size_t>(room));
    return out;
}

void Plan::setAll(Action action)
{
    for (Row& row : rows)
        row.action = action;
}

} // namespace duplicates
