#include "contacts/core/vcardlexer.h"

#include <QByteArray>

#include <algorithm>

namespace vcard::detail {

namespace {

bool isNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

} // namespace

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toUpper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = upper(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

bool startsWithNoCase(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

std::string_view trimmed(std::string_view s)
{
    const size_t start = s.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    return s.substr(start, s.find_last_not_of(" \t") - start + 1);
}

bool parseProperty(std::string_view line, Property& p)
{
    size_t i = 0;
    auto token = [&] {
        const size_t start = i;
        while (i < line.size() && isNameChar(line[i]))
            ++i;
        return line.substr(start, i - start);
    };
    std::string_view name = token();
    if (i < line.size() && line[i] == '.') { // a group prefix: item1.EMAIL
        ++i;
        name = token();
    }
    if (name.empty())
        return false;
    p.name = toUpper(name);
    while (i < line.size() && line[i] == ';') {
        ++i;
        while (i < line.size() && line[i] == ' ')
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != '=' && line[i] != ';' && line[i] != ':')
            ++i;
        const std::string paramName = toUpper(line.substr(start, i - start));
        std::vector<std::string> values;
        if (i < line.size() && line[i] == '=') {
            ++i;
            for (;;) {
                std::string_view value;
                if (i < line.size() && line[i] == '"') {
                    const size_t close = line.find('"', i + 1);
                    if (close == std::string_view::npos)
                        return false;
                    value = line.substr(i + 1, close - i - 1);
                    i = close + 1;
                } else {
                    const size_t vstart = i;
                    while (i < line.size() && line[i] != ',' && line[i] != ';' && line[i] != ':')
                        ++i;
                    value = line.substr(vstart, i - vstart);
                }
                // A quoted value may itself be a list: TYPE="work,voice".
                while (!value.empty()) {
                    const size_t comma = value.find(',');
                    values.emplace_back(value.substr(0, comma));
                    value.remove_prefix(comma == std::string_view::npos ? value.size() : comma + 1);
                }
                if (i < line.size() && line[i] == ',') {
                    ++i;
                    continue;
                }
                break;
            }
        } else {
            // 2.1 writes bare parameters: ;WORK;VOICE;QUOTED-PRINTABLE;PREF
            if (paramName == "QUOTED-PRINTABLE" || paramName == "BASE64" || paramName == "8BIT" ||
                paramName == "7BIT") {
                p.encoding = paramName;
                continue;
            }
            values.push_back(paramName);
            for (std::string& value : values)
                p.types.push_back(value);
            continue;
        }
        if (paramName == "TYPE") {
            for (const std::string& value : values)
                p.types.push_back(value);
        } else if (paramName == "ENCODING" && !values.empty()) {
            p.encoding = toUpper(values.front());
        } else if (paramName == "CHARSET" && !values.empty()) {
            p.charset = values.front();
        } else if (paramName == "VALUE" && !values.empty()) {
            p.valueType = toUpper(values.front());
        } else if (paramName == "PREF" && !values.empty()) {
            bool ok = false;
            const int rank = QByteArray::fromStdString(values.front()).toInt(&ok);
            if (ok)
                p.pref = std::clamp(rank, 1, 100);
        }
    }
    if (i >= line.size() || line[i] != ':')
        return false;
    for (std::string& type : p.types) {
        for (char& c : type)
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (type == "pref")
            p.pref = std::min(p.pref, 1);
    }
    p.value = line.substr(i + 1);
    return true;
}

LineReader::LineReader(QIODevice& device, qsizetype chunkSize) : ChunkedInput(device, chunkSize) {}

void LineReader::replay(std::string line)
{
    m_replay = std::move(line);
    m_hasReplay = true;
}

bool LineReader::physicalLine(std::string& line)
{
    line.clear();
    bool any = false;
    for (;;) {
        if (m_pos >= m_buffer.size()) {
            if (m_eof || !m_error.isEmpty() || !fill() || m_eof)
                return any;
        }
        // The LF of a CR LF whose CR ended the last line, perhaps in the chunk before.
        if (m_afterCr) {
            m_afterCr = false;
            if (m_buffer.at(m_pos) == kLf) {
                ++m_pos;
                continue;
            }
        }
        any = true;
        const char* data = m_buffer.constData() + m_pos;
        const char* const stop = m_buffer.constData() + m_buffer.size();
        const char* const end =
            std::find_if(data, stop, [](char c) { return c == kLf || c == kCr; });
        const auto take = static_cast<size_t>(end - data);
        if (line.size() <= kMaxLine)
            line.append(data, std::min(take, kMaxLine + 1 - line.size()));
        m_pos += static_cast<qsizetype>(take);
        if (end != stop) {
            m_afterCr = *end == kCr;
            ++m_pos;
            return true;
        }
    }
}

bool LineReader::next(std::string& line)
{
    if (m_hasReplay) {
        line = std::move(m_replay);
        m_hasReplay = false;
        return true;
    }
    if (m_hasPending) {
        line = std::move(m_pending);
        m_hasPending = false;
    } else if (!physicalLine(line)) {
        return false;
    }
    std::string next;
    for (;;) {
        const bool softBreak = !line.empty() && line.back() == '=' && [&] {
            const std::string_view head = std::string_view(line).substr(0, line.find(':'));
            return toUpper(head).find("QUOTED-PRINTABLE") != std::string::npos;
        }();
        if (!physicalLine(next))
            return true;
        if (softBreak) {
            line.pop_back();
        } else if (!next.empty() && (next[0] == ' ' || next[0] == '\t')) {
            // 2.1 folds before white space that belongs to the text; 3.0 and 4.0 insert it.
            if (m_version != Version::V21)
                next.erase(0, 1);
        } else {
            m_pending = std::move(next);
            m_hasPending = true;
            return true;
        }
        if (line.size() <= kMaxLine)
            line.append(next, 0, std::min(next.size(), kMaxLine + 1 - line.size()));
    }
}

} // namespace vcard::detail
