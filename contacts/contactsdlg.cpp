#include "contacts/contactsdlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QIcon themed(const char* name, QStyle::StandardPixmap fallback, const QStyle* style)
{
    return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback));
}

} // namespace

CContactsDlg::CContactsDlg(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ContactsDlg"));

    m_pTree = new QTreeWidget(this);
    m_pTree->setObjectName(QStringLiteral("tree"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setFixedWidth(195);

    m_pList = new QTreeWidget(this);
    m_pList->setObjectName(QStringLiteral("list"));
    m_pList->setRootIsDecorated(false);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setHeaderLabels(
        {QStringLiteral("First Name"), QStringLiteral("Last Name"),
         QStringLiteral("Wireless Address"), QStringLiteral("Email Address #1"),
         QStringLiteral("Email Address #2"), QStringLiteral("Email Address #3")});
    const int widths[] = {90, 90, 120, 150, 150, 150};
    for (int column = 0; column < 6; ++column)
        m_pList->header()->resizeSection(column, widths[column]);

    m_pNote = new QLabel(
        QStringLiteral("The pager's address book is shown here from the next version of Quillbox."),
        this);
    m_pNote->setObjectName(QStringLiteral("note"));
    m_pNote->setWordWrap(true);

    auto* panes = new QHBoxLayout;
    panes->setSpacing(10);
    panes->addWidget(m_pTree);
    panes->addWidget(m_pList, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(5, 5, 5, 5);
    column->setSpacing(5);
    column->addLayout(panes, 1);
    column->addWidget(m_pNote);

    FillTree();
}

CContactsDlg::~CContactsDlg() = default;

// Until the address book is written, the commands have nothing to act on: they change
// nothing, so nothing is left unsaved either.
void CContactsDlg::OnButtonAddressNewaddress() {}
void CContactsDlg::EditContact() {}
void CContactsDlg::ImportContacts() {}
void CContactsDlg::ExportContacts() {}
void CContactsDlg::DownloadContacts() {}
void CContactsDlg::UploadContacts() {}
void CContactsDlg::DownloadCompleted() {}
void CContactsDlg::UploadCompleted() {}

void CContactsDlg::ClearList()
{
    m_pList->clear();
}

void CContactsDlg::FillTree()
{
    m_pTree->clear();
    auto* contacts = new QTreeWidgetItem(m_pTree, {QStringLiteral("Contacts")});
    contacts->setIcon(0, themed("x-office-address-book", QStyle::SP_DirHomeIcon, style()));
    auto* groups = new QTreeWidgetItem(m_pTree, {QStringLiteral("Groups")});
    groups->setIcon(0, themed("folder", QStyle::SP_DirIcon, style()));
    m_pTree->setCurrentItem(contacts);
}
