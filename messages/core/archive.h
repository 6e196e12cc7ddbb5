#pragma once
// The message archive: where a folder sits in the tree, finding messages across all folders,
// and choosing the messages of a folder for an export. Works on the record list as it is;
// results point into it, nothing is copied.

#include "messages/core/messagerecord.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace archive {

// Texts of the two roots of the folder tree.
inline constexpr std::string_view kPagerRootText = "Messages";
inline constexpr std::string_view kLocalRootText = "LocalFolder";

// Case folding for search: A-Z and the Latin-1 capitals (0xC0..0xDE without 0xD7, the
// multiplication sign) become their lower-case letters; every other byte stays.
inline constexpr unsigned char foldByte(unsigned char b)
{
    const bool upper = (b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7);
    return upper ? static_cast<unsigned char>(b + 0x20) : b;
}
std::string fold(std::string_view bytes);

// The words of what was typed (bytes), folded; blanks, tabs, line breaks and NUL separate them.
std::vector<std::string> searchWords(std::string_view typed);

// The folder paths of the tree ("LocalFolder/Folders/Work", "Messages/Inbox"), from the
// folder records of one moment: build it again after folders change.
class FolderPaths
{
public:
    explicit FolderPaths(const RecordList& records);
    // The path of the folder identified by (parentId, folderId): a folder's own pair, or
    // the pair of a message that lies in it. Empty when there is no such folder.
    const std::string& path(qint32 parentId, qint32 folderId) const;
    const std::string& pathOf(const MessageRecord& r) const
    {
        return path(r.nParentId, r.nFolderId);
    }

private:
    std::unordered_map<quint64, std::string> m_paths;
};

// Finds messages (kind 1) whose address, header or text hold every word, case-folded,
// each word anywhere in any of the three. Built once from the list (a folded copy of the
// three texts of every message, one after the other), it answers a search with one pass
// over that copy. The pointers it returns are the list's own records: build again after
// the list changes.
class MessageSearch
{
public:
    void build(RecordList& records);
    void clear();
    bool isBuilt() const { return m_built; }
    size_t messageCount() const { return m_messages.size(); }
    // Matching messages in list order; none for no words.
    std::vector<MessageRecord*> find(const std::vector<std::string>& foldedWords) const;

private:
    std::string m_text;           // per message: address \0 header \0 text \0, folded
    std::vector<size_t> m_starts; // where each message's part begins, and the end
    std::vector<MessageRecord*> m_messages;
    bool m_built = false;
};

// The straightforward rule for one message, for checks and for small lists.
bool matches(const MessageRecord& message, const std::vector<std::string>& foldedWords);

// The messages of the folder (parentId, folderId), and with subfolders also those of every
// folder below it at any depth, in list order.
std::vector<const MessageRecord*> folderMessages(const RecordList& records, qint32 parentId,
                                                 qint32 folderId, bool withSubfolders);

// The messages with these numbers, in the order given; numbers that name no message are
// left out. One walk.
std::vector<const MessageRecord*> findMessages(const RecordList& records,
                                               const std::vector<qint32>& messageIds);

// Messages grouped by the folder they lie in (by folder number), folders in the order of
// their first message in messageIds; numbers that name no message are left out. One walk.
struct FolderGroup
{
    qint32 folderId;
    std::vector<qint32> messageIds;
};
std::vector<FolderGroup> groupByFolder(const RecordList& records,
                                       const std::vector<qint32>& messageIds);

} // namespace archive
