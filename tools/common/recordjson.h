#pragma once
// JSON forms of the records, shared by the command-line tool and the pager simulator.
// Strings in records are bytes; in JSON each byte is the character of the same number
// (Latin-1), so nothing is lost either way.

#include "contacts/core/contactrecord.h"
#include "contacts/core/contactstext.h"
#include "messages/core/messagerecord.h"

#include <nlohmann/json.hpp>

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace recordjson {

using Json = nlohmann::ordered_json;

// Thrown for a document that does not have the expected form; the text says where.
struct FormError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string bytesToUtf8(std::string_view bytes);
// Throws FormError for a character above U+00FF.
std::string utf8ToBytes(const std::string& utf8, const std::string& where);

Json messageRecordToJson(const MessageRecord& record);
MessageRecord messageRecordFromJson(const Json& object, const std::string& where);

Json contactFieldsToJson(const contactstext::Fields& fields);
contactstext::Fields contactFieldsFromJson(const Json& object, const std::string& where);

// Bytes as upper-case two-digit hex separated by single blanks ("15 02 12 3C").
std::string bytesToHex(std::span<const quint8> bytes);
// Two-digit hex bytes, blanks allowed between them; false on anything else.
bool hexToBytes(std::string_view text, std::vector<quint8>* bytes);

// Reads a whole JSON file; throws FormError with the file's name on failure.
Json readJsonFile(const std::string& path);

// FormError naming the first of these members that object lacks.
void requireMembers(const Json& object, std::initializer_list<const char*> required,
                    const std::string& where);

// Helpers for strict reading: a member of the right type, or FormError.
qint32 int32Member(const Json& object, const char* key, const std::string& where, qint32 fallback);
std::string stringMember(const Json& object, const char* key, const std::string& where);
void rejectUnknownMembers(const Json& object, std::initializer_list<const char*> known,
                          const std::string& where);

} // namespace recordjson
