#pragma once
// The search across all folders as an item model: one row per message, pager side and local,
// whose address, header or text holds every word typed, in record-list order, with the path
// of its folder. Rows are the store's own records (nothing is copied); whenever the store
// changes, storeChanged() must be called before anything reads a row again: the rows go at
// once, and an active search runs again when the event loop is next reached (so that the
// several signals of one change cost one search).

#include "messages/core/archive.h"
#include "messages/models/messagecolumns.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <memory>
#include <vector>

class MessageStore;

class SearchResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ColumnNo = messagecolumns::No,
        ColumnAddress = messagecolumns::Address,
        ColumnTitle = messagecolumns::Title,
        ColumnDate = messagecolumns::Date,
        ColumnFolder = messagecolumns::Folder,
        ColumnCount = messagecolumns::kResultColumns
    };
    static constexpr int MessageIdRole = messagecolumns::MessageIdRole;

    explicit SearchResultsModel(MessageStore& store, QObject* parent = nullptr);
    ~SearchResultsModel() override;

    // Searches for what was typed; text without words ends the search (no rows). A word
    // with a character that no byte stands for matches nothing.
    void setSearchText(const QString& text);
    const QString& searchText() const { return m_text; }
    bool isActive() const { return !m_words.empty() || m_unmatchable; }
    // The store changed: the rows and what was built from the store go at once; an active
    // search runs again from the event loop.
    void storeChanged();
    // Every change of the store shows in the folder tree (its folders, their counts, or the
    // whole tree built again): storeChanged() follows each of the tree model's changes.
    void followChangesOf(const QAbstractItemModel& folderTree);
    // Builds what a search needs now (the user is about to type), unless it is there.
    void prepare();
    void setRowIcon(const QIcon& icon) { m_icon = icon; }

    // The message of a row, or nullptr.
    MessageRecord* message(int row) const;
    qint32 messageId(int row) const;
    // A pager message: it is not deleted here, and dragged out it is only copied.
    bool isPagerMessage(int row) const;
    // Deletes the local messages among these rows with their companions (pager messages
    // stay), then searches again. Returns how many were deleted.
    int deleteRows(const std::vector<int>& rows);
    // The messages of the rows, in row order.
    std::vector<const MessageRecord*> messages(const std::vector<int>& rows) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    // The messages of the rows among the indexes, each with its own folder.
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

Q_SIGNALS:
    // Messages of these folders went away: their counts changed.
    void folderCountsChanged(const std::vector<qint32>& folderIds);

private:
    void search();
    void build();

    MessageStore& m_store;
    QString m_text;
    std::vector<std::string> m_words;
    bool m_unmatchable = false;
    bool m_searchPending = false;
    archive::MessageSearch m_index;
    std::unique_ptr<archive::FolderPaths> m_paths;
    std::vector<MessageRecord*> m_rows;
    QIcon m_icon;
};
