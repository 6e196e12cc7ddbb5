// Renumbering before a save, and keeping the counters above the numbers in use.

#include "messages/messagestore.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace {

using Renames = std::unordered_map<qint32, qint32>;

qint32 renamed(const Renames& renames, qint32 value)
{
    const auto it = renames.find(value);
    return it == renames.end() ? value : it->second;
}

qint32 clampToNumber(qint64 n)
{
    return n > std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max()
                                                  : static_cast<qint32>(n);
}

} // namespace

// Replacing a number rewrites every field that holds it, in every record; done as said,
// that is a walk of the whole list for each number lowered. It is enough to remember
// what each original number became and rewrite the fields once at the end, because a
// number is replaced at most once: it is replaced only while it is above the counter,
// and it becomes the counter, which only grows, so the new number is never above the
// counter again. Fields that end up equal (a lowered number meeting one already there)
// then stay equal, as they would by the slow road. This holds for any list, with
// repeated numbers, numbers out of order, or numbers that meet after a replacement.
void MessageStore::RenumberRecords()
{
    if (m_records.empty())
        return;

    // Folder numbers live in nFolderId and nParentId of every record. Of the message
    // numbers only a companion's follows a renumbered message; a message's own number is
    // set directly.
    Renames folders;
    Renames messages;
    qint64 folderCounter = FIRST_LOCAL_FOLDER_ID;
    qint64 messageCounter = 2;
    for (MessageRecord& r : m_records) {
        if (r.nKind == KIND_FOLDER) {
            // Not yet rewritten: read the number as the replacements so far have left it.
            if (renamed(folders, r.nFolderId) > folderCounter)
                folders.emplace(r.nFolderId, static_cast<qint32>(folderCounter));
            ++folderCounter;
        } else if (r.nKind == KIND_MESSAGE) {
            if (r.nMessageId > messageCounter) {
                // A second message with the same number finds its companions already taken
                // by the first: they no longer hold the old number.
                messages.try_emplace(r.nMessageId, static_cast<qint32>(messageCounter));
                r.nMessageId = static_cast<qint32>(messageCounter);
            }
            ++messageCounter;
        }
    }

    if (!folders.empty() || !messages.empty()) {
        for (MessageRecord& r : m_records) {
            r.nFolderId = renamed(folders, r.nFolderId);
            r.nParentId = renamed(folders, r.nParentId);
            if (r.nKind == KIND_COMPANION)
                r.nMessageId = renamed(messages, r.nMessageId);
        }
    }

    m_counters.TreeItemDataCNT = clampToNumber(folderCounter + 1);
    m_counters.ListItemDataCNT = clampToNumber(messageCounter + 1);
}

void MessageStore::RaiseCountersAboveRecords()
{
    // A number read from the file must never be handed out again, or a new folder would
    // adopt the messages of an old one. Message folder numbers count too: a message whose
    // folder has gone must not reappear in a new folder.
    qint64 topFolder = 0;
    qint64 topMessage = 0;
    for (const MessageRecord& r : m_records) {
        topFolder = std::max<qint64>(topFolder, r.nFolderId);
        topFolder = std::max<qint64>(topFolder, r.nParentId);
        topMessage = std::max<qint64>(topMessage, r.nMessageId);
    }
    if (m_counters.TreeItemDataCNT <= topFolder)
        m_counters.TreeItemDataCNT = clampToNumber(topFolder + 1);
    if (m_counters.ListItemDataCNT <= topMessage)
        m_counters.ListItemDataCNT = clampToNumber(topMessage + 1);
}
