#pragma once
// The rows of the message list: one per message of the folder shown, in record-list order.
// Rows keep the message's number and a copy of the three texts they show, never a pointer
// into the record list: a row must stay harmless when its message goes away behind it (its
// folder deleted in the tree), and the number is how every command finds the message again.

#include "messages/models/messagecolumns.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <string>
#include <vector>

class MessageStore;
struct MessageRecord;

class MessageListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ColumnNo = messagecolumns::No,
        ColumnAddress = messagecolumns::Address,
        ColumnTitle = messagecolumns::Title,
        ColumnDate = messagecolumns::Date,
        ColumnCount = messagecolumns::kListColumns
    };
    static constexpr int MessageIdRole = messagecolumns::MessageIdRole;

    explicit MessageListModel(MessageStore& store, QObject* parent = nullptr);

    // Lists the folder's messages, in record-list order; nullptr empties the list.
    void setFolder(const MessageRecord* folder);
    // Shows these messages of the folder, in the order given.
    void setMessages(const MessageRecord& folder, const std::vector<MessageRecord*>& messages);
    void clear();
    void setRowIcon(const QIcon& icon) { m_icon = icon; }

    bool hasFolder() const { return m_hasFolder; }
    qint32 folderParentId() const { return m_nFolderParentId; }
    qint32 folderId() const { return m_nFolderId; }
    // The pager's folders are as the pager has them: their messages are not deleted here,
    // and dragged out they are only copied.
    bool folderIsPager() const;
    // Whether the store only copies messages dragged out of this folder.
    bool dragCopiesOnly() const;
    qint32 messageId(int row) const;
    // The message record of a row, or nullptr.
    const MessageRecord* message(int row) const;

    // Deletes the messages of these rows with their companions, then lists the folder again.
    // Returns how many were deleted.
    int deleteRows(const std::vector<int>& rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    // The messages of the rows among the indexes, in row order, and the folder shown.
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

Q_SIGNALS:
    // Messages of these folders went away: their counts changed.
    void folderCountsChanged(const std::vector<qint32>& folderIds);

private:
    // The texts of all rows live in one buffer: a folder of a hundred thousand messages
    // is filled without a hundred thousand small allocations per column.
    struct Row
    {
        qint32 nMessageId;
        size_t address; // offsets into m_text; each text ends where the next begins
        size_t title;
        size_t date;
        size_t end;
    };
    QString text(const Row& row, int column) const;

    MessageStore& m_store;
    bool m_hasFolder = false;
    qint32 m_nFolderParentId = 0;
    qint32 m_nFolderId = 0;
    std::vector<Row> m_rows;
    std::string m_text;
    QIcon m_icon;
};
