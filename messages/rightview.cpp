#include "messages/rightview.h"

#include "messages/rightdetailview.h"
#include "messages/rightlistview.h"

#include <QSplitter>
#include <QVBoxLayout>

CRightView::CRightView(MessageViews& doc, QWidget* parent)
    : QWidget(parent), m_pSplitter(new QSplitter(Qt::Vertical, this)),
      m_pListView(new CRightListView(doc, m_pSplitter)),
      m_pDetailView(new CRightDetailView(doc, m_pSplitter))
{
    setObjectName(QStringLiteral("rightView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pSplitter);

    m_pSplitter->addWidget(m_pListView);
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
