// Feeds any bytes to the card editor as a server's card: a contact with the card's own
// fields leaves it byte for byte as it was, and an edit of one field reads back with that
// field (or, for a card the reader cannot place it in, at least ends).
#include "carddav/cardedit.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray card(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const carddav::ServerCard read = carddav::readServerCard(card);
    if (carddav::editCard(card, read.contact) != card)
        abort();
    if (!read.readable || read.isGroup)
        return 0;
    ContactRecord changed = read.contact;
    const ContactField& field = kContactFields[data[0] % kContactFields.size()];
    changed.*field.member = "fuzz value";
    carddav::editCard(card, changed);
    return 0;
}
