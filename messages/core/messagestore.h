#pragma once
// The message store: the record list and every record-level operation on it. Views only
// call these; no rule of the store lives in a widget.

#include "messages/core/folderdb.h"
#include "messages/core/messagerecord.h"

#include <span>
#include <string_view>

// The two number counters of the settings that the store hands out and recomputes.
struct StoreCounters
{
    // The store's side of the settings' ListItemDataCNT and TreeItemDataCNT.
    qint32 nextMessageId = 1; // next free message number
    qint32 nextFolderId = 20; // next free folder number
};

class MessageStore
{
public:
    RecordList& records() { return m_records; }
    const RecordList& records() const { return m_records; }
    StoreCounters& counters() { return m_counters; }
    const StoreCounters& counters() const { return m_counters; }

    // --- whole list -------------------------------------------------------------------
    void DeleteAllRecords();
    // all: every record of the pager side goes; otherwise only its messages and companions.
    void RemovePagerRecords(bool all);
    // Appends the fourteen pager folder records (numbers 1..14, parent -1, "PAGER").
    void AddPagerFolders();
    // Once the folder database was read (or found missing): the pager side becomes exactly
    // the fourteen pager folders, for pager records that came in with a database from
    // elsewhere would show every folder twice; on a first run (no database read) the
    // default local folders are created.
    void SetUpFolders(bool createDefaultLocalFolders);
    // Replaces the pager-side messages by a download's (names of folders 4..14 from slots).
    void TakeDownloadedMessages(const std::vector<DeviceMessage>& messages,
                                const FolderNameSlots& folderNames);

    // --- lookups (numbers below 1 name no record) -------------------------------------
    // The folder identified by the pair (parent, number).
    MessageRecord* findFolder(qint32 parentId, qint32 folderId);
    // The first folder record with that number, whatever its parent.
    MessageRecord* findFolderById(qint32 folderId);
    // The first message (kind 1) with that number.
    MessageRecord* findMessage(qint32 messageId);
    // The messages (kind 1) of a folder, in list order.
    std::vector<MessageRecord*> folderMessages(const MessageRecord& folder);
    // The folder records whose nParentId is parentId, in list order.
    std::vector<MessageRecord*> childFolders(qint32 parentId);
    bool isPagerFolderId(qint32 folderId) const;

    // --- folders ----------------------------------------------------------------------
    // "New Folder", then "New Folder-1", ... : one pass over the sibling texts as shown.
    // base: the name in the user's language, which the new folder keeps as its own.
    static std::string NewFolderName(std::span<const std::string> siblingTexts,
                                     const std::string& base = "New Folder");
    // Appends a local folder numbered nextFolderId (which then goes up by one).
    MessageRecord& InsertFolder(std::string_view name, std::string_view parentName,
                                qint32 parentId);
    // The folder, its subfolders at any depth, and all their messages and companions.
    // Returns false when there is no such folder.
    bool DeleteFolder(qint32 parentId, qint32 folderId);
    // The folder and its messages get the new strName, its subfolders (and theirs) the
    // new strParentName.
    void RenameFolder(qint32 parentId, qint32 folderId, std::string_view newName);

    // --- messages ---------------------------------------------------------------------
    // Deletes each message with its companions and lowers its folder's count. Stops at
    // the first number below 1. Returns the folder numbers whose counts changed.
    std::vector<qint32> DeleteMessages(std::span<const qint32> messageIds);
    // Copies or moves messages, in order, into the first folder numbered destFolderId.
    // Stops at the first number that names no message. Returns how many were done.
    int CopyMessages(std::span<const qint32> messageIds, qint32 destFolderId);
    int MoveMessages(std::span<const qint32> messageIds, qint32 destFolderId);
    // Whether messages dropped from this folder are copied: always from a pager folder
    // (the next download replaces them anyway), otherwise only when asked to.
    bool DropCopies(qint32 sourceFolderId, bool copyAsked) const;

    // --- the database file --------------------------------------------------------------
    // Reads the database into the store (replacing every record) and raises the counters
    // above the numbers read. A damaged file leaves the records read before the damage.
    folderdb::ReadResult LoadFolderDb(const QString& path);
    // Writes the local side, renumbered, and replaces the file atomically. The records in
    // memory keep their numbers (so a close that is then cancelled changes nothing the user
    // sees), and so do the store's counters; written gets the counters that follow the
    // numbers of the file, which are the ones to keep for the next run.
    bool SaveFolderDb(const QString& path, quint32 header, QString* error,
                      StoreCounters* written = nullptr) const;

    // --- numbers ----------------------------------------------------------------------
    // Compacts folder numbers from 20 and message numbers from 2 (linear time) and sets
    // both counters; does nothing on an empty list.
    void RenumberRecords();
    // Raises the counters above every folder and message number present, so that new
    // numbers never repeat old ones.
    void RaiseCountersAboveRecords();

private:
    // The first record that match accepts, or null when number (the one looked for) is
    // not 1 or more.
    template <typename Match> MessageRecord* findNumbered(qint32 number, Match match);

    RecordList m_records;
    StoreCounters m_counters;
};

// Title of a message: the text without CR and LF, cut to its first 20 bytes.
std::string MessageTitle(std::string_view text);
// "%04d-%02d-%02d %02d:%02d"
std::string MessageDate(int year, int month, int day, int hour, int minute);
