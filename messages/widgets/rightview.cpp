#include "messages/widgets/rightview.h"

#include "messages/models/foldertreemodel.h"
#include "messages/models/messagelistmodel.h"
#include "messages/models/messagemodels.h"
#include "messages/models/searchresultsmodel.h"
#include "messages/widgets/leftview.h"
#include "messages/widgets/rightdetailview.h"
#include "messages/widgets/rightlistview.h"
#include "messages/widgets/searchresultsview.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

CRightView::CRightView(MessageModels& models, QWidget* parent)
    : QWidget(parent), m_models(models), m_pSearchField(new QLineEdit(this)),
      m_pSplitter(new QSplitter(Qt::Vertical, this)), m_pListStack(new QStackedWidget(m_pSplitter)),
      m_pListView(new CRightListView(models, m_pListStack)),
      m_pDetailView(new CRightDetailView(m_pSplitter)),
      m_pSearchView(new CSearchResultsView(models, m_pListStack))
{
    setObjectName(QStringLiteral("rightView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pSearchField);
    layout->addWidget(m_pSplitter);

    m_pSearchField->setObjectName(QStringLiteral("messageSearch"));
    m_pSearchField->setPlaceholderText(tr("Search all folders (Ctrl+F)"));
    m_pSearchField->setAccessibleName(tr("Search all folders"));
    m_pSearchField->setAccessibleDescription(
        tr("Words to find in the messages of every folder; Esc ends the search"));
    m_pSearchField->setClearButtonEnabled(true);
    m_pSearchField->installEventFilter(this);
    connect(m_pSearchField, &QLineEdit::textChanged, this, &CRightView::searchTextChanged);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &CRightView::focusSearch);
    connect(m_pSearchView, &CSearchResultsView::messageOpened, this, &CRightView::openResult);
    // The detail pane shows the current row of the list, or of the results while they show.
    connect(&models.messageSelection(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                showMessage(current.isValid() ? m_models.listModel().message(current.row())
                                              : nullptr);
            });
    connect(&models.resultSelection(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                showMessage(current.isValid() ? m_models.searchModel().message(current.row())
                                              : nullptr);
            });
    // A list filled anew has no current message; nor have results found anew.
    connect(&models.listModel(), &QAbstractItemModel::modelReset, this,
            [this] { showMessage(nullptr); });
    connect(&models.searchModel(), &QAbstractItemModel::modelReset, this, [this] {
        if (m_pSearchView->isVisible())
            showMessage(nullptr);
    });

    m_pListStack->addWidget(m_pListView);
    m_pListStack->addWidget(m_pSearchView);
    m_pSplitter->addWidget(m_pListStack);
    m_pSplitter->addWidget(m_pDetailView);
    m_pSplitter->setChildrenCollapsible(false);
    // The list starts 100 pixels high; the detail pane takes what is left and every later
    // change of the window's height.
    m_pSplitter->setStretchFactor(0, 0);
    m_pSplitter->setStretchFactor(1, 1);
    m_pSplitter->setSizes({100, 300});
    // Top to bottom: the results stand where the list stands, above the detail pane.
    setTabOrder(m_pSearchField, m_pListView);
    setTabOrder(m_pListView, m_pSearchView);
    setTabOrder(m_pSearchView, m_pDetailView);
}

CRightView::~CRightView() = default;

void CRightView::initialUpdate()
{
    m_pListView->InitMessageList();
    m_pDetailView->initialUpdate();
}

void CRightView::focusSearch()
{
    m_pSearchField->setFocus(Qt::ShortcutFocusReason);
    m_pSearchField->selectAll();
}

bool CRightView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pSearchField) {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_pSearchField->clear();
            return true;
        }
        // The user is about to type: what the search needs is built now.
        if (event->type() == QEvent::FocusIn)
            m_models.searchModel().prepare();
    }
    return QWidget::eventFilter(watched, event);
}

void CRightView::searchTextChanged(const QString& text)
{
    SearchResultsModel& results = m_models.searchModel();
    results.setSearchText(text);
    QWidget* shown = results.isActive() ? static_cast<QWidget*>(m_pSearchView) : m_pListView;
    if (m_pListStack->currentWidget() == shown)
        return;
    m_pListStack->setCurrentWidget(shown);
    // Back to the folder that was shown, with its current message.
    if (shown == m_pListView) {
        const QModelIndex current = m_pListView->currentIndex();
        showMessage(current.isValid() ? m_models.listModel().message(current.row()) : nullptr);
    } else {
        showMessage(nullptr);
    }
}

void CRightView::openResult(const MessageRecord* message)
{
    // The message lives on while the search ends: ending it changes no record.
    m_pSearchField->clear();
    if (!message || !m_pTree)
        return;
    const qint32 messageId = message->nMessageId;
    const QModelIndex folder = m_models.folderModel().findFolder(message->nFolderId);
    if (!folder.isValid())
        return;
    m_pTree->scrollTo(folder); // opens the branches above it
    m_pTree->setCurrentIndex(folder);
    const MessageListModel& list = m_models.listModel();
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.messageId(row) == messageId) {
            const QModelIndex at = list.index(row, 0);
            m_pListView->setCurrentIndex(at);
            m_pListView->scrollTo(at);
            break;
        }
    }
}

void CRightView::followTree(CLeftView* tree)
{
    if (m_pTree)
        disconnect(m_pTree, nullptr, m_pSearchField, nullptr);
    m_pTree = tree;
    // The list already holds the folder the tree chose: ending the search shows it.
    if (tree)
        connect(tree, &CLeftView::folderChosen, m_pSearchField, &QLineEdit::clear);
}

void CRightView::showMessage(const MessageRecord* message)
{
    m_pDetailView->showMessage(message);
}
