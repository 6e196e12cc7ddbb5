// The Contacts window's commands as the user reaches them: the context menus, and the
// operations that pick the rows or the tree item a command acts on and hand it to the
// contact commands, the group commands or the import and export manager.

#include "contacts/widgets/contactsdlg.h"

#include "contacts/core/addressbook.h"
#include "contacts/core/addressbookerrors.h"
#include "contacts/core/contactrecord.h"
#include "contacts/models/contactstreemodel.h"
#include "contacts/widgets/contactcommands.h"
#include "contacts/widgets/contactsexchangemanager.h"
#include "contacts/widgets/contactshistorydlg.h"
#include "contacts/widgets/contactshistorykeeper.h"
#include "contacts/widgets/groupcommands.h"
#include "platform/messageboxservice.h"

#include <QItemSelectionModel>
#include <QMenu>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <vector>

// ---- contacts: the rows they act on, carried out by the contact commands ----

void CContactsDlg::OnButtonAddressNewaddress()
{
    if (m_pContactCommands && m_nListKey == KEY_CONTACTS)
        m_pContactCommands->newContact();
}

void CContactsDlg::EditContact()
{
    const int row = selectedRow();
    if (m_nListKey != KEY_CONTACTS || row < 0)
        return;
    ViewAddressInfoWindow(rowKey(row));
}

void CContactsDlg::OnListDoubleClicked(const QModelIndex& row)
{
    if (m_nListKey != KEY_CONTACTS || !row.isValid())
        return;
    const qint32 key = keyOf(row);
    if (key > 0)
        ViewAddressInfoWindow(key);
}

void CContactsDlg::OnAddressContact()
{
    if (m_nListKey != KEY_CONTACTS || selectedRowCount() != 1)
        return;
    const qint32 key = rowKey(selectedRow());
    if (key > 0)
        ViewAddressInfoWindow(key);
}

void CContactsDlg::ViewAddressInfoWindow(qint32 key)
{
    if (m_pContactCommands && m_nListKey == KEY_CONTACTS)
        m_pContactCommands->openContact(key);
}

void CContactsDlg::OnAddressDelete()
{
    m_bModified = 1;
    if (!m_pContactCommands)
        return;
    if (m_bFolderMenu == 1) {
        DeleteFolderStructure(KEY_CONTACTS);
        ShowList(KEY_CONTACTS);
        return;
    }
    // Group rows carry group ids, not contact keys.
    if (m_nListKey != KEY_CONTACTS)
        return;
    // The keys first: every delete takes its row away.
    std::vector<qint32> keys;
    if (selectedRowCount() == 1) {
        keys.push_back(rowKey(selectedRow()));
    } else {
        std::vector<int> rows;
        for (const QModelIndex& index : m_pList->selectionModel()->selectedRows())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        for (const int row : rows)
            keys.push_back(rowKey(row));
    }
    m_pContactCommands->deleteContacts(keys);
}

void CContactsDlg::DeleteFolderStructure(qint32 key)
{
    if (m_pContactCommands)
        m_pContactCommands->deleteFolder(key);
}

// ---- groups: the item they act on, carried out by the group commands ----

void CContactsDlg::OnGroupDelete()
{
    if (!m_pGroupCommands || !m_hMenuItem.isValid())
        return;
    const qint32 key = keyOf(m_hMenuItem);
    if (key >= 0)
        m_pGroupCommands->deleteGroup(key);
}

void CContactsDlg::OnGroupNew()
{
    // The list shows the groups, the new one among them.
    if (m_pGroupCommands && m_pGroupCommands->newGroup())
        ShowList(KEY_GROUPS);
}

void CContactsDlg::OnGroupEdit()
{
    if (!m_pGroupCommands || !m_hMenuItem.isValid())
        return;
    // The list shows the members of the group edited.
    const qint32 key = keyOf(m_hMenuItem);
    if (m_pGroupCommands->editGroup(key))
        ShowList(key);
}

void CContactsDlg::OnFolderNew()
{
    if (!m_pGroupCommands || !m_hMenuItem.isValid())
        return;
    // The new group is shown open, its name ready to be typed over.
    m_pTree->expand(groupsRoot());
    const QModelIndex item = InsertFolder(m_pGroupCommands->newFolderName());
    if (item.isValid())
        startRename(item);
}

QModelIndex CContactsDlg::InsertFolder(const std::string& name)
{
    const std::optional<qint32> id =
        m_pGroupCommands ? m_pGroupCommands->insertFolder(name) : std::nullopt;
    if (!id)
        return {};
    m_pTreeModel->markFolder(*id);
    return m_pTreeModel->groupIndex(*id);
}

void CContactsDlg::OnGroupRename()
{
    startRename(m_hMenuItem);
}

void CContactsDlg::startRename(const QModelIndex& item)
{
    // Only a group's name can be edited, never a root's.
    if (!item.isValid() || keyOf(item) < 0)
        return;
    // A hidden tree has nowhere to show the edit box.
    if (m_pTree->isVisible())
        m_pTree->edit(item);
}

void CContactsDlg::OnEndLabelEdit(const QModelIndex& item, const QString& text)
{
    if (!m_pGroupCommands || !item.isValid())
        return;
    if (m_pGroupCommands->endRename(keyOf(item), text) != GroupCommands::Rename::Refused)
        return;
    // Typed again, once the message has gone.
    const QPersistentModelIndex at(item);
    QTimer::singleShot(0, this, [this, at] {
        if (at.isValid())
            startRename(at);
    });
}

void CContactsDlg::OnFolderReName(const QModelIndex& item, const std::string& name)
{
    if (m_pGroupCommands && item.isValid())
        m_pGroupCommands->rename(keyOf(item), name);
}

// ---- context menu ----

std::unique_ptr<QMenu> CContactsDlg::createContextMenu(QWidget* source, const QPoint& pos)
{
    std::vector<int> enabled;
    if (source == m_pTree->viewport() || source == m_pTree) {
        const QModelIndex item = m_pTree->indexAt(pos);
        if (!item.isValid())
            return nullptr;
        m_hMenuItem = item;
        const qint32 key = keyOf(item);
        if (key == KEY_CONTACTS) {
            m_bFolderMenu = 1;
            enabled = {ID_ADDRESS_DELETE, ID_VCARD_IMPORT, ID_VCARD_EXPORT};
            if (m_pHistory)
                enabled.push_back(ID_CONTACTS_HISTORY);
        } else if (key == KEY_GROUPS) {
            m_bFolderMenu = 1;
            enabled = {ID_FOLDER_NEW, ID_GROUP_NEW};
        } else {
            m_bFolderMenu = 0;
            enabled = {ID_GROUP_DELETE, ID_GROUP_EDIT, ID_GROUP_RENAME};
        }
    } else {
        m_bFolderMenu = 0;
        m_hMenuItem = QPersistentModelIndex();
        if (selectedRowCount() < 1 || m_nListKey != KEY_CONTACTS)
            return nullptr;
        enabled = {ID_ADDRESS_DELETE, ID_ADDRESS_CONTACT};
    }

    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("ContextList"));
    auto add = [&](int command, const QString& text, void (CContactsDlg::*slot)()) {
        QAction* action = menu->addAction(text, this, slot);
        action->setObjectName(QString::number(command));
        action->setData(command);
        action->setEnabled(std::find(enabled.begin(), enabled.end(), command) != enabled.end());
    };
    add(ID_ADDRESS_DELETE, tr("Delete Contact"), &CContactsDlg::OnAddressDelete);
    //: Menu command: opens the selected contact.
    add(ID_ADDRESS_CONTACT, tr("Contact", "open"), &CContactsDlg::OnAddressContact);
    menu->addSeparator();
    add(ID_GROUP_DELETE, tr("Delete Group"), &CContactsDlg::OnGroupDelete);
    menu->addSeparator();
    add(ID_GROUP_NEW, tr("New Group"), &CContactsDlg::OnGroupNew);
    add(ID_GROUP_EDIT, tr("Edit Group"), &CContactsDlg::OnGroupEdit);
    add(ID_FOLDER_NEW, tr("New Folder"), &CContactsDlg::OnFolderNew);
    add(ID_GROUP_RENAME, tr("Rename Group"), &CContactsDlg::OnGroupRename);
    menu->addSeparator();
    add(ID_VCARD_IMPORT, tr("Import vCard..."), &CContactsDlg::ImportVCard);
    add(ID_VCARD_EXPORT, tr("Export vCard..."), &CContactsDlg::ExportVCard);
    add(ID_CONTACTS_HISTORY, tr("Contacts History..."), &CContactsDlg::ContactsHistory);
    return menu;
}

void CContactsDlg::OnContextMenu(QWidget* source, const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu = createContextMenu(source, pos);
    if (menu)
        menu->exec(source->mapToGlobal(pos));
}

void CContactsDlg::OnKeyboardContextMenu(QTreeView* view)
{
    const QModelIndex current = view->currentIndex();
    // The tree's menu belongs to an item; the list's to its selection, wherever it opens.
    if (view == m_pTree && !current.isValid())
        return;
    QPoint pos;
    if (current.isValid()) {
        view->scrollTo(current);
        pos = view->visualRect(current).center();
    }
    OnContextMenu(view->viewport(), pos);
}

// ---- import and export, carried out by the manager ----

void CContactsDlg::ImportContacts()
{
    if (m_pExchange)
        m_pExchange->importText();
}

void CContactsDlg::ExportContacts()
{
    if (m_pExchange)
        m_pExchange->exportText();
}

void CContactsDlg::ImportVCard()
{
    if (m_pExchange)
        m_pExchange->importVCard();
}

void CContactsDlg::ExportVCard()
{
    if (m_pExchange)
        m_pExchange->exportVCard();
}

void CContactsDlg::ContactsHistory()
{
    if (!m_pHistory || !m_pBook)
        return;
    CContactsHistoryDlg dlg(m_pHistory->history(), m_pHistory->contents(), this);
    if (execDialog(dlg) != QDialog::Accepted || dlg.selectedId().isEmpty())
        return;
    // The book as it is goes to the history first, so that the restore itself can be undone.
    // The chosen book then takes its place in one step; the current file stays the book's.
    m_pHistory->keep(contacthistory::Event::Restore, this);
    recoverycopy::Contents chosen = dlg.selectedBook();
    if (const int result =
            m_pBook->replaceAll(std::move(chosen.contacts), std::move(chosen.groups))) {
        m_nResult = result;
        platform::tell(this, addressbook::errorText(result));
        return;
    }
    FillTree();
    m_bModified = 1;
}
