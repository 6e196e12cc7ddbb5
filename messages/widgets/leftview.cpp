#include "messages/widgets/leftview.h"

#include "messages/core/archive.h"
#include "messages/core/messagerecord.h"
#include "messages/core/messagestore.h"
#include "messages/models/foldertreemodel.h"
#include "messages/models/messagemodels.h"
#include "messages/models/searchresultsmodel.h"
#include "messages/widgets/exportmessages.h"
#include "platform/bytes.h"
#include "platform/messageboxservice.h"
#include "platform/renamedelegate.h"
#include "platform/themeicon.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QTimer>

namespace {

platform::RenameTexts renameTexts()
{
    return {QCoreApplication::translate("messages::folders", "You Must Input FolderName."),
            QCoreApplication::translate("messages::folders", "Folder Name"),
            QCoreApplication::translate("messages::folders",
                                        "Existed Folder Name.\nYou Must Input the Different "
                                        "FolderName."),
            QCoreApplication::translate("messages::folders", "Folder ReName Failed ")};
}

// A closed folder that shows open while its row is selected.
QIcon folderIcon(const QStyle* style)
{
    const QIcon closed = platform::themedIcon("folder", QStyle::SP_DirClosedIcon, style);
    const QIcon open = platform::themedIcon("folder-open", QStyle::SP_DirOpenIcon, style);
    QIcon icon;
    for (const int side : {16, 32}) {
        icon.addPixmap(closed.pixmap(side), QIcon::Normal);
        icon.addPixmap(open.pixmap(side), QIcon::Selected);
    }
    return icon;
}

} // namespace

CLeftView::CLeftView(MessageModels& models, QWidget* parent)
    : QTreeView(parent), m_models(models), m_model(models.folderModel()),
      m_actNewFolder(new QAction(tr("New Folder"), this)),
      m_actDelete(new QAction(tr("Delete"), this)), m_actReName(new QAction(tr("ReName"), this)),
      m_actExport(new QAction(tr("Export Messages..."), this)),
      m_actExportSubfolders(new QAction(tr("Export Messages with Subfolders..."), this))
{
    setObjectName(QStringLiteral("folderTree"));
    setAccessibleName(tr("Folders"));
    setAccessibleDescription(
        tr("The pager's folders and your local folders, each with its count of messages"));
    m_model.setIcons(platform::themedIcon("drive-removable-media", QStyle::SP_DriveFDIcon, style()),
                     platform::themedIcon("drive-harddisk", QStyle::SP_DriveHDIcon, style()),
                     folderIcon(style()));
    setModel(&m_model);
    setSelectionModel(&models.folderSelection());
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    // The name typed goes through the tree's own checks instead of straight into the model.
    setItemDelegate(
        new platform::RenameDelegate(this, [this](const QModelIndex& index, const QString& text) {
            endLabelEdit(index, text);
        }));
    // Folders are dropped onto, never dragged, and never between.
    setDragDropMode(QAbstractItemView::DropOnly);
    setDragDropOverwriteMode(true);
    setDropIndicatorShown(true);

    m_actNewFolder->setData(ID_FOLDER_NEWFOLDER);
    m_actDelete->setData(ID_FOLDER_DELETE);
    m_actReName->setData(ID_FOLDER_RENAME);
    connect(m_actNewFolder, &QAction::triggered, this, &CLeftView::OnFolderNewFolder);
    connect(m_actDelete, &QAction::triggered, this, &CLeftView::OnFolderDelete);
    connect(m_actReName, &QAction::triggered, this, &CLeftView::OnFolderReName);
    m_actExport->setData(ID_FOLDER_EXPORT);
    m_actExportSubfolders->setData(ID_FOLDER_EXPORT_SUBFOLDERS);
    connect(m_actExport, &QAction::triggered, this, &CLeftView::OnFolderExport);
    connect(m_actExportSubfolders, &QAction::triggered, this,
            &CLeftView::OnFolderExportWithSubfolders);
    connect(&m_model, &FolderTreeModel::messagesDropped, this, &CLeftView::onMessagesDropped);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &CLeftView::restoreCurrent);
    connect(this, &QAbstractItemView::clicked, this, &CLeftView::folderChosen);
}

CLeftView::~CLeftView()
{
    // Whoever listens may already be gone while the base classes take the view down.
    blockSignals(true);
}

void CLeftView::BuildFolderTree()
{
    m_model.reload();
    expand(m_model.pagerRoot());
    expand(m_model.localRoot());
}

void CLeftView::RefreshPagerTree()
{
    m_model.refreshPagerFolders();
    // A pager folder that was shown shows other messages now: the branch takes its place,
    // and the panes empty with it. A local folder shown stays as it was, in the tree and in
    // the panes: the download changed nothing of it.
    if (currentIndex().parent() == m_model.pagerRoot())
        setCurrentIndex(m_model.pagerRoot());
    platform::inform(this, tr("Download Completed ! "));
}

MessageRecord* CLeftView::selectedFolder() const
{
    return m_model.folder(currentIndex());
}

void CLeftView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    m_nCurrentFolderId =
        current.isValid() ? current.data(FolderTreeModel::FolderIdRole).toInt() : 0;
}

void CLeftView::restoreCurrent()
{
    // The rows were built anew and the current one is gone: the folder it showed becomes
    // current again, so that the tree and the list go on showing the same folder.
    QModelIndex again;
    if (m_nCurrentFolderId == PARENT_PAGER)
        again = m_model.pagerRoot();
    else if (m_nCurrentFolderId == PARENT_LOCAL)
        again = m_model.localRoot();
    else
        again = m_model.findFolder(m_nCurrentFolderId);
    if (again.isValid()) {
        scrollTo(again); // the rows built anew are closed: its branch opens
        setCurrentIndex(again);
    } else {
        m_models.ShowFolder(nullptr);
    }
}

// Moving to another row with the keys, or with either button of the mouse, chooses it, as
// a left click does (the current row too; a click on another row chooses it twice, which
// does no harm).
void CLeftView::keyPressEvent(QKeyEvent* e)
{
    const QModelIndex before = currentIndex();
    QTreeView::keyPressEvent(e);
    if (currentIndex() != before)
        Q_EMIT folderChosen();
}

void CLeftView::mousePressEvent(QMouseEvent* e)
{
    const QModelIndex before = currentIndex();
    QTreeView::mousePressEvent(e);
    if (currentIndex() != before)
        Q_EMIT folderChosen();
}

void CLeftView::onMessagesDropped(const QModelIndex& target)
{
    // The list then shows where the messages went.
    if (currentIndex() == target)
        m_models.ShowFolder(m_model.folder(target));
    else
        setCurrentIndex(target);
}

// --- context menu and folder commands ----------------------------------------------------

std::unique_ptr<QMenu> CLeftView::createContextMenu(const QModelIndex& index)
{
    // The pager's branch and its folders are as the pager has them: their messages can only
    // be exported.
    const bool local = m_model.isLocalFolder(index);
    if (!local && !m_model.isLocalRoot(index)) {
        if (!m_model.folder(index))
            return nullptr;
        m_contextIndex = index;
        auto menu = std::make_unique<QMenu>(this);
        menu->setObjectName(QStringLiteral("ContextPagerFolder"));
        menu->addAction(m_actExport);
        return menu;
    }
    m_contextIndex = index;
    m_actNewFolder->setEnabled(true);
    m_actDelete->setEnabled(local);
    m_actReName->setEnabled(local);

    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("ContextLocalFolder"));
    menu->addAction(m_actNewFolder);
    menu->addAction(m_actDelete);
    menu->addAction(m_actReName);
    if (local) {
        menu->addSeparator();
        menu->addAction(m_actExport);
        menu->addAction(m_actExportSubfolders);
    }
    return menu;
}

void CLeftView::contextMenuEvent(QContextMenuEvent* e)
{
    QModelIndex index;
    QPoint at = e->globalPos();
    if (e->reason() == QContextMenuEvent::Keyboard) {
        index = currentIndex();
        if (index.isValid())
            at = viewport()->mapToGlobal(visualRect(index).center());
    } else {
        index = indexAt(viewport()->mapFromGlobal(e->globalPos()));
    }
    if (std::unique_ptr<QMenu> menu = createContextMenu(index))
        menu->exec(at);
    e->accept();
}

void CLeftView::OnFolderNewFolder()
{
    const QModelIndex parent = m_contextIndex;
    const QModelIndex folder = m_model.insertFolder(parent);
    if (!folder.isValid())
        return;
    // The new folder's name is open for editing at once.
    expand(parent);
    scrollTo(folder);
    edit(folder);
}

void CLeftView::OnFolderDelete()
{
    const QModelIndex folder = m_contextIndex;
    if (!m_model.isLocalFolder(folder))
        return;
    // A selected folder inside would leave the list with messages that are gone: the
    // parent takes over first.
    for (QModelIndex up = currentIndex(); up.isValid(); up = up.parent()) {
        if (up == folder) {
            setCurrentIndex(folder.parent());
            break;
        }
    }
    m_model.removeFolder(folder);
}

void CLeftView::OnFolderExport()
{
    exportFolder(false);
}

void CLeftView::OnFolderExportWithSubfolders()
{
    exportFolder(true);
}

void CLeftView::exportFolder(bool withSubfolders)
{
    const MessageRecord* folder = m_model.folder(m_contextIndex);
    if (!folder)
        return;
    const RecordList& records = m_models.store().records();
    ExportMessages(
        this, records,
        archive::folderMessages(records, folder->nParentId, folder->nFolderId, withSubfolders),
        platform::toDisplay(folder->strName));
}

bool CLeftView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // A click on the current folder while a search is shown goes back to that folder (the
    // search ends): it does not also start editing its name, as it would otherwise.
    if (trigger == SelectedClicked && m_models.searchModel().isActive())
        return false;
    return QTreeView::edit(index, trigger, event);
}

void CLeftView::OnFolderReName()
{
    if (m_model.isLocalFolder(m_contextIndex))
        edit(m_contextIndex);
}

// --- name editing ------------------------------------------------------------------------

bool CLeftView::endLabelEdit(const QModelIndex& index, const QString& newText)
{
    const FolderTreeModel::NameCheck check = m_model.checkName(index, newText);
    if (platform::tellRefusedName(this, check, m_model.data(index).toString(), renameTexts())) {
        restartLabelEdit(index);
        return false;
    }
    if (check != FolderTreeModel::NameCheck::Ok)
        return false;
    return m_model.renameFolder(index, newText);
}

void CLeftView::restartLabelEdit(const QModelIndex& index)
{
    const QPersistentModelIndex where(index);
    QTimer::singleShot(0, this, [this, where] {
        if (where.isValid())
            edit(where);
    });
}
