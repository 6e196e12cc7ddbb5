#pragma once
// What a drag of messages carries, whichever view it starts from (the message list or the
// search results) and what the folder tree takes from a drop. The store tag and the process
// make sure a drop only acts on the store the numbers were taken from: the same numbers in
// another program's store name other messages.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

class MessageStore;
class QMimeData;

struct MessageDrag
{
    quint64 storeTag = 0;
    qint64 processId = 0;
    qint32 sourceParentId = 0;
    qint32 sourceFolderId = 0;
    std::vector<qint32> messageIds;

    static QString mimeType();
    // What every drag of this store carries in storeTag.
    static quint64 storeTagOf(const MessageStore& store);
    // A drag of this store in this process, with no messages yet.
    static MessageDrag of(const MessageStore& store);

    QByteArray encode() const;
    // nullopt for anything that is not a whole, well-formed drag of ours.
    static std::optional<MessageDrag> decode(const QByteArray& bytes);

    // The payload of a drag out of a view; the caller owns it.
    QMimeData* toMimeData() const;
    // The messages a drop brings into this store: nullopt for anything else (another
    // format, damaged bytes, another store or process, no messages).
    static std::optional<MessageDrag> fromMimeData(const QMimeData* data,
                                                   const MessageStore& store);
};
