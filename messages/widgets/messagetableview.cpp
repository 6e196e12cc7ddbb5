#include "messages/widgets/messagetableview.h"

#include "messages/models/foldertreemodel.h"
#include "messages/models/messagemodels.h"
#include "messages/widgets/choosefolderdialog.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

CMessageTableView::CMessageTableView(MessageModels& models, QAbstractItemModel* model,
                                     QItemSelectionModel* selection, QWidget* parent)
    : QTreeView(parent), m_models(models), m_actDelete(new QAction(tr("Delete"), this)),
      m_actCopyTo(new QAction(tr("Copy to Folder..."), this)),
      m_actMoveTo(new QAction(tr("Move to Folder..."), this)),
      m_actExport(new QAction(tr("Export Messages..."), this))
{
    setModel(model);
    setSelectionModel(selection);
    // A report list: no tree decoration, whole rows selected, several at once, and rows of
    // one height so that a folder of any size is laid out at once.
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::MoveAction);

    m_actDelete->setData(ID_MESSAGE_DELETE);
    connect(m_actDelete, &QAction::triggered, this, &CMessageTableView::OnMessageDelete);
    m_actCopyTo->setData(ID_MESSAGE_COPY_TO_FOLDER);
    connect(m_actCopyTo, &QAction::triggered, this, &CMessageTableView::OnMessageCopyToFolder);
    m_actMoveTo->setData(ID_MESSAGE_MOVE_TO_FOLDER);
    connect(m_actMoveTo, &QAction::triggered, this, &CMessageTableView::OnMessageMoveToFolder);
    m_actExport->setData(ID_MESSAGE_EXPORT);
    connect(m_actExport, &QAction::triggered, this, &CMessageTableView::OnMessageExport);
}

CMessageTableView::~CMessageTableView() = default;

void CMessageTableView::sizeColumns(bool stretchLast)
{
    QHeaderView* head = header();
    head->setSectionsMovable(false);
    head->setStretchLastSection(stretchLast);
    head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Number, address, title, date.
    const int widths[] = {50, 100, 250, 150};
    for (int column = 0; column < 4; ++column)
        head->resizeSection(column, widths[column]);
}

std::vector<int> CMessageTableView::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::unique_ptr<QMenu> CMessageTableView::createContextMenu()
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty() || !offersMenu())
        return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("ContextMessage"));
    if (mayDelete(rows))
        menu->addAction(m_actDelete);
    menu->addAction(m_actCopyTo);
    m_actMoveTo->setEnabled(!copiesOnly(rows));
    menu->addAction(m_actMoveTo);
    menu->addAction(m_actExport);
    return menu;
}

void CMessageTableView::contextMenuEvent(QContextMenuEvent* e)
{
    QPoint at = e->globalPos();
    const QModelIndex current = currentIndex();
    if (e->reason() == QContextMenuEvent::Keyboard && current.isValid()) {
        // From the keyboard the menu is about the current row, as a right-click is about the
        // row under the mouse: a current row outside the selection becomes the selection.
        if (!selectionModel()->isRowSelected(current.row(), current.parent()))
            selectionModel()->select(current, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
        scrollTo(current);
        at = viewport()->mapToGlobal(visualRect(current).center());
    }
    if (std::unique_ptr<QMenu> menu = createContextMenu())
        menu->exec(at);
    e->accept();
}

void CMessageTableView::OnMessageCopyToFolder()
{
    fileToFolder(Qt::CopyAction);
}

void CMessageTableView::OnMessageMoveToFolder()
{
    fileToFolder(Qt::MoveAction);
}

void CMessageTableView::fileToFolder(Qt::DropAction action)
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty() || (action == Qt::MoveAction && copiesOnly(rows)))
        return;
    QModelIndexList indexes;
    for (const int row : rows)
        indexes.append(model()->index(row, 0));
    // The same data a drag of these rows carries, dropped by the same code on the folder
    // chosen: what may go where, copy or move, counts and the list shown after are the drop's.
    const std::unique_ptr<QMimeData> mime(model()->mimeData(indexes));
    if (!mime)
        return;
    FolderTreeModel& folders = m_models.folderModel();
    CChooseFolderDlg dialog(
        folders, action == Qt::CopyAction ? tr("Copy to Folder") : tr("Move to Folder"),
        [&](const QModelIndex& folder) {
            return folders.canDropMimeData(mime.get(), action, -1, -1, folder);
        },
        this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    folders.dropMimeData(mime.get(), action, -1, -1, dialog.chosenFolder());
}

void CMessageTableView::startDrag(Qt::DropActions)
{
    std::vector<int> rows = selectedRows();
    if (rows.empty() && currentIndex().isValid())
        rows.push_back(currentIndex().row());
    QModelIndexList indexes;
    for (const int row : rows)
        indexes.append(model()->index(row, 0));
    QMimeData* mime = model()->mimeData(indexes);
    if (!mime)
        return;
    // Messages that can only be copied offer no move; the drop target asks the store too.
    // Nothing is taken out of the list when the drop is a move: the tree's drop selects the
    // destination, which fills the list anew.
    const bool copyOnly = copiesOnly(rows);
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const QIcon icon = model()->data(indexes.first(), Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull())
        drag->setPixmap(icon.pixmap(QSize(16, 16)));
    drag->exec(copyOnly ? Qt::CopyAction : Qt::CopyAction | Qt::MoveAction,
               copyOnly ? Qt::CopyAction : Qt::MoveAction);
}
