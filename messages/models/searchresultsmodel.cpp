#include "messages/models/searchresultsmodel.h"

#include "messages/core/messagestore.h"
#include "messages/models/foldertreemodel.h"
#include "messages/models/messagedrag.h"
#include "platform/bytes.h"

#include <QMimeData>
#include <QTimer>

#include <algorithm>
#include <set>

SearchResultsModel::SearchResultsModel(MessageStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store)
{
}

SearchResultsModel::~SearchResultsModel() = default;

void SearchResultsModel::setSearchText(const QString& text)
{
    m_text = text;
    // A character above U+00FF is in no record: such a word can match nothing.
    m_unmatchable =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
    m_words = m_unmatchable ? std::vector<std::string>{}
                            : archive::searchWords(platform::fromDisplay(text));
    search();
}

void SearchResultsModel::storeChanged()
{
    if (!m_rows.empty()) {
        beginResetModel();
        m_rows.clear();
        endResetModel();
    }
    m_index.clear();
    m_paths.reset();
    if (isActive() && !m_searchPending) {
        m_searchPending = true;
        QTimer::singleShot(0, this, [this] {
            if (m_searchPending)
                search();
        });
    }
}

void SearchResultsModel::followChangesOf(const QAbstractItemModel& tree)
{
    connect(&tree, &QAbstractItemModel::dataChanged, this, &SearchResultsModel::storeChanged);
    connect(&tree, &QAbstractItemModel::rowsRemoved, this, &SearchResultsModel::storeChanged);
    connect(&tree, &QAbstractItemModel::rowsInserted, this, &SearchResultsModel::storeChanged);
    connect(&tree, &QAbstractItemModel::modelReset, this, &SearchResultsModel::storeChanged);
    connect(&tree, &QAbstractItemModel::layoutChanged, this, &SearchResultsModel::storeChanged);
}

void SearchResultsModel::prepare()
{
    if (!m_index.isBuilt())
        build();
}

void SearchResultsModel::build()
{
    m_index.build(m_store.records());
    m_paths = std::make_unique<archive::FolderPaths>(m_store.records());
}

void SearchResultsModel::search()
{
    m_searchPending = false;
    beginResetModel();
    m_rows.clear();
    if (!m_words.empty()) {
        // Built at the first search after a change, so that a store that changes while
        // nobody searches costs nothing.
        if (!m_index.isBuilt())
            build();
        m_rows = m_index.find(m_words);
    } else if (!isActive()) {
        // The search is over: what was built from the store goes with it.
        m_index.clear();
        m_paths.reset();
    }
    endResetModel();
}

MessageRecord* SearchResultsModel::message(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < m_rows.size() ? m_rows[static_cast<size_t>(row)]
                                                                : nullptr;
}

qint32 SearchResultsModel::messageId(int row) const
{
    const MessageRecord* m = message(row);
    return m ? m->nMessageId : 0;
}

bool SearchResultsModel::isPagerMessage(int row) const
{
    const MessageRecord* m = message(row);
    return m && m->nParentId == PARENT_PAGER;
}

int SearchResultsModel::deleteRows(const std::vector<int>& rows)
{
    std::vector<qint32> ids;
    for (const int row : rows) {
        if (!isPagerMessage(row) && messageId(row) >= 1)
            ids.push_back(messageId(row));
    }
    if (ids.empty())
        return 0;
    // Rows point into the store: they go before the records do.
    storeChanged();
    const std::vector<qint32> changed = m_store.DeleteMessages(ids);
    if (!changed.empty())
        Q_EMIT folderCountsChanged(changed);
    return static_cast<int>(ids.size());
}

std::vector<const MessageRecord*> SearchResultsModel::messages(const std::vector<int>& rows) const
{
    std::vector<const MessageRecord*> out;
    for (const int row : rows) {
        if (const MessageRecord* m = message(row))
            out.push_back(m);
    }
    return out;
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SearchResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const MessageRecord& m = *m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColumnNo:
            return QString::number(index.row());
        case ColumnAddress:
            return platform::toDisplay(m.strAddress);
        case ColumnTitle:
            return platform::toDisplay(m.strTitle);
        case ColumnDate:
            return platform::toDisplay(m.strDate);
        case ColumnFolder:
            return folderDisplayPath(m_paths->pathOf(m));
        default:
            break;
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == ColumnNo && !m_icon.isNull())
            return m_icon;
        break;
    case MessageIdRole:
        return m.nMessageId;
    default:
        break;
    }
    return {};
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return messagecolumns::heading(section, ColumnCount);
}

Qt::ItemFlags SearchResultsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

QStringList SearchResultsModel::mimeTypes() const
{
    return {MessageDrag::mimeType()};
}

QMimeData* SearchResultsModel::mimeData(const QModelIndexList& indexes) const
{
    std::set<int> rows;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.model() == this)
            rows.insert(index.row());
    }
    if (rows.empty())
        return nullptr;
    MessageDrag drag = MessageDrag::of(m_store);
    const MessageRecord* first = message(*rows.begin());
    drag.sourceParentId = first->nParentId;
    drag.sourceFolderId = first->nFolderId;
    bool allPager = true;
    for (const int row : rows) {
        const MessageRecord* m = message(row);
        drag.messageIds.push_back(m->nMessageId);
        allPager = allPager && m->nParentId == PARENT_PAGER;
        if (m->nFolderId != first->nFolderId || m->nParentId != first->nParentId)
            drag.sourceFolderId = 0;
    }
    // Messages of several folders carry no source folder: each then goes by the rules of its
    // own, and the parent number says whether all of them are the pager's (only copied).
    if (drag.sourceFolderId == 0)
        drag.sourceParentId = allPager ? PARENT_PAGER : 0;
    return drag.toMimeData();
}

Qt::DropActions SearchResultsModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}
