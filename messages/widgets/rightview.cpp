#include "messages/widgets/rightview.h"

#include "messages/models/messagelistmodel.h"
#include "messages/models/searchresultsmodel.h"
#include "messages/widgets/messageviews.h"
#include "messages/widgets/rightdetailview.h"
#include "messages/widgets/rightlistview.h"
#include "messages/widgets/searchresultsview.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

CRightView::CRightView(MessageViews& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_pSearchField(new QLineEdit(this)),
      m_pSplitter(new QSplitter(Qt::Vertical, this)), m_pListStack(new QStackedWidget(m_pSplitter)),
      m_pListView(new CRightListView(doc, m_pListStack)),
      m_pDetailView(new CRightDetailView(doc, m_pSplitter)),
      m_pSearchView(new CSearchResultsView(doc, m_pListStack))
{
    setObjectName(QStringLiteral("rightView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pSearchField);
    layout->addWidget(m_pSplitter);

    m_pSearchField->setObjectName(QStringLiteral("messageSearch"));
    m_pSearchField->setPlaceholderText(QStringLiteral("Search all folders (Ctrl+F)"));
    m_pSearchField->setClearButtonEnabled(true);
    m_pSearchField->installEventFilter(this);
    connect(m_pSearchField, &QLineEdit::textChanged, this, &CRightView::searchTextChanged);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &CRightView::focusSearch);
    connect(m_pSearchView, &CSearchResultsView::messageOpened, this, &CRightView::openResult);
    // The list already holds the folder the tree chose: ending the search shows it.
    connect(&m_doc, &MessageViews::folderChosen, m_pSearchField, &QLineEdit::clear);

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
            m_doc.searchModel().prepare();
    }
    return QWidget::eventFilter(watched, event);
}

void CRightView::searchTextChanged(const QString& text)
{
    SearchResultsModel& results = m_doc.searchModel();
    results.setSearchText(text);
    QWidget* shown = results.isActive() ? static_cast<QWidget*>(m_pSearchView) : m_pListView;
    if (m_pListStack->currentWidget() == shown)
        return;
    m_pListStack->setCurrentWidget(shown);
    // Back to the folder that was shown, with its current message.
    if (shown == m_pListView) {
        const QModelIndex current = m_pListView->currentIndex();
        m_doc.ShowMessage(current.isValid() ? m_doc.listModel().message(current.row()) : nullptr);
    } else {
        m_doc.ShowMessage(nullptr);
    }
}

void CRightView::openResult(const MessageRecord* message)
{
    // The message lives on while the search ends: ending it changes no record.
    m_pSearchField->clear();
    m_doc.OpenMessage(message);
}
