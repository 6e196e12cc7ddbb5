#pragma once
// The columns of a list of messages, which the message list and the search results share:
// the row's number, the address, the title and the date; the results add each message's
// folder after them.

#include <QVariant>

namespace messagecolumns {

enum Column : int
{
    No,
    Address,
    Title,
    Date,
    Folder,
};
// The message list's columns are those up to the date, the results' all of them.
inline constexpr int kListColumns = Date + 1;
inline constexpr int kResultColumns = Folder + 1;
// The number of a row's message, in either model.
inline constexpr int MessageIdRole = Qt::UserRole;

// The heading of a column, for a model of count columns; nothing outside them.
QVariant heading(int section, int count);

} // namespace messagecolumns
