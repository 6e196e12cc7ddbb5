#include "contacts/core/vcard.h"

#include "platform/bytes.h"

#include <QFileDevice>
#include <QUrl>

#include <algorithm>

namespace vcard {

namespace {

constexpr size_t kFoldAt = 75; // octets of a line, without its line end
constexpr size_t kFlushAt = 64 * 1024;

// A member's address as a URI: mailto: for e-mail, tel: for a wireless address.
std::string memberUri(const GroupMember& member)
{
    const QByteArray encoded = QUrl::toPercentEncoding(
        QString::fromLatin1(member.strEntry.data(), static_cast<qsizetype>(member.strEntry.size())),
        QByteArrayLiteral("@+!$'()*=:/?&"));
    return (member.nKind == 0 ? "mailto:" : "tel:") + encoded.toStdString();
}

} // namespace

std::string escapeText(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        switch (c) {
        case '\\':
        case ',':
        case ';':
            out.push_back('\\');
            out.push_back(c);
            break;
        case '\r':
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            out += "\\n";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out.push_back(c);
        }
    }
    return platform::latin1ToUtf8(out);
}

Writer::Writer(QIODevice& device, Version version) : m_device(device), m_version(version)
{
    m_ok = device.isWritable();
}

// One content line, folded: at most 75 octets a line, never inside a UTF-8 sequence; each
// continuation starts with a blank.
void Writer::property(std::string_view nameAndParams, std::string_view value)
{
    std::string line(nameAndParams);
    line += ':';
    line += value;
    std::string_view rest = line;
    size_t room = kFoldAt;
    for (;;) {
        if (rest.size() <= room) {
            m_out += rest;
            m_out += "\r\n";
            break;
        }
        size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80)
            --cut;
        m_out += rest.substr(0, cut);
        m_out += "\r\n ";
        rest.remove_prefix(cut);
        room = kFoldAt - 1;
    }
    flushIfFull();
}

void Writer::flushIfFull()
{
    if (m_out.size() < kFlushAt)
        return;
    const auto size = static_cast<qint64>(m_out.size());
    if (m_ok && m_device.write(m_out.data(), size) != size)
        m_ok = false;
    m_out.clear();
}

void Writer::contact(const ContactRecord& c)
{
    const bool v4 = m_version == Version::V40;
    m_out += v4 ? "BEGIN:VCARD\r\nVERSION:4.0\r\n" : "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    std::string fn = c.strFirstName;
    if (!fn.empty() && !c.strLastName.empty())
        fn += ' ';
    fn += c.strLastName;
    property("FN", escapeText(fn));
    property("N", escapeText(c.strLastName) + ';' + escapeText(c.strFirstName) + ";;;");
    for (const std::string* email : {&c.strEmail1, &c.strEmail2, &c.strEmail3}) {
        if (!email->empty())
            property(v4 ? "EMAIL" : "EMAIL;TYPE=INTERNET", escapeText(*email));
    }
    const std::pair<const std::string*, const char*> tels[] = {
        {&c.strWireless, "pager"},  {&c.strWorkNumber, "work"}, {&c.strMobileNumber, "cell"},
        {&c.strHomeNumber, "home"}, {&c.strFaxNumber, "fax"},
    };
    for (const auto& [number, type] : tels) {
        if (number->empty())
            continue;
        const std::string params =
            v4 ? std::string("TEL;VALUE=text;TYPE=") + type : "TEL;TYPE=" + std::string(type);
        property(params, escapeText(*number));
    }
    if (!c.strCompany.empty())
        property("ORG", escapeText(c.strCompany));
    // The address is one text: the street component holds it.
    if (!c.strAddress.empty())
        property("ADR", ";;" + escapeText(c.strAddress) + ";;;;");
    if (!c.strNote.empty())
        property("NOTE", escapeText(c.strNote));
    m_out += "END:VCARD\r\n";
    flushIfFull();
}

void Writer::group(const GroupRecord& g)
{
    m_out += m_version == Version::V40 ? "BEGIN:VCARD\r\nVERSION:4.0\r\n"
                                       : "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    m_out += "KIND:group\r\n";
    property("FN", escapeText(g.strName));
    if (m_version == Version::V30)
        property("N", escapeText(g.strName) + ";;;;");
    const int count = std::clamp(g.nMemberCount, 0, MAX_GROUP_MEMBERS);
    for (int i = 0; i < count; ++i) {
        const GroupMember& member = g.aMembers[size_t(i)];
        if (!member.strEntry.empty())
            property("MEMBER", memberUri(member));
    }
    m_out += "END:VCARD\r\n";
    flushIfFull();
}

bool Writer::finish()
{
    const auto size = static_cast<qint64>(m_out.size());
    if (m_ok && size > 0 && m_device.write(m_out.data(), size) != size)
        m_ok = false;
    m_out.clear();
    // A buffered file reports a full disk only when its buffer goes out.
    if (auto* file = qobject_cast<QFileDevice*>(&m_device); file && m_ok)
        m_ok = file->flush();
    return m_ok;
}

} // namespace vcard
