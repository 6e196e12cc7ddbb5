#include "tools/common/pagerimage.h"

#include "contacts/core/addressbook.h"

#include <algorithm>
#include <bitset>
#include <limits>
#include <optional>
#include <set>

using recordjson::FormError;

namespace pagerimage {
namespace {

constexpr qint64 kInt32Min = std::numeric_limits<qint32>::min();
constexpr qint64 kInt32Max = std::numeric_limits<qint32>::max();

std::string quoted(const char* key)
{
    return std::string("\"") + key + "\"";
}

// A whole number in [min, max]. A number written above the signed 64-bit range is compared
// as the unsigned number it is, never wrapped into a small negative one that would pass.
qint64 intMember(const Json& object, const char* key, const std::string& where, qint64 min,
                 qint64 max, std::optional<qint64> fallback)
{
    const auto it = object.find(key);
    if (it == object.end()) {
        if (!fallback)
            throw FormError(where + ": " + quoted(key) + " is missing");
        return *fallback;
    }
    if (!it->is_number_integer())
        throw FormError(where + ": " + quoted(key) + " must be a whole number");
    bool inRange = false;
    if (it->is_number_unsigned()) {
        const auto value = it->get<quint64>();
        inRange =
            value <= static_cast<quint64>(max) && (min <= 0 || value >= static_cast<quint64>(min));
    } else {
        const auto value = it->get<qint64>();
        inRange = value >= min && value <= max;
    }
    if (!inRange)
        throw FormError(where + ": " + quoted(key) + " must be " + std::to_string(min) + " to " +
                        std::to_string(max));
    return it->get<qint64>();
}

qint32 int32In(const Json& object, const char* key, const std::string& where, qint64 min,
               qint64 max, std::optional<qint64> fallback)
{
    return static_cast<qint32>(intMember(object, key, where, min, max, fallback));
}

quint16 uint16In(const Json& object, const char* key, const std::string& where)
{
    return static_cast<quint16>(intMember(object, key, where, 0, 0xFFFF, 0));
}

std::string boundedString(const Json& object, const char* key, const std::string& where, size_t max)
{
    std::string bytes = recordjson::stringMember(object, key, where);
    if (bytes.size() > max)
        throw FormError(where + ": " + quoted(key) + " is " + std::to_string(bytes.size()) +
                        " bytes long; at most " + std::to_string(max) + " fit");
    return bytes;
}

const Json& arrayMember(const Json& object, const char* key, const std::string& where, size_t max)
{
    static const Json kEmpty = Json::array();
    const auto it = object.find(key);
    if (it == object.end())
        return kEmpty;
    if (!it->is_array())
        throw FormError(where + ": " + quoted(key) + " must be an array");
    if (it->size() > max)
        throw FormError(where + ": " + quoted(key) + " has " + std::to_string(it->size()) +
                        " entries; at most " + std::to_string(max) + " fit");
    return *it;
}

std::string item(const std::string& where, const char* key, size_t index)
{
    return where + "." + key + "[" + std::to_string(index) + "]";
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The folder number a slot of FolderNameSlots stands for.
int slotFolder(size_t slot)
{
    return static_cast<int>(slot) + 4;
}

FolderNameSlots folderNamesFromJson(const Json& object, const std::string& where)
{
    if (!object.is_object())
        throw FormError(where + ": an object was expected");
    FolderNameSlots names;
    for (const auto& entry : object.items()) {
        size_t slot = 0;
        while (slot < names.size() && entry.key() != std::to_string(slotFolder(slot)))
            ++slot;
        if (slot == names.size())
            throw FormError(where + ": \"" + entry.key() +
                            "\" is not a folder with a name of the pager's (\"4\" to \"14\")");
        std::string name =
            boundedString(object, entry.key().c_str(), where, FOLDER_NAME_SLOT_BYTES);
        // A slot is text up to its first zero byte: a zero inside would cut the name.
        if (name.find('\0') != std::string::npos)
            throw FormError(where + ": \"" + entry.key() + "\" holds a zero character");
        names[slot] = std::move(name);
    }
    return names;
}

} // namespace

Json deviceMessageToJson(const DeviceMessage& m)
{
    return Json{
        {"folder", m.nFolder},
        {"month", m.nMonth},
        {"day", m.nDay},
        {"year", m.nYear},
        {"hour", m.nHour},
        {"minute", m.nMinute},
        {"header", recordjson::bytesToUtf8(m.strHeader)},
        {"text", recordjson::bytesToUtf8(m.strText)},
        {"address", recordjson::bytesToUtf8(m.strAddress)},
    };
}

DeviceMessage deviceMessageFromJson(const Json& o, const std::string& where)
{
    recordjson::rejectUnknownMembers(
        o, {"folder", "month", "day", "year", "hour", "minute", "header", "text", "address"},
        where);
    DeviceMessage m;
    m.nFolder = static_cast<quint16>(intMember(o, "folder", where, 1, PAGER_FOLDER_COUNT, {}));
    m.nMonth = uint16In(o, "month", where);
    m.nDay = uint16In(o, "day", where);
    m.nYear = uint16In(o, "year", where);
    m.nHour = uint16In(o, "hour", where);
    m.nMinute = uint16In(o, "minute", where);
    m.strHeader = boundedString(o, "header", where, MAX_MESSAGE_FIELD);
    m.strText = boundedString(o, "text", where, MAX_MESSAGE_FIELD);
    m.strAddress = boundedString(o, "address", where, MAX_MESSAGE_FIELD);
    return m;
}

Json contactToJson(const ContactRecord& c)
{
    Json o{{"nIndex", c.nIndex}, {"nGroup", c.nGroup}};
    for (const ContactField& field : kContactFields)
        o[field.fieldName] = recordjson::bytesToUtf8(c.*field.member);
    return o;
}

ContactRecord contactFromJson(const Json& o, const std::string& where)
{
    if (!o.is_object())
        throw FormError(where + ": an object was expected");
    for (const auto& entry : o.items()) {
        const bool known =
            entry.key() == "nIndex" || entry.key() == "nGroup" ||
            std::any_of(kContactFields.begin(), kContactFields.end(),
                        [&](const ContactField& f) { return entry.key() == f.fieldName; });
        if (!known)
            throw FormError(where + ": unknown member \"" + entry.key() + "\"");
    }
    ContactRecord c;
    c.nIndex = int32In(o, "nIndex", where, 0, MAX_CONTACTS - 1, {});
    // -1 is the Contacts folder; lower keys are the tree's roots.
    c.nGroup = int32In(o, "nGroup", where, KEY_CONTACTS, kInt32Max, {});
    // A contact has every field: one left out is a mistake, not an empty field.
    for (const ContactField& field : kContactFields) {
        if (!o.contains(field.fieldName))
            throw FormError(where + ": " + quoted(field.fieldName) + " is missing");
    }
    for (const ContactField& field : kContactFields)
        c.*field.member = boundedString(o, field.fieldName, where, static_cast<size_t>(field.nMax));
    c.nKey = 0;
    return c;
}

Json groupToJson(const GroupRecord& g)
{
    const auto memberCount = static_cast<size_t>(std::clamp(g.nMemberCount, 0, MAX_GROUP_MEMBERS));
    const auto blockLength = static_cast<size_t>(std::clamp(g.nBlockLength, 0, GROUP_BLOCK_SIZE));
    Json members = Json::array();
    for (size_t i = 0; i < memberCount; ++i)
        members.push_back(Json{{"nKind", g.aMembers[i].nKind},
                               {"strEntry", recordjson::bytesToUtf8(g.aMembers[i].strEntry)}});
    return Json{
        {"nGroupId", g.nGroupId},
        {"nParent", g.nParent},
        {"strName", recordjson::bytesToUtf8(g.strName)},
        {"members", std::move(members)},
        {"block", recordjson::bytesToHex(std::span<const quint8>(g.abyBlock.data(), blockLength))},
    };
}

GroupRecord groupFromJson(const Json& o, const std::string& where)
{
    recordjson::rejectUnknownMembers(o, {"nGroupId", "nParent", "strName", "members", "block"},
                                     where);
    GroupRecord g;
    // Negative keys name the tree's roots, never a group.
    g.nGroupId = int32In(o, "nGroupId", where, 0, kInt32Max, {});
    g.nParent = int32In(o, "nParent", where, -1, kInt32Max, -1);
    g.strName = boundedString(o, "strName", where, MAX_GROUP_NAME);
    const Json& members = arrayMember(o, "members", where, MAX_GROUP_MEMBERS);
    for (size_t i = 0; i < members.size(); ++i) {
        const std::string at = item(where, "members", i);
        recordjson::rejectUnknownMembers(members[i], {"nKind", "strEntry"}, at);
        g.aMembers[i].nKind = int32In(members[i], "nKind", at, kInt32Min, kInt32Max, 0);
        g.aMembers[i].strEntry = boundedString(members[i], "strEntry", at, MAX_MEMBER_ENTRY);
    }
    g.nMemberCount = static_cast<qint32>(members.size());
    const auto block = o.find("block");
    if (block != o.end()) {
        if (!block->is_string())
            throw FormError(where + ": \"block\" must be a string");
        const std::vector<quint8> bytes = blockFromHex(block->get<std::string>(), where + ".block");
        std::copy(bytes.begin(), bytes.end(), g.abyBlock.begin());
        g.nBlockLength = static_cast<qint32>(bytes.size());
    }
    return g;
}

std::vector<quint8> blockFromHex(const std::string& hex, const std::string& where)
{
    if (hex.empty())
        return {};
    // Counted before anything is kept, so a huge string costs nothing.
    const size_t count = (hex.size() + 1) / 3;
    if (count > static_cast<size_t>(GROUP_BLOCK_SIZE))
        throw FormError(where + ": " + std::to_string(count) + " bytes; a block holds at most " +
                        std::to_string(GROUP_BLOCK_SIZE));
    if (hex.size() != count * 3 - 1)
        throw FormError(where + ": two hex digits per byte, separated by single blanks, "
                                "were expected");
    std::vector<quint8> bytes;
    bytes.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const size_t at = i * 3;
        const int high = hexDigit(hex[at]);
        const int low = hexDigit(hex[at + 1]);
        if (high < 0 || low < 0 || (at + 2 < hex.size() && hex[at + 2] != ' '))
            throw FormError(where + ": byte " + std::to_string(i + 1) +
                            " is not two hex digits followed by a single blank");
        bytes.push_back(static_cast<quint8>(high << 4 | low));
    }
    return bytes;
}

} // namespace pagerimage

using namespace pagerimage;

Json PagerImage::messagesToJson() const
{
    Json names = Json::object();
    for (size_t slot = 0; slot < folderNames.size(); ++slot)
        names[std::to_string(slotFolder(slot))] = recordjson::bytesToUtf8(folderNames[slot]);
    Json list = Json::array();
    for (const DeviceMessage& message : messages)
        list.push_back(deviceMessageToJson(message));
    return Json{{"folderNames", std::move(names)}, {"messages", std::move(list)}};
}

Json PagerImage::addressBookToJson() const
{
    Json contactList = Json::array();
    for (const ContactRecord& contact : contacts)
        contactList.push_back(contactToJson(contact));
    Json groupList = Json::array();
    for (const GroupRecord& group : groups)
        groupList.push_back(groupToJson(group));
    return Json{{"contacts", std::move(contactList)}, {"groups", std::move(groupList)}};
}

Json PagerImage::toJson() const
{
    return Json{{"messages", messagesToJson()}, {"addressBook", addressBookToJson()}};
}

void PagerImage::messagesFromJson(const Json& o, const std::string& where)
{
    recordjson::rejectUnknownMembers(o, {"folderNames", "messages"}, where);
    FolderNameSlots names;
    if (const auto it = o.find("folderNames"); it != o.end())
        names = folderNamesFromJson(*it, where + ".folderNames");
    const Json& list = arrayMember(o, "messages", where, MAX_MESSAGES);
    std::vector<DeviceMessage> read;
    read.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i)
        read.push_back(deviceMessageFromJson(list[i], item(where, "messages", i)));
    folderNames = std::move(names);
    messages = std::move(read);
}

void PagerImage::addressBookFromJson(const Json& o, const std::string& where)
{
    recordjson::rejectUnknownMembers(o, {"contacts", "groups"}, where);
    const Json& contactList = arrayMember(o, "contacts", where, MAX_CONTACTS);
    std::vector<ContactRecord> readContacts;
    readContacts.reserve(contactList.size());
    std::bitset<MAX_CONTACTS> slots;
    for (size_t i = 0; i < contactList.size(); ++i) {
        const std::string at = item(where, "contacts", i);
        ContactRecord contact = contactFromJson(contactList[i], at);
        const auto slot = static_cast<size_t>(contact.nIndex);
        if (slots.test(slot))
            throw FormError(at + ": slot \"nIndex\" " + std::to_string(slot) +
                            " is taken by an earlier contact");
        slots.set(slot);
        readContacts.push_back(std::move(contact));
    }
    const Json& groupList = arrayMember(o, "groups", where, MAX_BOOK_GROUPS);
    std::vector<GroupRecord> readGroups;
    readGroups.reserve(groupList.size());
    std::set<qint32> ids;
    for (size_t i = 0; i < groupList.size(); ++i) {
        const std::string at = item(where, "groups", i);
        GroupRecord group = groupFromJson(groupList[i], at);
        if (!ids.insert(group.nGroupId).second)
            throw FormError(at + ": \"nGroupId\" " + std::to_string(group.nGroupId) +
                            " is taken by an earlier group");
        readGroups.push_back(std::move(group));
    }
    // Every group a contact or a group names is there, and no group is its own ancestor:
    // the tree of groups must end at the root.
    for (size_t i = 0; i < readContacts.size(); ++i) {
        const qint32 group = readContacts[i].nGroup;
        if (group != KEY_CONTACTS && !ids.count(group))
            throw FormError(item(where, "contacts", i) + ": \"nGroup\" " + std::to_string(group) +
                            " names no group of this address book");
    }
    for (size_t i = 0; i < readGroups.size(); ++i) {
        const std::string at = item(where, "groups", i);
        if (readGroups[i].nParent == readGroups[i].nGroupId)
            throw FormError(at + ": \"nParent\" " + std::to_string(readGroups[i].nParent) +
                            " is the group itself");
        // Up the parents: a walk longer than the number of groups has gone round a cycle.
        qint32 parent = readGroups[i].nParent;
        for (size_t steps = 0; parent != -1; ++steps) {
            const auto up =
                std::find_if(readGroups.begin(), readGroups.end(),
                             [&](const GroupRecord& g) { return g.nGroupId == parent; });
            if (up == readGroups.end())
                break;
            if (steps > readGroups.size() || up->nGroupId == readGroups[i].nGroupId)
                throw FormError(at + ": \"nParent\" " + std::to_string(readGroups[i].nParent) +
                                " leads round a cycle of groups back to this one");
            parent = up->nParent;
        }
    }
    // What the fields above let through, the address book itself must keep.
    if (const int check =
            addressbook::checkBook(readContacts, readGroups, MAX_CONTACTS, MAX_BOOK_GROUPS))
        throw FormError(where + ": " + addressbook::errorText(check).toStdString());
    contacts = std::move(readContacts);
    groups = std::move(readGroups);
}

PagerImage PagerImage::fromJson(const Json& o, const std::string& where)
{
    recordjson::rejectUnknownMembers(o, {"messages", "addressBook"}, where);
    PagerImage image;
    if (const auto it = o.find("messages"); it != o.end())
        image.messagesFromJson(*it, where + ".messages");
    if (const auto it = o.find("addressBook"); it != o.end())
        image.addressBookFromJson(*it, where + ".addressBook");
    return image;
}

PagerImage PagerImage::readFile(const std::string& path)
{
    return fromJson(recordjson::readJsonFile(path), path);
}
