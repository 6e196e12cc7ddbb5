#pragma once
// The one record type of the message store: folders, messages and message companions,
// linked to each other by numbers, never by pointers.

#include "messages/core/recordallocator.h"
#include "messages/core/recordtext.h"

#include <QtGlobal>

#include <array>
#include <list>
#include <string>
#include <vector>

enum RecordKind : qint32
{
    KIND_FOLDER = 0,
    KIND_MESSAGE = 1,
    KIND_COMPANION = 2,
};

// nParentId of the pager's fourteen folders and of top-level local folders.
constexpr qint32 PARENT_PAGER = -1;
constexpr qint32 PARENT_LOCAL = -2;

// Local folder numbers start here, above the pager's 1..14.
constexpr qint32 FIRST_LOCAL_FOLDER_ID = 20;
constexpr int PAGER_FOLDER_COUNT = 14;

// Texts hold bytes (single-byte text); lengths and limits are in bytes.
struct MessageRecord
{
    RecordText strName;
    qint32 nReserved = 0;
    RecordText strParentName;
    qint32 nKind = KIND_FOLDER;
    qint32 nFolderId = 0;
    qint32 nParentId = 0;
    qint32 nCount = 0;
    RecordText strAddress;
    RecordText strHeader;
    RecordText strText;
    RecordText strTitle;
    RecordText strDate;
    RecordText strOrigin;
    qint32 nMessageId = 0;

    bool operator==(const MessageRecord&) const = default;
};

// Ordered: the order of tree levels, of the message list, of the file and of renumbering.
// A std::list keeps every record at its address while others come and go.
using RecordList = std::list<MessageRecord, RecordAllocator<MessageRecord>>;

// One message as a download delivers it.
struct DeviceMessage
{
    quint16 nFolder = 0; // pager folder number, 1..14
    quint16 nMonth = 0;
    quint16 nDay = 0;
    quint16 nYear = 0;
    quint16 nHour = 0;
    quint16 nMinute = 0;
    std::string strHeader;
    std::string strText;
    std::string strAddress;
};

// The pager's own names for folders 4..14 ("Folder1".."Folder3", "News/Info1".."News/Info8");
// slot 0 is folder 4. An empty slot leaves the folder's name as it is.
constexpr int FOLDER_NAME_SLOTS = 11;
constexpr int FOLDER_NAME_SLOT_BYTES = 16;
using FolderNameSlots = std::array<std::string, FOLDER_NAME_SLOTS>;

// The pager folders in number order (1..14).
extern const std::array<const char*, PAGER_FOLDER_COUNT> kPagerFolderNames;
// The local folders a first run starts with.
extern const std::array<const char*, 5> kDefaultLocalFolderNames;
