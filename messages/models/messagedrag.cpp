#include "messages/models/messagedrag.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace {

constexpr int kHeaderBytes = 8 + 8 + 4 + 4 + 4;

QDataStream::Version streamVersion()
{
    return QDataStream::Qt_6_0;
}

} // namespace

QString MessageDrag::mimeType()
{
    return QStringLiteral("application/x-quillbox-messages");
}

quint64 MessageDrag::storeTagOf(const MessageStore& store)
{
    return reinterpret_cast<quintptr>(&store);
}

MessageDrag MessageDrag::of(const MessageStore& store)
{
    MessageDrag drag;
    drag.storeTag = storeTagOf(store);
    drag.processId = QCoreApplication::applicationPid();
    return drag;
}

QByteArray MessageDrag::encode() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion());
    out << storeTag << processId << sourceParentId << sourceFolderId
        << static_cast<quint32>(messageIds.size());
    for (const qint32 id : messageIds)
        out << id;
    return bytes;
}

std::optional<MessageDrag> MessageDrag::decode(const QByteArray& bytes)
{
    if (bytes.size() < kHeaderBytes)
        return std::nullopt;
    QDataStream in(bytes);
    in.setVersion(streamVersion());
    MessageDrag drag;
    quint32 count = 0;
    in >> drag.storeTag >> drag.processId >> drag.sourceParentId >> drag.sourceFolderId >> count;
    // The count must account for exactly the bytes that follow, so a damaged or hostile
    // payload can neither make us allocate more than it holds nor pass with a tail.
    const qsizetype rest = bytes.size() - kHeaderBytes;
    if (in.status() != QDataStream::Ok || rest % 4 != 0 || static_cast<quint64>(rest / 4) != count)
        return std::nullopt;
    drag.messageIds.resize(count);
    for (qint32& id : drag.messageIds)
        in >> id;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    return drag;
}

QMimeData* MessageDrag::toMimeData() const
{
    auto* mime = new QMimeData;
    mime->setData(mimeType(), encode());
    return mime;
}

std::optional<MessageDrag> MessageDrag::fromMimeData(const QMimeData* data,
                                                     const MessageStore& store)
{
    if (!data || !data->hasFormat(mimeType()))
        return std::nullopt;
    std::optional<MessageDrag> drag = decode(data->data(mimeType()));
    // The numbers name messages of this store only.
    if (!drag || drag->storeTag != storeTagOf(store) ||
        drag->processId != QCoreApplication::applicationPid() || drag->messageIds.empty())
        return std::nullopt;
    return drag;
}
