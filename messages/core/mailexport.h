#pragma once
// Messages for other programs: mail folders (mboxrd) and spreadsheets (CSV, RFC 4180, UTF-8).
//
// A message becomes one mail of text/plain in ISO-8859-1 (the bytes of the store are the
// single-byte text the program shows). Its body is what the detail pane shows: the header
// line, CR LF, the text. The body goes out as quoted-printable with every CR and LF written
// as =0D / =0A, so that each byte comes back exactly, whatever line ends, long lines or
// control bytes the text holds; a soft line break follows each =0A, so that the file still
// reads line by line. A line of the body never begins with "From " or ">From ": its first
// byte is encoded then, so the mboxrd quoting that the writer applies to every body line
// finds nothing to quote and readers that do not unquote read the body unchanged too.

#include "messages/core/archive.h"

#include <QString>

#include <span>
#include <string>
#include <string_view>

namespace mailexport {

enum class Format
{
    Mbox,
    Csv
};

// Header text as RFC 2047 encoded words (ISO-8859-1, Q encoding) when it holds anything but
// printable ASCII or could be taken for an encoded word; otherwise as it is. Encoded words
// that do not fit on one line are folded onto continuation lines.
std::string headerText(std::string_view bytes);

// "%04d-%02d-%02d %02d:%02d" as RFC 5322 ("Sat, 09 Mar 2024 07:05:00 -0000"); empty when the
// text is not such a date.
std::string rfc5322Date(std::string_view storeDate);

// One message in mboxrd form: "From " line, headers, blank line, body, blank line.
void appendMbox(std::string& out, const MessageRecord& m, std::string_view folderPath);

// Message texts come from anyone who can send to the pager, and spreadsheets run a CSV field
// that begins with "=", "+", "-", "@", a tab or a CR as a formula. Guard writes a "'" before
// such a field, so that it is read as text; Raw writes every field's bytes as they are.
enum class CsvFormulas
{
    Guard,
    Raw
};

// The header row and one row, each ending in CR LF.
void appendCsvHeader(std::string& out);
void appendCsvRow(std::string& out, const MessageRecord& m, std::string_view folderPath,
                  CsvFormulas formulas);

// Writes the messages to path in the format, atomically: the old file stays whole on any
// failure, and error says why. formulas matters to CSV only.
bool writeFile(const QString& path, Format format, std::span<const MessageRecord* const> messages,
               const archive::FolderPaths& paths, CsvFormulas formulas, QString* error);

} // namespace mailexport
