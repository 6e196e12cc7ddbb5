// Feeds any bytes to the vCard reader, in chunks of a size the input chooses, and checks that
// a chunk size never changes what is read; then writes the book in both versions and checks
// that reading it back gives the same contacts and groups, with nothing skipped or reported.
#include "contacts/core/vcard.h"

#include <QBuffer>

#include <cstdlib>

namespace {

vcard::Book readAll(const QByteArray& bytes, qsizetype chunkSize)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    vcard::Book book = vcard::readBook(buffer, chunkSize);
    if (!book.error.isEmpty() || book.contacts.size() != book.contactReports.size() ||
        book.groups.size() != book.groupReports.size())
        abort();
    return book;
}

bool sameBook(const vcard::Book& a, const vcard::Book& b)
{
    return a.contacts == b.contacts && a.groups == b.groups;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype chunk = data[0] < 200 ? data[0] % 17 + 1 : 4096;
    const QByteArray file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const vcard::Book book = readAll(file, chunk);
    const vcard::Book whole = readAll(file, vcard::Reader::kDefaultChunkSize);
    if (!sameBook(book, whole) || book.skipped != whole.skipped)
        abort();

    for (const vcard::Version version : {vcard::Version::V40, vcard::Version::V30}) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        vcard::Writer writer(out, version);
        for (const ContactRecord& contact : book.contacts)
            writer.contact(contact);
        for (const GroupRecord& group : book.groups)
            writer.group(group);
        if (!writer.finish())
            abort();
        const vcard::Book again = readAll(out.data(), chunk);
        if (!sameBook(book, again) || again.skipped != 0)
            abort();
        for (const vcard::FitReport& report : again.contactReports) {
            if (!report.empty())
                abort();
        }
    }
    return 0;
}
