#pragma once
// "Export Messages...": asks where to write the messages (a mail folder, or a CSV file when
// the name ends in ".csv"; a check box of the dialog writes CSV fields that spreadsheets take
// for formulas unguarded), writes them and tells the user how it went. The store is only
// read.

#include "messages/core/messagerecord.h"

#include <QString>

#include <vector>

class QWidget;

// Returns true when the file was written; false when the user cancelled or it failed
// (the failure was told).
bool ExportMessages(QWidget* parent, const RecordList& records,
                    const std::vector<const MessageRecord*>& messages,
                    const QString& suggestedName);
