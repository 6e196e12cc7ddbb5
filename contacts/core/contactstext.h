#pragma once
// The contacts text file: one contact a line, thirteen TAB-separated fields, lines ended
// by CR LF; an optional header line of the column names.

#include "contacts/core/chunkedinput.h"
#include "contacts/core/contactrecord.h"

#include <QIODevice>

#include <memory>

namespace contactstext {

using Fields = std::array<std::string, CONTACT_FIELD_COUNT>;

// Splits one line (without its line end) into the thirteen fields, each cut to its Max.
Fields splitLine(std::string_view line);

// Reads contacts from a device as the import does: the first line is skipped when it
// contains "First Name", empty lines are skipped, every other line is one contact.
// Lines may be of any length: only the bytes each field keeps are held in memory.
class Reader : private ChunkedInput
{
public:
    static constexpr qsizetype kDefaultChunkSize = 64 * 1024;

    // The device is read in chunks of chunkSize bytes until read() gives 0 bytes. Open it
    // without QIODevice::Text: the reader removes the CR of a CR LF itself.
    explicit Reader(QIODevice& device, qsizetype chunkSize = kDefaultChunkSize);
    // The next contact's fields; false at the end of the file (or on a read error,
    // which error() then describes).
    bool next(Fields& fields);
    QString error() const { return m_error; }
    // How many fields of the contact next() gave last were cut to their Max.
    int cutFields() const { return m_cutFields; }

private:
    void take(const char* data, qsizetype size);
    void takeTab();
    void matchHeader(const char* data, qsizetype size);
    bool endLine(Fields& fields);

    bool m_firstLine = true;

    // The line being read: only the bytes each field keeps are held.
    Fields m_fields;
    int m_field = 0;          // field being filled; CONTACT_FIELD_COUNT once the rest is ignored
    bool m_lineEmpty = true;  // no byte of the line seen yet
    bool m_pendingCr = false; // a CR whose meaning depends on the next byte
    int m_headerMatched = 0;  // bytes of "First Name" matched so far on the first line
    bool m_header = false;    // the first line contains "First Name"
    unsigned m_lineCut = 0;   // one bit a field of the line being read that was cut
    int m_cutFields = 0;
};

// The header line, without its line end.
std::string headerLine();
// Writes the header and every contact, each line ended by CR LF. False on a write error
// (a file device is flushed, so a full disk shows here). Open the device without
// QIODevice::Text.
bool write(QIODevice& device, const ContactList& contacts);
bool write(QIODevice& device, const std::list<std::unique_ptr<ContactRecord>>& contacts);

} // namespace contactstext
