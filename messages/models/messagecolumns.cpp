#include "messages/models/messagecolumns.h"

#include <QCoreApplication>
#include <QString>

namespace messagecolumns {

QVariant heading(int section, int count)
{
    static const char* const kHeadings[] = {
        //: Heading of the column that numbers the rows (0, 1, 2, ...).
        QT_TRANSLATE_NOOP("messages::columns", "No"),
        QT_TRANSLATE_NOOP("messages::columns", "Address"),
        QT_TRANSLATE_NOOP("messages::columns", "Title"),
        QT_TRANSLATE_NOOP("messages::columns", "Date"),
        //: Heading of the column that names the folder a found message lies in.
        QT_TRANSLATE_NOOP("messages::columns", "Folder"),
    };
    if (section < 0 || section >= count || section >= kResultColumns)
        return {};
    return QCoreApplication::translate("messages::columns", kHeadings[section]);
}

} // namespace messagecolumns
