#pragma once
// A full address memory for the benchmarks: 250 contacts, every field at its limit, first
// names spread so that each sorted insertion lands somewhere new.

#include "contacts/core/contactrecord.h"

#include <string>

inline ContactList fullBook()
{
    ContactList contacts;
    for (int i = 0; i < MAX_CONTACTS; ++i) {
        ContactRecord& record = contacts.emplace_back();
        for (const ContactField& field : kContactFields) {
            std::string value = std::to_string((i * 7919) % MAX_CONTACTS) + field.headerName;
            value.resize(static_cast<size_t>(field.nMax), static_cast<char>('a' + i % 26));
            record.*field.member = value;
        }
    }
    return contacts;
}
