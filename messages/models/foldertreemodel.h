#pragma once
// The folder tree as an item model over the message store: "Messages" with the pager's
// fourteen folders and their counts, and "LocalFolder" with the user's own folders at any
// depth. Each folder row stands for one folder record; every change to the folders goes
// through this model (or is announced to it), so the rows always name the records the
// user sees. Local folders take drops of messages dragged out of the message list; what a
// drop does is asked of the store.

#include "platform/namecheck.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class MessageStore;
struct MessageDrag;
struct MessageRecord;

class FolderTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    // The folder number of a row; -1 on "Messages", -2 on "LocalFolder".
    static constexpr int FolderIdRole = Qt::UserRole;

    explicit FolderTreeModel(MessageStore& store, QObject* parent = nullptr);
    ~FolderTreeModel() override;

    void setIcons(const QIcon& pagerRoot, const QIcon& localRoot, const QIcon& folder);

    // Rows built anew from the store: once its folders are set up after the folder database
    // was read, and after it was changed behind the model's back.
    void reload();
    // The pager folders' names and counts again, after a download was taken in.
    void refreshPagerFolders();
    // The texts of the folders with these numbers again (their counts changed).
    void refreshFolders(const std::vector<qint32>& folderIds);

    QModelIndex pagerRoot() const;
    QModelIndex localRoot() const;
    // The folder record of a row, or nullptr (a root, no row).
    MessageRecord* folder(const QModelIndex& index) const;
    bool isLocalFolder(const QModelIndex& index) const;
    bool isLocalRoot(const QModelIndex& index) const;
    bool isPagerRoot(const QModelIndex& index) const;
    // The first row (depth first) whose folder has that number; numbers below 1 name none.
    QModelIndex findFolder(qint32 folderId) const;

    // A new local folder under a local folder or "LocalFolder", after its siblings, named
    // "New Folder" (then "New Folder-1", ...) against the siblings' names.
    QModelIndex insertFolder(const QModelIndex& parent);
    // Deletes a local folder with its subfolders and all their messages.
    bool removeFolder(const QModelIndex& index);

    using NameCheck = platform::NameCheck;
    // Whether a local folder may take this text as its name (as the record will hold it),
    // against its own name and its siblings' names, without their counts.
    NameCheck checkName(const QModelIndex& index, const QString& text) const;
    // Renames the folder when checkName gives Ok.
    bool renameFolder(const QModelIndex& index, const QString& text);

    // What dropping this data on the row does: copy, move, or nothing (Qt::IgnoreAction);
    // copyAsked is the user's request to copy (Ctrl).
    Qt::DropAction dropActionFor(const QMimeData* data, bool copyAsked,
                                 const QModelIndex& target) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // Copies (CopyAction) or moves the dragged messages into the row's folder; a move of
    // messages the store only copies is refused.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

Q_SIGNALS:
    // Messages were dropped into the folder of that row.
    void messagesDropped(const QModelIndex& target);

private:
    struct Node;
    Node* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(const Node* node) const;
    std::optional<MessageDrag> dragOf(const QMimeData* data) const;

    MessageStore& m_store;
    std::unique_ptr<Node> m_root; // its two children are "Messages" and "LocalFolder"
    QIcon m_pagerRootIcon;
    QIcon m_localRootIcon;
    QIcon m_folderIcon;
};

// "name(count)" as the records hold it: what a new subfolder keeps as its parent's name.
QString folderItemText(const MessageRecord& folder);
// A folder's name as the user reads it: the pager's fixed folder names and the tree's two
// roots in the user's language, every other name (the user's own) as it is.
QString folderDisplayName(const MessageRecord& folder);
// A folder's path as the archive writes it ("Messages/Inbox"), as the user reads it.
QString folderDisplayPath(std::string_view path);
