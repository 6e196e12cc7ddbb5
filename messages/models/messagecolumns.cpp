#include "messages/models/messagecolumns.h"

#include <QString>

namespace messagecolumns {

QVariant heading(int section, int count)
{
    static const char* const kHeadings[] = {"No", "Address", "Title", "Date", "Folder"};
    if (section < 0 || section >= count || section >= kResultColumns)
        return {};
    return QString::fromLatin1(kHeadings[section]);
}

} // namespace messagecolumns
