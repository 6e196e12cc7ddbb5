#pragma once
// The vCard reader's lexer: the file's lines, unfolded into property lines, and a property
// line taken apart into its name, its parameters and its raw value. Internal to the reader.

#include "contacts/core/chunkedinput.h"
#include "contacts/core/vcard.h"

#include <string>
#include <string_view>
#include <vector>

namespace vcard::detail {

constexpr char kCr = '\r';
constexpr char kLf = '\n';

// ASCII case, whatever the locale: names and parameters of vCard are ASCII.
char upper(char c);
std::string toUpper(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view s, std::string_view prefix);
// Without the blanks and tabs at either end.
std::string_view trimmed(std::string_view s);

// One property line taken apart. Names and parameter names are upper case; the value is
// still raw (transfer encoding, escapes and charset undone later).
struct Property
{
    std::string name;
    std::vector<std::string> types; // TYPE values and 2.1's bare parameters, lower case
    std::string encoding;           // ENCODING, upper case
    std::string charset;            // CHARSET
    std::string valueType;          // VALUE, upper case
    int pref = 101;                 // PREF=n, TYPE=pref or bare PREF give a rank; 101 = none
    std::string_view value;
};

// [group "."] name *(";" param) ":" value. False when the line is not a property; p.value
// points into line.
bool parseProperty(std::string_view line, Property& p);

// The property lines of a file, read a chunk at a time: each physical line at most
// Reader::kMaxLine bytes (a longer one keeps one byte more, so that the cut shows), line ends
// CR LF, LF or CR, folds and 2.1's quoted-printable soft breaks undone.
class LineReader : private ChunkedInput
{
public:
    // Open the device without QIODevice::Text.
    LineReader(QIODevice& device, qsizetype chunkSize);

    // The next property line; false at the end of the file or on a read error (error()).
    bool next(std::string& line);
    // The line is given again by the next call.
    void replay(std::string line);
    // The version of the card being read: 2.1 folds keep their white space, later ones not.
    void setVersion(Version version) { m_version = version; }
    Version version() const { return m_version; }
    QString error() const { return m_error; }

private:
    static constexpr size_t kMaxLine = Reader::kMaxLine;

    // The next line without its line end; false at the end.
    bool physicalLine(std::string& line);

    std::string m_pending;
    bool m_hasPending = false;
    // A line read again: the BEGIN that showed where a card without END stopped.
    std::string m_replay;
    bool m_hasReplay = false;
    bool m_afterCr = false; // the last line ended in CR: an LF next is part of its end
    Version m_version = Version::V30;
};

} // namespace vcard::detail
