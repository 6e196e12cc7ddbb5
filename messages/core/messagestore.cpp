#include "messages/core/messagestore.h"

#include "platform/newfoldername.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <iterator>
#include <limits>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {

using RecordIt = RecordList::iterator;

constexpr qint32 kTopNumber = std::numeric_limits<qint32>::max();

// Numbers only go up; at the very top a counter stays put rather than wrapping into the
// negative numbers, which name no record.
qint32 nextNumber(qint32 n)
{
    return n < kTopNumber ? n + 1 : n;
}

// Where a companion belongs: its message's folder pair and number.
struct Place
{
    qint32 nParentId;
    qint32 nFolderId;
    qint32 nMessageId;
    bool operator==(const Place&) const = default;
};

struct PlaceHash
{
    size_t operator()(const Place& p) const noexcept
    {
        const quint64 a = static_cast<quint32>(p.nParentId);
        const quint64 b = static_cast<quint32>(p.nFolderId);
        const quint64 c = static_cast<quint32>(p.nMessageId);
        return std::hash<quint64>()((a * 0x9E3779B97F4A7C15ULL) ^ (b << 32) ^ c);
    }
};

Place placeOf(const MessageRecord& r)
{
    return {r.nParentId, r.nFolderId, r.nMessageId};
}

void takePlace(MessageRecord& r, const MessageRecord& folder)
{
    r.strName = folder.strName;
    r.strParentName = folder.strParentName;
    r.nParentId = folder.nParentId;
    r.nFolderId = folder.nFolderId;
}

// The ids a batch can reach: a batch stops at the first number below 1.
std::span<const qint32> leadingValidIds(std::span<const qint32> ids)
{
    size_t n = 0;
    while (n < ids.size() && ids[n] >= 1)
        ++n;
    return ids.first(n);
}

// A pager slot is a 16-byte C string: its text ends at the first zero byte.
std::string slotText(const std::string& slot)
{
    const size_t end = std::min(slot.find('\0'), static_cast<size_t>(FOLDER_NAME_SLOT_BYTES));
    return slot.substr(0, end);
}

} // namespace

std::string MessageTitle(std::string_view text)
{
    constexpr size_t kTitleBytes = 20;
    std::string title;
    title.reserve(std::min(text.size(), kTitleBytes));
    for (const char c : text) {
        if (title.size() == kTitleBytes)
            break;
        if (c != '\r' && c != '\n')
            title.push_back(c);
    }
    return title;
}

std::string MessageDate(int year, int month, int day, int hour, int minute)
{
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d", year, month, day,
                                hour, minute);
    return std::string(buffer, std::min(n > 0 ? static_cast<size_t>(n) : 0, sizeof buffer - 1));
}

// --- whole list -------------------------------------------------------------------------

void MessageStore::DeleteAllRecords()
{
    m_records.clear();
}

void MessageStore::RemovePagerRecords(bool all)
{
    m_records.remove_if([all](const MessageRecord& r) {
        return r.nParentId == PARENT_PAGER && (all || r.nKind != KIND_FOLDER);
    });
}

void MessageStore::SetUpFolders(bool createDefaultLocalFolders)
{
    RemovePagerRecords(true);
    AddPagerFolders();
    if (createDefaultLocalFolders) {
        for (const char* name : kDefaultLocalFolderNames)
            InsertFolder(name, "LocalFolder", PARENT_LOCAL);
    }
}

void MessageStore::AddPagerFolders()
{
    qint32 number = 1;
    for (const char* name : kPagerFolderNames) {
        MessageRecord folder;
        folder.strName = name;
        folder.strParentName = "PAGER";
        folder.nKind = KIND_FOLDER;
        folder.nFolderId = number++;
        folder.nParentId = PARENT_PAGER;
        m_records.push_back(std::move(folder));
    }
}

void MessageStore::TakeDownloadedMessages(const std::vector<DeviceMessage>& messages,
                                          const FolderNameSlots& folderNames)
{
    RemovePagerRecords(false);

    constexpr qint32 kFirstNamedFolder = 4;
    std::vector<MessageRecord*> pagerFolders;
    for (MessageRecord& r : m_records) {
        if (r.nKind != KIND_FOLDER || r.nParentId != PARENT_PAGER)
            continue;
        r.nCount = 0;
        const qint32 slot = r.nFolderId - kFirstNamedFolder;
        if (slot >= 0 && slot < FOLDER_NAME_SLOTS) {
            std::string name = slotText(folderNames[static_cast<size_t>(slot)]);
            if (!name.empty())
                r.strName = std::move(name);
        }
        pagerFolders.push_back(&r);
    }

    for (const DeviceMessage& in : messages) {
        for (MessageRecord* folder : pagerFolders) {
            if (folder->nFolderId != in.nFolder)
                continue;
            MessageRecord message;
            message.strName = folder->strName;
            message.strParentName = folder->strParentName;
            message.nKind = KIND_MESSAGE;
            message.nFolderId = folder->nFolderId;
            message.nParentId = folder->nParentId;
            message.strAddress = in.strAddress;
            message.strHeader = in.strHeader;
            message.strText = in.strText;
            message.strTitle = MessageTitle(in.strText);
            message.strDate = MessageDate(in.nYear, in.nMonth, in.nDay, in.nHour, in.nMinute);
            message.strOrigin = std::to_string(in.nFolder);
            message.nMessageId = m_counters.nextMessageId;
            m_counters.nextMessageId = nextNumber(m_counters.nextMessageId);

            MessageRecord companion = message;
            companion.nKind = KIND_COMPANION;
            companion.strAddress.clear();

            m_records.push_back(std::move(message));
            m_records.push_back(std::move(companion));
            ++folder->nCount;
        }
    }
}

// --- lookups ------------------------------------------------------------------------------

template <typename Match> MessageRecord* MessageStore::findNumbered(qint32 number, Match match)
{
    if (number < 1)
        return nullptr;
    for (MessageRecord& r : m_records) {
        if (match(r))
            return &r;
    }
    return nullptr;
}

MessageRecord* MessageStore::findFolder(qint32 parentId, qint32 folderId)
{
    return findNumbered(folderId, [&](const MessageRecord& r) {
        return r.nKind == KIND_FOLDER && r.nParentId == parentId && r.nFolderId == folderId;
    });
}

MessageRecord* MessageStore::findFolderById(qint32 folderId)
{
    return findNumbered(folderId, [&](const MessageRecord& r) {
        return r.nKind == KIND_FOLDER && r.nFolderId == folderId;
    });
}

MessageRecord* MessageStore::findMessage(qint32 messageId)
{
    return findNumbered(messageId, [&](const MessageRecord& r) {
        return r.nKind == KIND_MESSAGE && r.nMessageId == messageId;
    });
}

std::vector<MessageRecord*> MessageStore::folderMessages(const MessageRecord& folder)
{
    std::vector<MessageRecord*> result;
    for (MessageRecord& r : m_records) {
        if (r.nKind == KIND_MESSAGE && r.nParentId == folder.nParentId &&
            r.nFolderId == folder.nFolderId)
            result.push_back(&r);
    }
    return result;
}

std::vector<MessageRecord*> MessageStore::childFolders(qint32 parentId)
{
    std::vector<MessageRecord*> result;
    for (MessageRecord& r : m_records) {
        if (r.nKind == KIND_FOLDER && r.nParentId == parentId)
            result.push_back(&r);
    }
    return result;
}

bool MessageStore::isPagerFolderId(qint32 folderId) const
{
    if (folderId < 1)
        return false;
    for (const MessageRecord& r : m_records) {
        if (r.nKind == KIND_FOLDER && r.nFolderId == folderId && r.nParentId == PARENT_PAGER)
            return true;
    }
    return false;
}

// --- folders ------------------------------------------------------------------------------

std::string MessageStore::NewFolderName(std::span<const std::string> siblingTexts,
                                        const std::string& base)
{
    return platform::newFolderName(siblingTexts, base);
}

MessageRecord& MessageStore::InsertFolder(std::string_view name, std::string_view parentName,
                                          qint32 parentId)
{
    MessageRecord folder;
    folder.strName = name;
    folder.strParentName = parentName;
    folder.nKind = KIND_FOLDER;
    folder.nFolderId = m_counters.nextFolderId;
    folder.nParentId = parentId;
    m_counters.nextFolderId = nextNumber(m_counters.nextFolderId);
    m_records.push_back(std::move(folder));
    return m_records.back();
}

bool MessageStore::DeleteFolder(qint32 parentId, qint32 folderId)
{
    if (folderId < 1)
        return false;
    MessageRecord* root = findFolder(parentId, folderId);
    if (!root)
        return false;

    // Subfolders are found by number: every folder whose parent number is one being
    // deleted goes too. Each number is expanded once, so a damaged file whose folders
    // name each other as parents cannot loop.
    std::unordered_map<qint32, std::vector<MessageRecord*>> foldersByParent;
    for (MessageRecord& r : m_records) {
        if (r.nKind == KIND_FOLDER)
            foldersByParent[r.nParentId].push_back(&r);
    }
    std::unordered_set<const MessageRecord*> doomedFolders{root};
    std::unordered_set<qint32> expanded{folderId};
    std::vector<qint32> pending{folderId};
    while (!pending.empty()) {
        const qint32 number = pending.back();
        pending.pop_back();
        const auto children = foldersByParent.find(number);
        if (children == foldersByParent.end())
            continue;
        for (MessageRecord* child : children->second) {
            doomedFolders.insert(child);
            if (expanded.insert(child->nFolderId).second)
                pending.push_back(child->nFolderId);
        }
    }

    std::unordered_set<Place, PlaceHash> doomedPairs; // (parent, folder, 0)
    for (const MessageRecord* f : doomedFolders)
        doomedPairs.insert({f->nParentId, f->nFolderId, 0});

    std::unordered_set<Place, PlaceHash> doomedMessages;
    for (auto it = m_records.begin(); it != m_records.end();) {
        const MessageRecord& r = *it;
        bool doomed = false;
        if (r.nKind == KIND_FOLDER) {
            doomed = doomedFolders.count(&r) != 0;
        } else if (r.nKind == KIND_MESSAGE) {
            doomed = doomedPairs.count({r.nParentId, r.nFolderId, 0}) != 0;
            if (doomed)
                doomedMessages.insert(placeOf(r));
        }
        it = doomed ? m_records.erase(it) : std::next(it);
    }
    if (!doomedMessages.empty()) {
        m_records.remove_if([&](const MessageRecord& r) {
            return r.nKind == KIND_COMPANION && doomedMessages.count(placeOf(r)) != 0;
        });
    }
    return true;
}

void MessageStore::RenameFolder(qint32 parentId, qint32 folderId, std::string_view newName)
{
    if (folderId < 1)
        return;
    for (MessageRecord& r : m_records) {
        if (r.nParentId == parentId && r.nFolderId == folderId)
            r.strName = newName;
        if (r.nParentId == folderId)
            r.strParentName = newName;
    }
}

// --- messages -----------------------------------------------------------------------------
//
// The batch operations give the records that handling the ids one at a time would give,
// but look everything up in maps built by one walk, so a drop of many messages costs a
// walk or two of the list rather than one per message. The maps follow every change the
// batch makes itself (new copies, companions that moved), so a later id sees the list
// as the one-at-a-time order would have left it.

std::vector<qint32> MessageStore::DeleteMessages(std::span<const qint32> messageIds)
{
    std::vector<qint32> changedFolders;
    const std::span<const qint32> ids = leadingValidIds(messageIds);
    if (ids.empty())
        return changedFolders;
    const std::unordered_set<qint32> wanted(ids.begin(), ids.end());

    std::unordered_map<qint32, std::deque<RecordIt>> messagesById;
    std::unordered_map<qint32, MessageRecord*> firstFolder;
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        if (it->nKind == KIND_MESSAGE && wanted.count(it->nMessageId))
            messagesById[it->nMessageId].push_back(it);
        else if (it->nKind == KIND_FOLDER && it->nFolderId >= 1)
            firstFolder.try_emplace(it->nFolderId, &*it);
    }

    std::unordered_set<Place, PlaceHash> doomedCompanions;
    std::unordered_set<qint32> changedSet;
    for (const qint32 id : ids) {
        const auto found = messagesById.find(id);
        if (found == messagesById.end() || found->second.empty())
            continue; // a row whose message is gone is passed over
        const RecordIt message = found->second.front();
        found->second.pop_front();
        doomedCompanions.insert(placeOf(*message));
        const qint32 folderId = message->nFolderId;
        m_records.erase(message);

        const auto folder = firstFolder.find(folderId);
        if (folder != firstFolder.end()) {
            --folder->second->nCount;
            if (changedSet.insert(folderId).second)
                changedFolders.push_back(folderId);
        }
    }
    if (!doomedCompanions.empty()) {
        m_records.remove_if([&](const MessageRecord& r) {
            return r.nKind == KIND_COMPANION && doomedCompanions.count(placeOf(r)) != 0;
        });
    }
    return changedFolders;
}

int MessageStore::CopyMessages(std::span<const qint32> messageIds, qint32 destFolderId)
{
    const std::span<const qint32> ids = leadingValidIds(messageIds);
    if (ids.empty())
        return 0;
    MessageRecord* dest = findFolderById(destFolderId);
    if (!dest)
        return 0;
    const std::unordered_set<qint32> wanted(ids.begin(), ids.end());

    std::unordered_map<qint32, RecordIt> firstMessage;
    std::unordered_map<qint32, std::vector<RecordIt>> companionsById;
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        if (!wanted.count(it->nMessageId))
            continue;
        if (it->nKind == KIND_MESSAGE)
            firstMessage.try_emplace(it->nMessageId, it);
        else if (it->nKind == KIND_COMPANION)
            companionsById[it->nMessageId].push_back(it);
    }

    int done = 0;
    for (const qint32 id : ids) {
        const auto found = firstMessage.find(id);
        if (found == firstMessage.end())
            break;
        const MessageRecord& message = *found->second;

        MessageRecord copy;
        takePlace(copy, *dest);
        copy.nKind = KIND_MESSAGE;
        copy.strOrigin = message.strOrigin;
        copy.strDate = message.strDate;
        copy.strTitle = message.strTitle;
        copy.strAddress = message.strAddress;
        copy.strHeader = message.strHeader;
        copy.strText = message.strText;
        copy.nMessageId = m_counters.nextMessageId;
        const qint32 newId = copy.nMessageId;
        const qint32 oldId = message.nMessageId;
        m_records.push_back(std::move(copy));
        const RecordIt copyIt = std::prev(m_records.end());
        if (wanted.count(newId))
            firstMessage.try_emplace(newId, copyIt);

        // Companions are matched by number alone. Those that exist before this copy are
        // copied; the new ones carry the copy's number and are not copied again.
        if (oldId >= 2) {
            std::vector<RecordIt> added;
            const auto olds = companionsById.find(oldId);
            if (olds != companionsById.end()) {
                for (const RecordIt& old : olds->second) {
                    MessageRecord companion;
                    takePlace(companion, *copyIt);
                    companion.nKind = KIND_COMPANION;
                    companion.strOrigin = copyIt->strOrigin;
                    companion.strDate = copyIt->strDate;
                    companion.nMessageId = newId;
                    companion.strText = old->strText;
                    companion.strTitle = old->strTitle;
                    companion.strAddress = old->strAddress;
                    companion.strHeader = old->strHeader;
                    m_records.push_back(std::move(companion));
                    added.push_back(std::prev(m_records.end()));
                }
            }
            if (!added.empty() && wanted.count(newId)) {
                std::vector<RecordIt>& list = companionsById[newId];
                list.insert(list.end(), added.begin(), added.end());
            }
        }
        ++dest->nCount;
        m_counters.nextMessageId = nextNumber(m_counters.nextMessageId);
        ++done;
    }
    return done;
}

bool MessageStore::DropCopies(qint32 sourceFolderId, bool copyAsked) const
{
    return copyAsked || isPagerFolderId(sourceFolderId);
}

int MessageStore::MoveMessages(std::span<const qint32> messageIds, qint32 destFolderId)
{
    const std::span<const qint32> ids = leadingValidIds(messageIds);
    if (ids.empty())
        return 0;
    MessageRecord* dest = findFolderById(destFolderId);
    if (!dest)
        return 0;
    const std::unordered_set<qint32> wanted(ids.begin(), ids.end());

    std::unordered_map<qint32, RecordIt> firstMessage;
    std::unordered_map<qint32, MessageRecord*> firstFolder;
    std::unordered_map<Place, std::vector<RecordIt>, PlaceHash> companionsByPlace;
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        if (it->nKind == KIND_FOLDER) {
            if (it->nFolderId >= 1)
                firstFolder.try_emplace(it->nFolderId, &*it);
        } else if (wanted.count(it->nMessageId)) {
            if (it->nKind == KIND_MESSAGE)
                firstMessage.try_emplace(it->nMessageId, it);
            else if (it->nKind == KIND_COMPANION)
                companionsByPlace[placeOf(*it)].push_back(it);
        }
    }

    int done = 0;
    for (const qint32 id : ids) {
        const auto found = firstMessage.find(id);
        if (found == firstMessage.end())
            break;
        MessageRecord& message = *found->second;

        const Place from = placeOf(message);
        const Place to{dest->nParentId, dest->nFolderId, from.nMessageId};
        const auto group = companionsByPlace.find(from);
        if (group != companionsByPlace.end()) {
            for (const RecordIt& companion : group->second)
                takePlace(*companion, *dest);
            if (!(from == to)) {
                std::vector<RecordIt> moved = std::move(group->second);
                companionsByPlace.erase(group);
                std::vector<RecordIt>& there = companionsByPlace[to];
                there.insert(there.end(), moved.begin(), moved.end());
            }
        }

        const qint32 oldFolderId = message.nFolderId;
        takePlace(message, *dest);
        message.nReserved = 0;
        ++dest->nCount;
        const auto source = firstFolder.find(oldFolderId);
        if (source != firstFolder.end())
            --source->second->nCount;
        ++done;
    }
    return done;
}

// --- the database file ----------------------------------------------------------------------

folderdb::ReadResult MessageStore::LoadFolderDb(const QString& path)
{
    folderdb::ReadResult result = folderdb::readFile(path, m_records);
    if (result.found)
        RaiseCountersAboveRecords();
    return result;
}
