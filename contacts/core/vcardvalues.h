#pragma once
// The vCard reader's value decoding: a property's raw value to the bytes a record keeps
// (transfer encoding, the components of a structured value, escapes, the charset, and text
// to single-byte record text). Internal to the reader.

#include "contacts/core/vcard.h"
#include "contacts/core/vcardlexer.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vcard::detail {

// The value's bytes with its transfer encoding undone; nullopt for base64 that is damaged.
std::optional<std::string> transferDecode(const Property& p);
// Splits a structured value at its unescaped semicolons (escapes stay for unescape()).
std::vector<std::string_view> components(std::string_view value);
// \n and \N as a line feed, \\ \, \; \: as the character; other backslashes stay.
std::string unescape(std::string_view value);
// Bytes in the property's charset to text. Without a charset, UTF-8; bytes that are not
// UTF-8 are taken as the single-byte text older writers left unmarked.
QString decodeCharset(const std::string& bytes, const std::string& charset);
// Text as the record stores it: one byte a character, '?' for the others (counted in the
// report); line breaks as CR LF in multi-line fields and as a blank elsewhere.
std::string toRecordBytes(const QString& text, bool multiLine, FitReport& report);
// %XX is the byte XX; a % that two hexadecimal digits do not follow is kept as written.
std::string percentDecoded(std::string_view value);

} // namespace vcard::detail
