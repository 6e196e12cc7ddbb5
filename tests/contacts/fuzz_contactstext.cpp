// Feeds any bytes to the contacts reader, in chunks of a size the input chooses, and
// checks it against a plain whole-buffer reading; then writes what it read and reads that
// back.
#include "contacts/core/contactstext.h"

#include <QBuffer>

#include <cstdlib>
#include <vector>

namespace {

using contactstext::Fields;

std::vector<Fields> readAll(const QByteArray& bytes, qsizetype chunkSize)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    contactstext::Reader reader(buffer, chunkSize);
    std::vector<Fields> out;
    Fields fields;
    while (reader.next(fields))
        out.push_back(fields);
    if (!reader.error().isEmpty())
        abort();
    return out;
}

// The same rules over the whole file at once.
std::vector<Fields> reference(std::string_view file)
{
    std::vector<Fields> out;
    bool first = true;
    while (!file.empty()) {
        const size_t lf = file.find('\n');
        std::string_view line = file.substr(0, lf);
        file.remove_prefix(lf == std::string_view::npos ? file.size() : lf + 1);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool header = first && line.find("First Name") != std::string_view::npos;
        first = false;
        if (!header && !line.empty())
            out.push_back(contactstext::splitLine(line));
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype chunk = data[0] < 200 ? data[0] % 17 + 1 : 4096;
    const QByteArray file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const std::vector<Fields> contacts = readAll(file, chunk);
    if (contacts != reference(std::string_view(file.constData(), size_t(file.size()))))
        abort();

    ContactList list;
    for (const Fields& fields : contacts) {
        ContactRecord& record = list.emplace_back();
        for (size_t i = 0; i < fields.size(); ++i)
            record.*kContactFields[i].member = fields[i];
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!contactstext::write(out, list) || readAll(out.data(), chunk) != contacts)
        abort();
    return 0;
}
