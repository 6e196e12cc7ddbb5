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

} // namespace platform
