#include "messages/searchresultsview.h"

#include "messages/exportmessages.h"
#include "messages/messagestore.h"
#include "messages/messageviews.h"
#include "messages/rightlistview.h"
#include "messages/searchresultsmodel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

CSearchResultsView::CSearchResultsView(MessageViews& doc, QWidget* parent)
    : QTreeView(parent), m_doc(doc), m_model(&doc.searchModel()),
      m_actDelete(new QAction(QStringLiteral("Delete"), this)),
      m_actExport(new QAction(QStringLiteral("Export Messages..."), this))
{
    setObjectName(QStringLiteral("searchResults"));
    m_model->setRowIcon(QIcon::fromTheme(QStringLiteral("mail-message"),
                                         style()->standardIcon(QStyle::SP_FileIcon)));
    setModel(m_model);
    // Laid out as the message list, with the folder of each message after its date.
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
    QHeaderView* head = header();
    head->setSectionsMovable(false);
    head->setStretchLastSection(true);
    head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    head->resizeSection(SearchResultsModel::ColumnNo, 50);
    head->resizeSection(SearchResultsModel::ColumnAddress, 100);
    head->resizeSection(SearchResultsModel::ColumnTitle, 250);
    head->resizeSection(SearchResultsModel::ColumnDate, 150);

    m_actDelete->setData(CRightListView::ID_MESSAGE_DELETE);
    m_actExport->setData(CRightListView::ID_MESSAGE_EXPORT);
    connect(m_actDelete, &QAction::triggered, this, &CSearchResultsView::OnMessageDelete);
    connect(m_actExport, &QAction::triggered, this, &CSearchResultsView::OnMessageExport);
    m_doc.SetSearchView(this);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const MessageRecord* m = m_model->message(index.row()))
            Q_EMIT messageOpened(m);
    });
}

CSearchResultsView::~CSearchResultsView() = default;

std::vector<int> CSearchResultsView::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::unique_ptr<QMenu> CSearchResultsView::createContextMenu()
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("ContextMessage"));
    // As in the list of the message's own folder: pager messages are not deleted.
    const bool anyPager = std::any_of(rows.begin(), rows.end(),
                                      [&](int row) { return m_model->isPagerMessage(row); });
    if (!anyPager)
        menu->addAction(m_actDelete);
    menu->addAction(m_actExport);
    return menu;
}

void CSearchResultsView::contextMenuEvent(QContextMenuEvent* e)
{
    if (std::unique_ptr<QMenu> menu = createContextMenu())
        menu->exec(e->globalPos());
    e->accept();
}

void CSearchResultsView::OnMessageDelete()
{
    m_model->deleteRows(selectedRows());
}

void CSearchResultsView::OnMessageExport()
{
    const std::vector<int> rows = selectedRows();
    if (!rows.empty())
        ExportMessages(this, m_doc.store().records(), m_model->messages(rows),
                       QStringLiteral("Messages"));
}

void CSearchResultsView::startDrag(Qt::DropActions)
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
    // Pager messages are only copied; a drag of nothing but pager messages offers no move.
    const bool copyOnly = std::all_of(rows.begin(), rows.end(),
                                      [&](int row) { return m_model->isPagerMessage(row); });
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const QIcon icon = m_model->data(indexes.first(), Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull())
        drag->setPixmap(icon.pixmap(QSize(16, 16)));
    drag->exec(copyOnly ? Qt::CopyAction : Qt::CopyAction | Qt::MoveAction,
               copyOnly ? Qt::CopyAction : Qt::MoveAction);
}
