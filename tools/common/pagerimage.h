#pragma once
// The JSON form of a whole pager: its folder names and messages, and its address memory.
// `quillbox-cli pager ...` and the pager simulator read and write it.
//
//   messages:     {"folderNames": {"4": "...", ..., "14": "..."},
//                  "messages": [{"folder", "month", "day", "year", "hour", "minute",
//                                "header", "text", "address"}, ...]}
//   address book: {"contacts": [{"nIndex", "nGroup", "strFirstName", ..., "strNote"}, ...],
//                  "groups": [{"nGroupId", "nParent", "strName",
//                              "members": [{"nKind", "strEntry"}, ...], "block": "15 ... 00"}]}
//   pager image:  {"messages": <messages>, "addressBook": <address book>}
//
// Reading is strict: an unknown member, a value of the wrong type or outside what the pager
// keeps, a contact field left out, a contact in a group that is not there, or a group that
// is its own parent or ancestor, is a recordjson::FormError that names the place. Other
// members left out take their empty value (0, "", -1 for nParent), except "folder" and
// "nGroupId".

#include "contacts/core/contactrecord.h"
#include "messages/core/messagerecord.h"
#include "tools/common/recordjson.h"

#include <string>
#include <vector>

namespace pagerimage {

using recordjson::Json;

// What one pager holds beyond the records' own limits.
constexpr size_t MAX_MESSAGES = 65535;
constexpr size_t MAX_MESSAGE_FIELD = 65535; // header, text and address, in bytes

Json deviceMessageToJson(const DeviceMessage& message);
DeviceMessage deviceMessageFromJson(const Json& object, const std::string& where);
// nKey is the program's and is not part of the form; it reads as 0.
Json contactToJson(const ContactRecord& contact);
ContactRecord contactFromJson(const Json& object, const std::string& where);
// Members and block are written as far as nMemberCount and nBlockLength reach; reading sets
// both counts from what is there.
Json groupToJson(const GroupRecord& group);
GroupRecord groupFromJson(const Json& object, const std::string& where);

// A group block as recordjson::bytesToHex writes it ("15 70 00", "" for none), read back
// strictly: two hex digits (either case) per byte, single blanks between, at most
// GROUP_BLOCK_SIZE bytes.
std::vector<quint8> blockFromHex(const std::string& hex, const std::string& where);

} // namespace pagerimage

struct PagerImage
{
    FolderNameSlots folderNames; // folders 4..14; empty = the folder keeps its own name
    std::vector<DeviceMessage> messages;
    std::vector<ContactRecord> contacts;
    std::vector<GroupRecord> groups;

    pagerimage::Json toJson() const;
    pagerimage::Json messagesToJson() const;
    pagerimage::Json addressBookToJson() const;

    // Each reader replaces only its own part, and only when the whole document is good.
    static PagerImage fromJson(const pagerimage::Json& object, const std::string& where);
    void messagesFromJson(const pagerimage::Json& object, const std::string& where);
    void addressBookFromJson(const pagerimage::Json& object, const std::string& where);

    // A pager image file; FormError names the file.
    static PagerImage readFile(const std::string& path);
};
