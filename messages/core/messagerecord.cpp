#include "messages/core/messagerecord.h"

#include <QtGlobal>

// Stored, searched and exported as they are; the tree shows them in the user's language.
const std::array<const char*, PAGER_FOLDER_COUNT> kPagerFolderNames = {
    QT_TRANSLATE_NOOP("messages::folders", "Inbox"),
    QT_TRANSLATE_NOOP("messages::folders", "Outbox"),
    QT_TRANSLATE_NOOP("messages::folders", "Drafts"),
    QT_TRANSLATE_NOOP("messages::folders", "Folder1"),
    QT_TRANSLATE_NOOP("messages::folders", "Folder2"),
    QT_TRANSLATE_NOOP("messages::folders", "Folder3"),
    QT_TRANSLATE_NOOP("messages::folders", "News/Info1"),
    QT_TRANSLATE_NOOP("messages::folders", "News/Info2"),
    QT_TRANSLATE_NOOP("messages::folders", "News/Info3"),
    QT_TRANSLATE_NOOP("messages::folders", "News/Info4"),
    QT_TRANSLATE_NOOP("messages::folders", "News/Info5"),
    QT_TRANSLATE_NOOP("messages::folders", "News/Info6"),
    QT_TRANSLATE_NOOP("messages::folders", "News/Info7"),
    QT_TRANSLATE_NOOP("messages::folders", "News/Info8"),
};

const std::array<const char*, 5> kDefaultLocalFolderNames = {
    "Inbox", "Outbox", "Drafts", "Folders", "News/Info",
};
