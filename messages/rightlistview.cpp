#include "messages/rightlistview.h"

#include "messages/archive.h"
#include "messages/exportmessages.h"
#include "messages/messagelistmodel.h"
#include "messages/messagestore.h"
#include "messages/messageviews.h"
#include "platform/bytes.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

CRightListView::CRightListView(MessageViews& doc, QWidget* parent)
    : QTreeView(parent), m_doc(doc), m_model(&doc.listModel()),
      m_actDelete(new QAction(QStringLiteral("Delete"), this)),
      m_actExport(new QAction(QStringLiteral("Export Messages..."), this))
{
    setObjectName(QStringLiteral("messageList"));
    m_model->setRowIcon(QIcon::fromTheme(QStringLiteral("mail-message"),
                                         style()->standardIcon(QStyle::SP_FileIcon)));
    setModel(m_model);
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
    connect(m_actDelete, &QAction::triggered, this, &CRightListView::OnMessageDelete);
    m_actExport->setData(ID_MESSAGE_EXPORT);
    connect(m_actExport, &QAction::triggered, this, &CRightListView::OnMessageExport);
}

CRightListView::~CRightListView() = default;

void CRightListView::InitMessageList()
{
    QHeaderView* head = header();
    head->setSectionsMovable(false);
    head->setStretchLastSection(false);
    head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    head->resizeSection(MessageListModel::ColumnNo, 50);
    head->resizeSection(MessageListModel::ColumnAddress, 100);
    head->resizeSection(MessageListModel::ColumnTitle, 250);
    head->resizeSection(MessageListModel::ColumnDate, 150);
    m_doc.SetListView(this);
}

std::vector<int> CRightListView::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<qint32> CRightListView::selectedMessageIds() const
{
    std::vector<qint32> ids;
    for (const int row : selectedRows())
        ids.push_back(m_model->messageId(row));
    return ids;
}

std::unique_ptr<QMenu> CRightListView::createContextMenu()
{
    if (!selectionModel()->hasSelection() || !m_model->hasFolder())
        return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("ContextMessage"));
    if (!m_model->folderIsPager()) {
        m_actDelete->setEnabled(true);
        menu->addAction(m_actDelete);
    }
    menu->addAction(m_actExport);
    return menu;
}

void CRightListView::contextMenuEvent(QContextMenuEvent* e)
{
    if (std::unique_ptr<QMenu> menu = createContextMenu())
        menu->exec(e->globalPos());
    e->accept();
}

void CRightListView::OnMessageDelete()
{
    // Always the rows that are selected now: the row that changed last may be one that
    // was just taken out of the selection.
    m_model->deleteRows(selectedRows());
}

void CRightListView::OnMessageExport()
{
    const MessageRecord* folder =
        m_doc.store().findFolder(m_model->folderParentId(), m_model->folderId());
    const std::vector<qint32> ids = selectedMessageIds();
    if (!folder || ids.empty())
        return;
    ExportMessages(this, m_doc.store().records(),
                   archive::findMessages(m_doc.store().records(), ids),
                   platform::toDisplay(folder->strName));
}

void CRightListView::startDrag(Qt::DropActions)
{
    std::vector<int> rows = selectedRows();
    if (rows.empty() && currentIndex().isValid())
        rows.push_back(currentIndex().row());
    QModelIndexList indexes;
    for (const int row : rows)
        indexes.append(m_model->index(row, 0));
    QMimeData* mime = m_model->mimeData(indexes);
    if (!mime)
        return;

    // Messages that can only be copied offer no move; the drop target asks the store too.
    const bool copyOnly = m_model->dragCopiesOnly();
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const QIcon icon = m_model->data(indexes.first(), Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull())
        drag->setPixmap(icon.pixmap(QSize(16, 16)));
    // Nothing is taken out of the list when the drop is a move: the tree's drop selects
    // the destination, which fills the list anew.
    drag->exec(copyOnly ? Qt::CopyAction : Qt::CopyAction | Qt::MoveAction,
               copyOnly ? Qt::CopyAction : Qt::MoveAction);
}
