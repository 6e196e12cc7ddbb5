#pragma once
// Text in records and files is single-byte: every byte is kept as it is. At the edges
// (widgets, JSON) a byte maps to the character of the same number (Latin-1), which is
// lossless both ways.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

inline QString toDisplay(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Characters above U+00FF have no byte; they become '?', as a single-byte code page would.
inline std::string fromDisplay(const QString& text)
{
    const QByteArray latin1 = text.toLatin1();
    return std::string(latin1.constData(), static_cast<size_t>(latin1.size()));
}

// The same mapping straight to UTF-8 bytes, for files that are UTF-8 (JSON, vCard).
inline std::string latin1ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

// The value of a hexadecimal digit, either case; -1 for any other character.
constexpr int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace platform
