#include "messages/widgets/exportmessages.h"

#include "messages/core/archive.h"
#include "messages/core/mailexport.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"

#include <QCoreApplication>
#include <QDir>

bool ExportMessages(QWidget* parent, const RecordList& records,
                    const std::vector<const MessageRecord*>& messages, const QString& suggestedName)
{
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Save;
    // Only the descriptions are the user's to read; the patterns stay.
    request.filter = QCoreApplication::translate("messages::export", "Mail Folder( *.mbox )") +
                     QStringLiteral("|*.mbox|") +
                     QCoreApplication::translate("messages::export", "CSV File( *.csv )") +
                     QStringLiteral("|*.csv||");
    request.defaultExtension = QStringLiteral("mbox");
    // A folder's name may hold a '/' ("News/Info"): the suggested file name does not.
    QString name = suggestedName;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    request.initialName = name + QStringLiteral(".mbox");
    request.title = QCoreApplication::translate("messages::export", "Export Messages");
    // Off unless asked for each time: a CSV file is guarded against formulas by default.
    bool raw = false;
    request.checkBox = QCoreApplication::translate(
        "messages::export", "CSV: &write fields unchanged (no ' before =, +, - or @)");
    request.checked = &raw;
    const QString path = platform::saveFile(parent, request);
    if (path.isEmpty())
        return false;
    const auto format = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)
                            ? mailexport::Format::Csv
                            : mailexport::Format::Mbox;
    QString error;
    if (!mailexport::writeFile(path, format, messages, archive::FolderPaths(records),
                               raw ? mailexport::CsvFormulas::Raw : mailexport::CsvFormulas::Guard,
                               &error)) {
        platform::stop(parent, error,
                       QCoreApplication::translate("messages::export", "Export Messages"));
        return false;
    }
    platform::inform(parent,
                     QCoreApplication::translate("messages::export", "Export Completed ! "));
    return true;
}
