#include "messages/widgets/exportmessages.h"

#include "messages/core/archive.h"
#include "messages/core/mailexport.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"

#include <QDir>

bool ExportMessages(QWidget* parent, const RecordList& records,
                    const std::vector<const MessageRecord*>& messages, const QString& suggestedName)
{
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Save;
    request.filter = QStringLiteral("Mail Folder( *.mbox )|*.mbox|CSV File( *.csv )|*.csv||");
    request.defaultExtension = QStringLiteral("mbox");
    // A folder's name may hold a '/' ("News/Info"): the suggested file name does not.
    QString name = suggestedName;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    request.initialName = name + QStringLiteral(".mbox");
    request.title = QStringLiteral("Export Messages");
    // Off unless asked for each time: a CSV file is guarded against formulas by default.
    bool raw = false;
    request.checkBox = QStringLiteral("CSV: write fields unchanged (no ' before =, +, - or @)");
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
        platform::stop(parent, error, QStringLiteral("Export Messages"));
        return false;
    }
    platform::inform(parent, QStringLiteral("Export Completed ! "));
    return true;
}
