#include "messages/models/messagelistmodel.h"

#include "messages/core/messagestore.h"
#include "messages/models/messagedrag.h"
#include "platform/bytes.h"

#include <QMimeData>

#include <algorithm>

// --- MessageListModel ----------------------------------------------------------------------

MessageListModel::MessageListModel(MessageStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store)
{
}

void MessageListModel::setFolder(const MessageRecord* folder)
{
    if (folder)
        setMessages(*folder, m_store.folderMessages(*folder));
    else
        clear();
}

bool MessageListModel::folderIsPager() const
{
    return m_hasFolder && m_nFolderParentId == PARENT_PAGER;
}

bool MessageListModel::dragCopiesOnly() const
{
    return m_store.DropCopies(m_nFolderId, false);
}

const MessageRecord* MessageListModel::message(int row) const
{
    const qint32 id = messageId(row);
    return id >= 1 ? m_store.findMessage(id) : nullptr;
}

int MessageListModel::deleteRows(const std::vector<int>& rows)
{
    if (folderIsPager() || !m_hasFolder)
        return 0;
    std::vector<qint32> ids;
    for (const int row : rows) {
        if (const qint32 id = messageId(row); id >= 1)
            ids.push_back(id);
    }
    std::vector<qint32> changed;
    if (!ids.empty())
        changed = m_store.DeleteMessages(ids);
    const qint32 deleted = static_cast<qint32>(ids.size());
    setFolder(m_store.findFolder(m_nFolderParentId, m_nFolderId));
    if (!changed.empty())
        Q_EMIT folderCountsChanged(changed);
    return deleted;
}

void MessageListModel::setMessages(const MessageRecord& folder,
                                   const std::vector<MessageRecord*>& messages)
{
    beginResetModel();
    m_hasFolder = true;
    m_nFolderParentId = folder.nParentId;
    m_nFolderId = folder.nFolderId;
    m_rows.clear();
    m_text.clear();
    m_rows.reserve(messages.size());
    // One pass over the records: on a large folder the time goes in reaching them, not in
    // copying. Titles hold at most 20 bytes, dates 16; this is a guess, not a limit.
    constexpr size_t kTypicalRowBytes = 12 + 20 + 16;
    m_text.reserve(messages.size() * kTypicalRowBytes);
    for (const MessageRecord* m : messages) {
        Row row{};
        row.nMessageId = m->nMessageId;
        row.address = m_text.size();
        m_text += m->strAddress;
        row.title = m_text.size();
        m_text += m->strTitle;
        row.date = m_text.size();
        m_text += m->strDate;
        row.end = m_text.size();
        m_rows.push_back(row);
    }
    endResetModel();
}

void MessageListModel::clear()
{
    beginResetModel();
    m_hasFolder = false;
    m_nFolderParentId = 0;
    m_nFolderId = 0;
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_text.clear();
    m_text.shrink_to_fit();
    endResetModel();
}

qint32 MessageListModel::messageId(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size())
        return 0;
    return m_rows[static_cast<size_t>(row)].nMessageId;
}

int MessageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int MessageListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString MessageListModel::text(const Row& row, int column) const
{
    size_t from = 0;
    size_t to = 0;
    switch (column) {
    case ColumnAddress:
        from = row.address;
        to = row.title;
        break;
    case ColumnTitle:
        from = row.title;
        to = row.date;
        break;
    case ColumnDate:
        from = row.date;
        to = row.end;
        break;
    default:
        return {};
    }
    return platform::toDisplay(std::string_view(m_text).substr(from, to - from));
}

QVariant MessageListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        // "No" is the row's place in the list, not a property of the message.
        return index.column() == ColumnNo ? QString::number(index.row())
                                          : text(row, index.column());
    case Qt::DecorationRole:
        if (index.column() == ColumnNo && !m_icon.isNull())
            return m_icon;
        break;
    case MessageIdRole:
        return row.nMessageId;
    default:
        break;
    }
    return {};
}

QVariant MessageListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return messagecolumns::heading(section, ColumnCount);
}

Qt::ItemFlags MessageListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

QStringList MessageListModel::mimeTypes() const
{
    return {MessageDrag::mimeType()};
}

QMimeData* MessageListModel::mimeData(const QModelIndexList& indexes) const
{
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(indexes.size()));
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.model() == this)
            rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty() || !m_hasFolder)
        return nullptr;

    MessageDrag drag = MessageDrag::of(m_store);
    drag.sourceParentId = m_nFolderParentId;
    drag.sourceFolderId = m_nFolderId;
    drag.messageIds.reserve(rows.size());
    for (const int row : rows)
        drag.messageIds.push_back(messageId(row));

    return drag.toMimeData();
}

Qt::DropActions MessageListModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}
