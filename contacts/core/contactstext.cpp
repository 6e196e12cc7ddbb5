#include "contacts/core/contactstext.h"

#include <QFileDevice>

#include <algorithm>
#include <bit>

namespace contactstext {

namespace {

constexpr char kTab = '\t';
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeaderMark = "First Name";

// Failure table of kHeaderMark, so the header test on the first line can run byte by byte
// over chunks of any size without going back.
constexpr std::array<int, kHeaderMark.size()> headerFailure()
{
    std::array<int, kHeaderMark.size()> failure{};
    int k = 0;
    for (size_t i = 1; i < kHeaderMark.size(); ++i) {
        while (k > 0 && kHeaderMark[i] != kHeaderMark[static_cast<size_t>(k)])
            k = failure[static_cast<size_t>(k - 1)];
        if (kHeaderMark[i] == kHeaderMark[static_cast<size_t>(k)])
            ++k;
        failure[i] = k;
    }
    return failure;
}
constexpr auto kHeaderFailure = headerFailure();

size_t fieldMax(int field)
{
    return static_cast<size_t>(kContactFields[static_cast<size_t>(field)].nMax);
}

void appendLine(std::string& out, const ContactRecord& contact)
{
    for (int i = 0; i < CONTACT_FIELD_COUNT; ++i) {
        if (i > 0)
            out += kTab;
        out += contact.*kContactFields[static_cast<size_t>(i)].member;
    }
}

bool writeAll(QIODevice& device, std::string& out)
{
    const auto size = static_cast<qint64>(out.size());
    const bool ok = device.write(out.data(), size) == size;
    out.clear();
    return ok;
}

} // namespace

Fields splitLine(std::string_view line)
{
    Fields fields;
    for (int i = 0; i < CONTACT_FIELD_COUNT; ++i) {
        std::string_view field;
        const size_t tab = line.find(kTab);
        if (tab != std::string_view::npos) {
            field = line.substr(0, tab);
            line.remove_prefix(tab + 1);
        } else {
            field = line;
            line = {};
        }
        fields[static_cast<size_t>(i)] = field.substr(0, fieldMax(i));
    }
    return fields;
}

Reader::Reader(QIODevice& device, qsizetype chunkSize) : ChunkedInput(device, chunkSize) {}

void Reader::matchHeader(const char* data, qsizetype size)
{
    for (qsizetype i = 0; i < size && !m_header; ++i) {
        const char c = data[i];
        while (m_headerMatched > 0 && c != kHeaderMark[static_cast<size_t>(m_headerMatched)])
            m_headerMatched = kHeaderFailure[static_cast<size_t>(m_headerMatched - 1)];
        if (c == kHeaderMark[static_cast<size_t>(m_headerMatched)])
            ++m_headerMatched;
        if (m_headerMatched == static_cast<int>(kHeaderMark.size()))
            m_header = true;
    }
}

void Reader::take(const char* data, qsizetype size)
{
    m_lineEmpty = false;
    if (m_firstLine)
        matchHeader(data, size);
    if (m_field >= CONTACT_FIELD_COUNT)
        return;
    std::string& field = m_fields[static_cast<size_t>(m_field)];
    const size_t room = fieldMax(m_field) - field.size();
    if (static_cast<size_t>(size) > room)
        m_lineCut |= 1u << m_field;
    field.append(data, std::min(room, static_cast<size_t>(size)));
}

void Reader::takeTab()
{
    m_lineEmpty = false;
    if (m_firstLine)
        matchHeader(&kTab, 1);
    if (m_field < CONTACT_FIELD_COUNT)
        ++m_field;
}

bool Reader::endLine(Fields& fields)
{
    const bool give = !m_lineEmpty && !(m_firstLine && m_header);
    if (give) {
        fields = std::move(m_fields);
        m_cutFields = std::popcount(m_lineCut);
    }
    m_lineCut = 0;
    for (std::string& field : m_fields)
        field.clear();
    m_field = 0;
    m_lineEmpty = true;
    m_firstLine = false;
    m_headerMatched = 0;
    m_header = false;
    return give;
}

bool Reader::next(Fields& fields)
{
    if (!m_error.isEmpty())
        return false;
    for (;;) {
        if (m_pos >= m_buffer.size()) {
            if (!m_eof && !fill())
                return false; // a read error: the unfinished line is dropped
            if (m_eof) {
                // The last line needs no line end; a CR that ends the file has no LF after
                // it, so it is text.
                if (m_pendingCr) {
                    m_pendingCr = false;
                    take("\r", 1);
                }
                return !m_lineEmpty && endLine(fields);
            }
        }

        const char* data = m_buffer.constData();
        const qsizetype end = m_buffer.size();
        while (m_pos < end) {
            if (m_pendingCr) {
                m_pendingCr = false;
                if (data[m_pos] == '\n') {
                    ++m_pos;
                    if (endLine(fields))
                        return true;
                    continue;
                }
                take("\r", 1);
            }
            qsizetype stop = m_pos;
            while (stop < end && data[stop] != kTab && data[stop] != '\n' && data[stop] != '\r')
                ++stop;
            if (stop > m_pos)
                take(data + m_pos, stop - m_pos);
            m_pos = stop;
            if (stop == end)
                break;
            const char c = data[m_pos++];
            if (c == '\n') {
                if (endLine(fields))
                    return true;
            } else if (c == '\r') {
                m_pendingCr = true;
            } else {
                takeTab();
            }
        }
    }
}

std::string headerLine()
{
    std::string line;
    for (int i = 0; i < CONTACT_FIELD_COUNT; ++i) {
        if (i > 0)
            line += kTab;
        line += kContactFields[static_cast<size_t>(i)].headerName;
    }
    return line;
}

namespace {

template <typename Contacts, typename Deref>
bool writeAllContacts(QIODevice& device, const Contacts& contacts, Deref deref)
{
    constexpr size_t kFlushAt = 64 * 1024;
    if (!device.isWritable())
        return false;
    std::string out = headerLine();
    out += kLineEnd;
    for (const auto& item : contacts) {
        appendLine(out, deref(item));
        out += kLineEnd;
        if (out.size() >= kFlushAt && !writeAll(device, out))
            return false;
    }
    if (!writeAll(device, out))
        return false;
    // A buffered file reports a full disk only when its buffer goes out.
    if (auto* file = qobject_cast<QFileDevice*>(&device))
        return file->flush();
    return true;
}

} // namespace

bool write(QIODevice& device, const ContactList& contacts)
{
    return writeAllContacts(
        device, contacts, [](const ContactRecord& c) -> const auto& { return c; });
}

bool write(QIODevice& device, const std::list<std::unique_ptr<ContactRecord>>& contacts)
{
    return writeAllContacts(
        device, contacts,
        [](const std::unique_ptr<ContactRecord>& c) -> const auto& { return *c; });
}

} // namespace contactstext
