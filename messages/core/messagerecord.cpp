#include "messages/core/messagerecord.h"

const std::array<const char*, PAGER_FOLDER_COUNT> kPagerFolderNames = {
    "Inbox",      "Outbox",     "Drafts",     "Folder1",    "Folder2",
    "Folder3",    "News/Info1", "News/Info2", "News/Info3", "News/Info4",
    "News/Info5", "News/Info6", "News/Info7", "News/Info8",
};

const std::array<const char*, 5> kDefaultLocalFolderNames = {
    "Inbox", "Outbox", "Drafts", "Folders", "News/Info",
};
