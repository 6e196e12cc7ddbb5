#include "tools/cli/bookjson.h"

#include "tools/cli/command.h"

namespace cli {

using recordjson::Json;

namespace {

contactstext::Fields fieldsOf(const ContactRecord& contact)
{
    contactstext::Fields fields;
    for (size_t i = 0; i < kContactFields.size(); ++i)
        fields[i] = contact.*kContactFields[i].member;
    return fields;
}

GroupRecord groupFromJson(const Json& o, const std::string& where)
{
    recordjson::rejectUnknownMembers(o, {"strName", "members"}, where);
    GroupRecord group;
    // The form carries no group ids: the merge finds groups by name.
    group.nGroupId = -1;
    group.strName = recordjson::stringMember(o, "strName", where);
    const auto it = o.find("members");
    if (it == o.end())
        return group;
    if (!it->is_array() || it->size() > size_t(MAX_GROUP_MEMBERS))
        throw recordjson::FormError(where + ": \"members\" must be an array of at most " +
                                    std::to_string(MAX_GROUP_MEMBERS) + " members");
    for (const Json& m : *it) {
        const std::string at = where + ".members[" + std::to_string(group.nMemberCount) + "]";
        recordjson::rejectUnknownMembers(m, {"nKind", "strEntry"}, at);
        group.aMembers[size_t(group.nMemberCount++)] = {
            recordjson::int32Member(m, "nKind", at, 0),
            recordjson::stringMember(m, "strEntry", at)};
    }
    return group;
}

const char* kindName(contactmerge::Kind kind)
{
    switch (kind) {
    case contactmerge::Kind::Contact:
        break;
    case contactmerge::Kind::Group:
        return "group";
    case contactmerge::Kind::Member:
        return "member";
    }
    return "contact";
}

} // namespace

Json bookToJson(const std::vector<ContactRecord>& contacts, const std::vector<GroupRecord>& groups,
                std::span<const std::string> uids)
{
    Json contactList = Json::array();
    for (size_t i = 0; i < contacts.size(); ++i) {
        Json contact = Json::object();
        if (i < uids.size() && !uids[i].empty())
            contact["uid"] = uids[i];
        contact.update(recordjson::contactFieldsToJson(fieldsOf(contacts[i])));
        contactList.push_back(std::move(contact));
    }
    Json groupList = Json::array();
    for (const GroupRecord& group : groups) {
        Json members = Json::array();
        for (int m = 0; m < group.nMemberCount; ++m) {
            const GroupMember& member = group.aMembers[size_t(m)];
            members.push_back(
                {{"nKind", member.nKind}, {"strEntry", recordjson::bytesToUtf8(member.strEntry)}});
        }
        groupList.push_back(
            {{"strName", recordjson::bytesToUtf8(group.strName)}, {"members", members}});
    }
    return Json{{"contacts", contactList}, {"groups", groupList}};
}

// False when the file cannot be read or is not such a book (told on the error output).
bool readJsonBook(const QString& path, JsonBook* out)
{
    try {
        const Json book = recordjson::readJsonFile(path.toStdString());
        recordjson::rejectUnknownMembers(book, {"contacts", "groups", "skipped", "report"},
                                         "document");
        for (const char* key : {"contacts", "groups"}) {
            if (book.contains(key) && !book[key].is_array())
                throw recordjson::FormError(std::string("document: \"") + key +
                                            "\" must be an array");
        }
        size_t index = 0;
        for (const Json& item : book.value("contacts", Json::array())) {
            const std::string where = "contacts[" + std::to_string(index++) + "]";
            std::string& uid = out->uids.emplace_back();
            const auto found = item.is_object() ? item.find("uid") : item.end();
            if (found != item.end() && !found->is_string())
                throw recordjson::FormError(where + ": \"uid\" must be a string");
            Json withoutUid;
            if (found != item.end()) {
                uid = found->get<std::string>();
                withoutUid = item;
                withoutUid.erase("uid");
            }
            const contactstext::Fields values =
                recordjson::contactFieldsFromJson(found != item.end() ? withoutUid : item, where);
            ContactRecord& contact = out->contacts.emplace_back();
            for (size_t i = 0; i < kContactFields.size(); ++i)
                contact.*kContactFields[i].member = values[i];
        }
        index = 0;
        for (const Json& item : book.value("groups", Json::array()))
            out->groups.push_back(groupFromJson(item, "groups[" + std::to_string(index++) + "]"));
    } catch (const recordjson::FormError& e) {
        printError(std::string(e.what()));
        return false;
    }
    return true;
}

Json mergeToJson(const contactmerge::Result& result)
{
    using recordjson::bytesToUtf8;
    Json conflicts = Json::array();
    for (const contactmerge::Conflict& c : result.conflicts()) {
        conflicts.push_back({{"uid", c.uid},
                             {"name", bytesToUtf8(c.name)},
                             {"field", c.field},
                             {"base", bytesToUtf8(c.base)},
                             {"local", bytesToUtf8(c.local)},
                             {"remote", bytesToUtf8(c.remote)}});
    }
    Json unfit = Json::array();
    for (const contactmerge::Unfit& u : result.unfit()) {
        unfit.push_back({{"kind", kindName(u.kind)},
                         {"uid", u.uid},
                         {"name", bytesToUtf8(u.name)},
                         {"reason", u.reason}});
    }
    const contactmerge::Counts& n = result.counts();
    return Json{{"merged", bookToJson(result.contacts(), result.groups(), result.uids())},
                   {"conflicts", conflicts},
                   {"counts",
                    {{"added", n.added},
                     {"removed", n.removed},
                     {"changed", n.changed},
                     {"conflicts", n.conflicts}}},
                   {"unfit", unfit}};
}

} // namespace cli
