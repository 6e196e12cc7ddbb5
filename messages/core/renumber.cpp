// Renumbering before a save, and keeping the counters above the numbers in use.

#include "messages/core/messagestore.h"

#include "messages/core/folderdb.h"

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
class Renumbering
{
public:
    // Plans the renumbering of these records (which must not change until it is applied).
    // localOnly: the pager side is left out of the plan and of the walk.
    Renumbering(const RecordList& records, bool localOnly)
    {
        // Folder numbers live in nFolderId and nParentId of every record. Of the message
        // numbers only a companion's follows a renumbered message; a message's own number
        // is set directly, in the walk that applies the plan.
        qint64 folderCounter = FIRST_LOCAL_FOLDER_ID;
        qint64 messageCounter = 2;
        for (const MessageRecord& r : records) {
            if (localOnly && !included(r))
                continue;
            if (r.nKind == KIND_FOLDER) {
                // Not yet rewritten: read the number as the replacements so far have left it.
                if (renamed(m_folders, r.nFolderId) > folderCounter)
                    m_folders.emplace(r.nFolderId, static_cast<qint32>(folderCounter));
                ++folderCounter;
            } else if (r.nKind == KIND_MESSAGE) {
                // A second message with the same number finds its companions already taken
                // by the first: they no longer hold the old number.
                if (r.nMessageId > messageCounter)
                    m_messages.try_emplace(r.nMessageId, static_cast<qint32>(messageCounter));
                ++messageCounter;
            }
        }
        m_counters.nextFolderId = clampToNumber(folderCounter + 1);
        m_counters.nextMessageId = clampToNumber(messageCounter + 1);
    }

    // Only the local side is ever renumbered (and written).
    static bool included(const MessageRecord& r) { return r.nParentId != PARENT_PAGER; }

    // The new numbers of the next record of the walk, in the planned order.
    void next(const MessageRecord& r, folderdb::RecordNumbers& numbers)
    {
        numbers.nFolderId = renamed(m_folders, r.nFolderId);
        numbers.nParentId = renamed(m_folders, r.nParentId);
        numbers.nMessageId = r.nMessageId;
        if (r.nKind == KIND_COMPANION) {
            numbers.nMessageId = renamed(m_messages, r.nMessageId);
        } else if (r.nKind == KIND_MESSAGE) {
            if (r.nMessageId > m_nextMessage)
                numbers.nMessageId = static_cast<qint32>(m_nextMessage);
            ++m_nextMessage;
        }
    }

    // The counters that follow the renumbered records.
    StoreCounters counters() const { return m_counters; }

private:
    Renames m_folders;
    Renames m_messages;
    qint64 m_nextMessage = 2;
    StoreCounters m_counters;
};

void MessageStore::RenumberRecords()
{
    if (m_records.empty())
        return;
    Renumbering renumbering(m_records, false);
    folderdb::RecordNumbers numbers;
    for (MessageRecord& r : m_records) {
        renumbering.next(r, numbers);
        r.nFolderId = numbers.nFolderId;
        r.nParentId = numbers.nParentId;
        r.nMessageId = numbers.nMessageId;
    }
    m_counters = renumbering.counters();
}

bool MessageStore::SaveFolderDb(const QString& path, quint32 header, QString* error,
                                StoreCounters* written) const
{
    // The file gets the local side renumbered; memory keeps its numbers. Every view, every
    // drag and the counters still name the same records when the program goes on after
    // writing (a close that is then cancelled), and the pager side stays where it is.
    const bool anyLocal = std::any_of(m_records.begin(), m_records.end(), Renumbering::included);
    Renumbering renumbering(m_records, true);
    folderdb::RecordFilter filter;
    filter.keep = Renumbering::included;
    if (anyLocal) {
        filter.renumber = [&renumbering](const MessageRecord& r, folderdb::RecordNumbers& n) {
            renumbering.next(r, n);
        };
    }
    const bool ok = folderdb::writeFile(path, header, m_records, error, filter);
    if (written)
        *written = anyLocal ? renumbering.counters() : m_counters;
    return ok;
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
    if (m_counters.nextFolderId <= topFolder)
        m_counters.nextFolderId = clampToNumber(topFolder + 1);
    if (m_counters.nextMessageId <= topMessage)
        m_counters.nextMessageId = clampToNumber(topMessage + 1);
}
