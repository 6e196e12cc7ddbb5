#include "messages/widgets/messagetableview.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

CMessageTableView::CMessageTableView(MessageModels& models, QAbstractItemModel* model,
                                     QItemSelectionModel* selection, QWidget* parent)
    : QTreeView(parent), m_models(models), m_actDelete(new QAction(QStringLiteral("Delete"), this)),
      m_actExport(new QAction(QStringLiteral("Export Messages..."), this))
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
    menu->addAction(m_actExport);
    return menu;
}

void CMessageTableView::contextMenuEvent(QContextMenuEvent* e)
{
    if (std::unique_ptr<QMenu> menu = createContextMenu())
        menu->exec(e->globalPos());
    e->accept();
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
