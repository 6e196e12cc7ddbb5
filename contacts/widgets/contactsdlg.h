#pragma once
// The Contacts window: the address-book presentation of the main window. It shows the
// address book as a tree ("Contacts", "Groups" and the top-level groups) and a list, both
// views over models of the book (contacts/models) that follow the book by themselves, and
// keeps what is the window's own: which listing the list shows, the selection, the context
// menus, and the unsaved mark the frame asks for at close. The commands are carried out by
// objects of their own (contact commands, group commands, the import and export manager)
// given the book; the transfers start wherever ContactsTransfers leads. The operations the
// frame and the tests call keep their names here.

#include <QIcon>
#include <QPersistentModelIndex>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class AddressBook;
class CQuillboxDoc;
class ContactCommands;
class ContactListModel;
class ContactsExchangeManager;
class ContactsHistoryKeeper;
class ContactsTransfers;
class ContactsTreeModel;
class GroupCommands;
class GroupListModel;
class QDialog;
class QMenu;
class QTreeView;

class CContactsDlg : public QWidget
{
    Q_OBJECT

public:
    // Commands of the context menu.
    static constexpr int ID_ADDRESS_DELETE = 32807;
    static constexpr int ID_ADDRESS_CONTACT = 32803;
    static constexpr int ID_GROUP_DELETE = 32853;
    static constexpr int ID_FOLDER_NEW = 32804;
    static constexpr int ID_GROUP_RENAME = 32832;
    static constexpr int ID_GROUP_NEW = 32855;
    static constexpr int ID_GROUP_EDIT = 32856;
    // vCard exchange, in the menu of the "Contacts" root (and the frame's File menu).
    static constexpr int ID_VCARD_IMPORT = 32890;
    static constexpr int ID_VCARD_EXPORT = 32891;
    // Contacts History..., there too.
    static constexpr int ID_CONTACTS_HISTORY = 32893;

    explicit CContactsDlg(QWidget* parent = nullptr);
    ~CContactsDlg() override;

    void SetDocument(CQuillboxDoc* pDoc) { m_pDoc = pDoc; }
    CQuillboxDoc* document() const { return m_pDoc; }
    // The address book shown and worked on; it outlives the window.
    void SetBook(AddressBook* pBook);
    // Where the contacts transfers start.
    void SetTransfers(ContactsTransfers* pTransfers) { m_pTransfers = pTransfers; }
    // Where the book is kept before a transfer, an import or a restore changes it.
    void SetHistory(ContactsHistoryKeeper* pHistory);
    // The setting the contacts file dialogs open in (the import changes it).
    void SetAddressPath(QString* pszAddressPath);

    // The address book changed since it was last exported. Group commands mark it as the
    // contact commands do: closing asks before a new group is lost as much as a contact.
    bool IsModified() const { return m_bModified != 0; }
    void SetModified(bool bModified) { m_bModified = bModified ? 1 : 0; }
    int lastResult() const { return m_nResult; }

    QTreeView* tree() const { return m_pTree; }
    QTreeView* list() const { return m_pList; }
    ContactsTreeModel* treeModel() const { return m_pTreeModel; }
    QModelIndex contactsRoot() const;
    QModelIndex groupsRoot() const;
    // The key a tree item or a list row carries.
    static qint32 keyOf(const QModelIndex& index);
    int currentItem() const { return m_nCurItem; }
    // The key whose listing the list shows (KEY_CONTACTS, KEY_GROUPS or a group id).
    qint32 listedKey() const { return m_nListKey; }

    // The context menu a right click at pos (in the viewport of the tree or the list)
    // shows, with its commands enabled and greyed; null where no menu opens. It records the
    // item under the click as a right click does.
    std::unique_ptr<QMenu> createContextMenu(QWidget* source, const QPoint& pos);

public Q_SLOTS:
    // Commands forwarded by the main frame.
    void OnButtonAddressNewaddress();
    void EditContact();
    void ImportContacts();
    void ExportContacts();
    // vCard import with the duplicate review, and export of the whole book or of the
    // selected contacts when several are selected.
    void ImportVCard();
    void ExportVCard();
    void DownloadContacts();
    void UploadContacts();
    // Contacts History...: the snapshots; Restore keeps the book first, then puts the chosen
    // one in its place and marks it unsaved.
    void ContactsHistory();

    // The end of a contacts transfer, from the device events.
    void DownloadCompleted();
    void UploadCompleted();
    void ClearList();
    void FillTree();

    // Commands of the context menu.
    void OnAddressDelete();
    void OnAddressContact();
    void OnGroupDelete();
    void OnGroupNew();
    void OnGroupEdit();
    void OnFolderNew();
    void OnGroupRename();

public:
    // Which listing the list shows: the Contacts folder, every group, or a group's members.
    void ShowList(qint32 key);
    void SetListColumns(int kind);
    void ViewAddressInfoWindow(qint32 key);
    void DeleteFolderStructure(qint32 key);
    // Adds a group of this name; its tree item, or an invalid index when it was refused.
    QModelIndex InsertFolder(const std::string& name);
    void OnFolderReName(const QModelIndex& item, const std::string& name);
    // The end of in-place editing of a group's name, with the text typed.
    void OnEndLabelEdit(const QModelIndex& item, const QString& text);

protected:
    // Every modal dialog of the window and its commands runs through here.
    virtual int execDialog(QDialog& dlg);
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTreeSelChanged(const QModelIndex& item);
    void OnListDoubleClicked(const QModelIndex& row);
    void OnContextMenu(QWidget* source, const QPoint& pos);
    // The menu from the keyboard: the one a right click on the current item opens, shown
    // there, wherever the mouse is.
    void OnKeyboardContextMenu(QTreeView* view);
    int selectedRowCount() const;
    // The one row single-row commands act on: the current row when it is selected,
    // otherwise the first selected row; -1 when none is selected.
    int selectedRow() const;
    qint32 rowKey(int row) const;
    void startRename(const QModelIndex& item);
    void placeControls();

    // The pictures rows and tree items carry, by their number in the image strip.
    enum Image
    {
        ImgFolder = 2,
        ImgFolderOpen = 3,
        ImgAddressBook = 5,
        ImgCard = 6,
        ImgGroup = 7,
        ImgCount = 8,
    };
    std::array<QIcon, ImgCount> m_ImageList;
    QTreeView* m_pList = nullptr;
    QTreeView* m_pTree = nullptr;
    ContactsTreeModel* m_pTreeModel = nullptr;
    ContactListModel* m_pContactModel = nullptr;
    GroupListModel* m_pGroupModel = nullptr;
    QPersistentModelIndex m_hSelItem;
    int m_nCurItem = -1;
    qint32 m_nListKey = 0;
    // Invalid once its item is gone: a command never acts on a freed item.
    QPersistentModelIndex m_hMenuItem;
    int m_bFolderMenu = 0;
    int m_bModified = 0;
    int m_nResult = 0;
    AddressBook* m_pBook = nullptr;
    ContactsTransfers* m_pTransfers = nullptr;
    CQuillboxDoc* m_pDoc = nullptr;
    QString* m_pszAddressPath = nullptr;
    ContactsHistoryKeeper* m_pHistory = nullptr;
    // The window's jobs on the book, made for the book given (none without one).
    ContactCommands* m_pContactCommands = nullptr;
    GroupCommands* m_pGroupCommands = nullptr;
    ContactsExchangeManager* m_pExchange = nullptr;
};
