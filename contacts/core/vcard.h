#pragma once
// vCard exchange: reading 2.1, 3.0 and 4.0 files into address-book records, and writing
// 4.0 (or 3.0) files from them. The mapping onto the thirteen fields is in docs/vcard.md.
// The reader is split by job: the lexer (vcardlexer: lines and properties), the value
// decoding (vcardvalues), the field mapping (vcardfields) and the reader itself
// (vcardreader: cards, agents, a whole book); the writer is vcardwriter.

#include "contacts/core/contactrecord.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace vcard {

namespace detail {
class LineReader;
} // namespace detail

enum class Version
{
    V21,
    V30,
    V40,
};

// What of one card did not fit its record.
struct FitReport
{
    Q_DECLARE_TR_FUNCTIONS(FitReport)

public:
    int emails = 0;               // e-mail addresses beyond the third
    int numbers = 0;              // telephone numbers with no field left for them
    int others = 0;               // a further name, company, address or note beyond the first
    int members = 0;              // group members that could not be named or did not fit the block
    int replaced = 0;             // characters with no single byte, stored as '?'
    std::vector<std::string> cut; // fieldName of each field cut to its limit ("strName")

    bool empty() const
    {
        return emails == 0 && numbers == 0 && others == 0 && members == 0 && replaced == 0 &&
               cut.empty();
    }
    // One line for the user, such as "1 e-mail address, Note cut"; empty when nothing.
    QString describe() const;
};

// One card as the reader gives it: a contact, or a group (KIND:group) whose members are
// still the card's MEMBER values.
struct Card
{
    bool isGroup = false;
    ContactRecord contact;            // a contact card: the thirteen fields
    std::string uid;                  // UID, as written, for MEMBER values that name a card
    std::string groupName;            // a group card: FN, cut to MAX_GROUP_NAME
    std::vector<std::string> members; // a group card: MEMBER values, raw URIs
    FitReport report;
};

// Reads the cards of a file one at a time. Only the card being read is held, and of each of
// its lines at most kMaxLine bytes (longer lines, such as photos, are cut: a mapped value
// that loses bytes this way is reported cut). A card that cannot be read is skipped and
// counted; so is a contact card that fills no field.
class Reader
{
public:
    static constexpr qsizetype kDefaultChunkSize = 64 * 1024;
    static constexpr size_t kMaxLine = 256 * 1024;

    // Open the device without QIODevice::Text.
    explicit Reader(QIODevice& device, qsizetype chunkSize = kDefaultChunkSize);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    // The next readable card; false at the end of the file or on a read error (error()).
    bool next(Card& card);
    int skipped() const { return m_skipped; }
    int cards() const { return m_cards; } // cards begun so far, read or skipped
    QString error() const;

private:
    std::unique_ptr<detail::LineReader> m_lines;
    bool m_firstLine = true;
    int m_skipped = 0;
    int m_cards = 0;
};

// A whole file read: contacts with a report each, groups made from the group cards with
// their members named and their blocks built (members that do not fit are reported).
struct Book
{
    std::vector<ContactRecord> contacts; // nGroup -1, nIndex and nKey 0
    std::vector<FitReport> contactReports;
    std::vector<GroupRecord> groups; // nGroupId 0, nParent -1
    std::vector<FitReport> groupReports;
    int skipped = 0;
    int cards = 0;
    QString error; // a read error; what was read before it is kept
};
Book readBook(QIODevice& device, qsizetype chunkSize = Reader::kDefaultChunkSize);

// Writes cards to a device: UTF-8, escaped, folded at 75 octets. Open the device without
// QIODevice::Text.
class Writer
{
public:
    Writer(QIODevice& device, Version version = Version::V40);
    void contact(const ContactRecord& contact);
    // A KIND:group card with the group's members (nMemberCount of them) as MEMBER URIs.
    void group(const GroupRecord& group);
    // Writes what is left; false when any write failed (a file device is flushed).
    bool finish();

private:
    void property(std::string_view nameAndParams, std::string_view value);
    void flushIfFull();

    QIODevice& m_device;
    Version m_version;
    std::string m_out;
    bool m_ok = true;
};

// The text of single-byte record text as vCard text: escaped, UTF-8.
std::string escapeText(std::string_view bytes);

} // namespace vcard
