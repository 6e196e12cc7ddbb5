#pragma once
// What the tests of the message models and views share.

#include "messages/core/messagestore.h"

#include <QStringList>

// "a|b|c" as a list, to keep the expected texts readable.
inline QStringList texts(const char* joined)
{
    return QString::fromLatin1(joined).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

// A message as a download brings it.
inline DeviceMessage download(quint16 folder, std::string text)
{
    DeviceMessage m;
    m.nFolder = folder;
    m.strHeader = "From 555";
    m.strText = std::move(text);
    return m;
}

// A message of a local folder with its companion, as a drop leaves one.
inline qint32 addMessage(MessageStore& store, qint32 folderId, const std::string& text)
{
    MessageRecord* folder = store.findFolderById(folderId);
    MessageRecord m = *folder;
    m.nKind = KIND_MESSAGE;
    m.nCount = 0;
    m.strAddress = m.strHeader = m.strText = m.strTitle = text;
    m.nMessageId = store.counters().nextMessageId++;
    store.records().push_back(m);
    m.nKind = KIND_COMPANION;
    store.records().push_back(m);
    ++folder->nCount;
    return m.nMessageId;
}
