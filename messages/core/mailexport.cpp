#include "messages/core/mailexport.h"

#include "platform/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>

#include <array>
#include <cstdio>

namespace mailexport {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";
constexpr std::array<const char*, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct Date
{
    int year, month, day, hour, minute;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool parseDate(std::string_view s, Date* d)
{
    // "YYYY-MM-DD HH:MM"
    static constexpr std::string_view kShape = "0000-00-00 00:00";
    if (s.size() != kShape.size())
        return false;
    for (size_t i = 0; i < s.size(); ++i) {
        if (kShape[i] == '0' ? !isDigit(s[i]) : s[i] != kShape[i])
            return false;
    }
    auto num = [&](size_t at, size_t n) {
        int v = 0;
        for (size_t i = at; i < at + n; ++i)
            v = v * 10 + (s[i] - '0');
        return v;
    };
    *d = {num(0, 4), num(5, 2), num(8, 2), num(11, 2), num(14, 2)};
    const bool leap = (d->year % 4 == 0 && d->year % 100 != 0) || d->year % 400 == 0;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return d->year >= 1900 && d->month >= 1 && d->month <= 12 && d->day >= 1 &&
           d->day <= kDays[d->month - 1] + (d->month == 2 && leap ? 1 : 0) && d->hour <= 23 &&
           d->minute <= 59;
}

int weekday(const Date& d) // 0 = Sunday
{
    static constexpr int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int y = d.month < 3 ? d.year - 1 : d.year;
    return (y + y / 4 - y / 100 + y / 400 + t[d.month - 1] + d.day) % 7;
}

void appendHexByte(std::string& out, unsigned char b)
{
    out += '=';
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
}

bool startsWithFrom(std::string_view rest)
{
    size_t i = 0;
    while (i < rest.size() && rest[i] == '>')
        ++i;
    return rest.substr(i).starts_with("From ");
}

// Quoted-printable as the header of this file describes it, written piece by piece (the
// header line, CR LF, the text). Lines hold at most 76 characters with the soft break's "=".
// A piece is encoded in blocks through a buffer on the stack, so that the output string
// grows by whole blocks rather than byte by byte.
class QuotedPrintable
{
public:
    explicit QuotedPrintable(std::string& out) : m_out(out) {}

    void put(std::string_view piece)
    {
        constexpr size_t kBlock = 1024;
        char buffer[kBlock * 5 + 8]; // a byte becomes at most "=0A=\n"
        for (size_t from = 0; from < piece.size(); from += kBlock) {
            const size_t to = std::min(piece.size(), from + kBlock);
            char* at = buffer;
            for (size_t i = from; i < to; ++i) {
                const auto b = static_cast<unsigned char>(piece[i]);
                const bool printable = kPrintable[b];
                if (m_column + (printable ? 1 : 3) > kMaxLine) {
                    at = softBreak(at);
                }
                if (printable &&
                    !(m_column == 0 && (b == 'F' || b == '>') && startsWithFrom(piece.substr(i)))) {
                    *at++ = static_cast<char>(b);
                    m_column += 1;
                } else {
                    *at++ = '=';
                    *at++ = kHex[b >> 4];
                    *at++ = kHex[b & 0x0F];
                    m_column += 3;
                }
                if (b == '\n')
                    at = softBreak(at);
            }
            m_out.append(buffer, static_cast<size_t>(at - buffer));
        }
    }
    void finish()
    {
        if (m_column > 0)
            m_out += "=\n";
    }

private:
    static constexpr size_t kMaxLine = 75;
    static constexpr std::array<bool, 256> kPrintable = [] {
        std::array<bool, 256> t{};
        for (size_t b = 0; b < t.size(); ++b)
            t[b] = (b >= 33 && b <= 126 && b != '=') || b == ' ' || b == '\t';
        return t;
    }();

    char* softBreak(char* at)
    {
        *at++ = '=';
        *at++ = '\n';
        m_column = 0;
        return at;
    }

    std::string& m_out;
    size_t m_column = 0;
};

// mboxrd: a line of a message that looks like a "From " line, with any number of '>'
// before it, gets one more '>'.
void appendMboxrdQuoted(std::string& out, std::string_view text)
{
    size_t start = 0;
    while (start < text.size()) {
        const size_t nl = text.find('\n', start);
        const size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
        if ((text[start] == 'F' || text[start] == '>') && startsWithFrom(text.substr(start)))
            out += '>';
        out.append(text.substr(start, end - start));
        start = end;
    }
}

bool plainHeaderText(std::string_view s)
{
    constexpr size_t kMaxPlain = 900; // a header line stays well within 998 characters
    if (s.size() > kMaxPlain || s.find("=?") != std::string_view::npos)
        return false;
    for (const char c : s) {
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return true;
}

void appendUtf8(std::string& out, std::string_view latin1)
{
    for (const char c : latin1) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
}

bool startsFormula(std::string_view field)
{
    return !field.empty() &&
           std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos;
}

void appendCsvField(std::string& out, std::string_view latin1, CsvFormulas formulas, bool last)
{
    const bool guard = formulas == CsvFormulas::Guard && startsFormula(latin1);
    if (latin1.find_first_of(",\"\r\n") == std::string_view::npos) {
        if (guard)
            out += '\'';
        appendUtf8(out, latin1);
    } else {
        out += '"';
        if (guard)
            out += '\'';
        size_t start = 0;
        for (size_t q; (q = latin1.find('"', start)) != std::string_view::npos; start = q + 1) {
            appendUtf8(out, latin1.substr(start, q + 1 - start));
            out += '"';
        }
        appendUtf8(out, latin1.substr(start));
        out += '"';
    }
    out += last ? "\r\n" : ",";
}

std::string_view firstLine(std::string_view text)
{
    constexpr size_t kSubjectMax = 78;
    const size_t end = text.find_first_of("\r\n");
    return text.substr(0, std::min({end, text.size(), kSubjectMax}));
}

std::string_view envelopeSender(std::string_view address)
{
    for (const char c : address) {
        if (c <= 0x20 || c > 0x7E)
            return "quillbox";
    }
    return address.empty() ? std::string_view("quillbox") : address;
}

} // namespace

std::string headerText(std::string_view bytes)
{
    if (plainHeaderText(bytes))
        return std::string(bytes);
    static constexpr std::string_view kOpen = "=?ISO-8859-1?Q?";
    constexpr size_t kMaxWord = 75;
    constexpr size_t kMaxContent = kMaxWord - kOpen.size() - 2;
    std::string out;
    std::string word;
    auto flush = [&] {
        if (!out.empty())
            out += "\n ";
        out.append(kOpen).append(word).append("?=");
        word.clear();
    };
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const bool literal = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') ||
                             (b >= '0' && b <= '9') || b == '!' || b == '*' || b == '+' ||
                             b == '-' || b == '/' || b == ' ';
        if (word.size() + (literal ? 1 : 3) > kMaxContent)
            flush();
        if (b == ' ')
            word += '_';
        else if (literal)
            word += c;
        else
            appendHexByte(word, b);
    }
    if (!word.empty() || out.empty())
        flush();
    return out;
}

std::string rfc5322Date(std::string_view storeDate)
{
    Date d{};
    if (!parseDate(storeDate, &d))
        return {};
    char buffer[64];
    const int n =
        std::snprintf(buffer, sizeof buffer, "%s, %02d %s %04d %02d:%02d:00 -0000",
                      kWeekdays[static_cast<size_t>(weekday(d))], d.day,
                      kMonths[static_cast<size_t>(d.month - 1)], d.year, d.hour, d.minute);
    return std::string(buffer, static_cast<size_t>(n));
}

void appendMbox(std::string& out, const MessageRecord& m, std::string_view folderPath)
{
    Date d{};
    const bool dated = parseDate(m.strDate, &d);
    if (!dated)
        d = {1970, 1, 1, 0, 0};
    char stamp[64];
    const int n =
        std::snprintf(stamp, sizeof stamp, " %s %s %2d %02d:%02d:00 %04d\n",
                      kWeekdays[static_cast<size_t>(weekday(d))],
                      kMonths[static_cast<size_t>(d.month - 1)], d.day, d.hour, d.minute, d.year);
    out.append("From ").append(envelopeSender(m.strAddress)).append(stamp, static_cast<size_t>(n));
    out.append("From: ").append(headerText(m.strAddress)).append("\n");
    if (dated)
        out.append("Date: ").append(rfc5322Date(m.strDate)).append("\n");
    out.append("Subject: ").append(headerText(firstLine(m.strText))).append("\n");
    out.append("X-Quillbox-Folder: ").append(headerText(folderPath)).append("\n");
    out.append("MIME-Version: 1.0\n"
               "Content-Type: text/plain; charset=ISO-8859-1\n"
               "Content-Transfer-Encoding: quoted-printable\n\n");
    // One buffer for the encoded bodies of a whole export, kept between calls.
    thread_local std::string encoded;
    encoded.clear();
    QuotedPrintable qp(encoded);
    qp.put(m.strHeader);
    qp.put("\r\n");
    qp.put(m.strText);
    qp.finish();
    appendMboxrdQuoted(out, encoded);
    out += '\n';
}

void appendCsvHeader(std::string& out)
{
    out += "Folder,Date,Address,Header,Text\r\n";
}

void appendCsvRow(std::string& out, const MessageRecord& m, std::string_view folderPath,
                  CsvFormulas formulas)
{
    appendCsvField(out, folderPath, formulas, false);
    appendCsvField(out, m.strDate, formulas, false);
    appendCsvField(out, m.strAddress, formulas, false);
    appendCsvField(out, m.strHeader, formulas, false);
    appendCsvField(out, m.strText, formulas, true);
}

bool writeFile(const QString& path, Format format, std::span<const MessageRecord* const> messages,
               const archive::FolderPaths& paths, CsvFormulas formulas, QString* error)
{
    // Messages are encoded into one buffer that goes out whenever it has grown past a few
    // megabytes: few, large writes.
    constexpr size_t kChunk = size_t(4) << 20;
    const auto writer = [&](QIODevice& out) {
        std::string buffer;
        buffer.reserve(kChunk + (kChunk >> 2));
        if (format == Format::Csv)
            appendCsvHeader(buffer);
        for (const MessageRecord* m : messages) {
            if (format == Format::Mbox)
                appendMbox(buffer, *m, paths.pathOf(*m));
            else
                appendCsvRow(buffer, *m, paths.pathOf(*m), formulas);
            if (buffer.size() >= kChunk) {
                if (out.write(buffer.data(), static_cast<qint64>(buffer.size())) < 0)
                    return false;
                buffer.clear();
            }
        }
        return out.write(buffer.data(), static_cast<qint64>(buffer.size())) >= 0;
    };
    QString why;
    if (platform::writeFileAtomically(path, writer, &why))
        return true;
    if (error) {
        *error = QCoreApplication::translate("messages::export",
                                             "The export file %1 could not be written: %2")
                     .arg(QDir::toNativeSeparators(path), why);
    }
    return false;
}

} // namespace mailexport
