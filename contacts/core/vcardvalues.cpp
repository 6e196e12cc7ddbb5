#include "contacts/core/vcardvalues.h"

#include "platform/bytes.h"

#include <QByteArray>
#include <QStringDecoder>

namespace vcard::detail {

std::optional<std::string> transferDecode(const Property& p)
{
    if (p.encoding == "QUOTED-PRINTABLE") {
        std::string out;
        out.reserve(p.value.size());
        const std::string_view v = p.value;
        for (size_t i = 0; i < v.size(); ++i) {
            if (v[i] == '=' && i + 2 < v.size() && platform::hexDigitValue(v[i + 1]) >= 0 &&
                platform::hexDigitValue(v[i + 2]) >= 0) {
                out.push_back(static_cast<char>(platform::hexDigitValue(v[i + 1]) * 16 +
                                                platform::hexDigitValue(v[i + 2])));
                i += 2;
            } else if (v[i] == '=' && i + 1 == v.size()) {
                // a soft break at the very end
            } else {
                out.push_back(v[i]);
            }
        }
        return out;
    }
    if (p.encoding == "B" || p.encoding == "BASE64") {
        const auto result = QByteArray::fromBase64Encoding(
            QByteArray(p.value.data(), static_cast<qsizetype>(p.value.size())),
            QByteArray::AbortOnBase64DecodingErrors);
        if (!result)
            return std::nullopt;
        return result.decoded.toStdString();
    }
    return std::string(p.value);
}

std::vector<std::string_view> components(std::string_view value)
{
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            ++i;
        } else if (value[i] == ';') {
            out.push_back(value.substr(start, i - start));
            start = i + 1;
        }
    }
    out.push_back(value.substr(start));
    return out;
}

std::string unescape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out.push_back(value[i]);
            continue;
        }
        const char next = value[++i];
        if (next == 'n' || next == 'N')
            out.push_back(kLf);
        else if (next == '\\' || next == ',' || next == ';' || next == ':')
            out.push_back(next);
        else {
            out.push_back('\\');
            out.push_back(next);
        }
    }
    return out;
}

QString decodeCharset(const std::string& bytes, const std::string& charset)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (!charset.empty() && !equalsNoCase(charset, "UTF-8") && !equalsNoCase(charset, "UTF8")) {
        QStringDecoder decoder(charset.c_str());
        if (decoder.isValid()) {
            QString text = decoder.decode(view);
            if (!decoder.hasError())
                return text;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows("windows-1252");
    if (windows.isValid())
        return windows.decode(view);
    return QString::fromLatin1(view);
}

std::string toRecordBytes(const QString& text, bool multiLine, FitReport& report)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += multiLine ? "\r\n" : " ";
            continue;
        }
        if (c.unicode() <= 0xFF) {
            out.push_back(static_cast<char>(c.unicode()));
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.push_back('?');
        ++report.replaced;
    }
    return out;
}

std::string percentDecoded(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const int high =
            i + 2 < value.size() && value[i] == '%' ? platform::hexDigitValue(value[i + 1]) : -1;
        const int low = high >= 0 ? platform::hexDigitValue(value[i + 2]) : -1;
        if (low < 0) {
            out.push_back(value[i]);
            continue;
        }
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return out;
}

} // namespace vcard::detail
