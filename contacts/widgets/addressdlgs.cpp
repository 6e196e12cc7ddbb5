#include "contacts/widgets/addressdlgs.h"

#include "contacts/core/addressbook.h"
#include "contacts/core/groupblock.h"
#include "contacts/widgets/byteedit.h"
#include "platform/bytes.h"
#include "platform/messageboxservice.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The confirming button (the default) and Cancel, which Enter never presses.
QDialogButtonBox* buttonRow(QDialog* dialog, const QString& confirmText, QPushButton*& confirm)
{
    auto* row = new QDialogButtonBox(dialog);
    confirm = row->addButton(confirmText, QDialogButtonBox::AcceptRole);
    confirm->setDefault(true);
    QPushButton* cancel =
        row->addButton(QCoreApplication::translate("contacts::addressdlgs", "Cancel"),
                       QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return row;
}

} // namespace

CAddressEntryDlg::CAddressEntryDlg(QWidget* parent) : QDialog(parent)
{
    //: Title of the address entry dialog until its caller names it.
    setWindowTitle(tr("New"));

    auto* frame = new QGroupBox(this);
    m_pEdit = new QLineEdit(frame);
    m_pEdit->setObjectName(QStringLiteral("address"));
    setupByteLineEdit(m_pEdit, MAX_ENTRY_ADDRESS);
    m_pEdit->setAccessibleName(tr("Address"));
    m_pEdit->setAccessibleDescription(
        tr("An e-mail or wireless address of at most %1 bytes.").arg(MAX_ENTRY_ADDRESS));
    m_pEdit->setMinimumWidth(m_pEdit->fontMetrics().averageCharWidth() * 40);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_pEdit);

    QDialogButtonBox* buttons = buttonRow(this, tr("OK"), m_pOk);
    m_pOk->setObjectName(QStringLiteral("ok"));
    connect(m_pOk, &QPushButton::clicked, this, &CAddressEntryDlg::OnOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CAddressEntryDlg::~CAddressEntryDlg() = default;

void CAddressEntryDlg::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        setLineEditBytes(m_pEdit, m_strAddress, MAX_ENTRY_ADDRESS);
        setWindowTitle(m_strTitle);
        m_pEdit->setFocus(Qt::OtherFocusReason);
    }
    QDialog::setVisible(visible);
}

void CAddressEntryDlg::OnOK()
{
    const std::string address = lineEditBytes(m_pEdit);
    if (address.empty()) {
        platform::tell(this, tr(kInputAddress));
        return;
    }
    m_strAddress = address;
    accept();
}

QTreeWidget* makeAddressList(QWidget* parent, const QString& objectName,
                             const QStringList& headers)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHeaderLabels(headers);
    return list;
}

CAddressPickerDlg::CAddressPickerDlg(const AddressBook* pager, QWidget* parent)
    : QDialog(parent), m_pPager(pager)
{
    setWindowTitle(tr("Address"));

    m_List = makeAddressList(this, QStringLiteral("contacts"),
                             {tr("Name"), tr("E-Mail"), tr("E-Mail2"), tr("Wireless")});
    m_List->setAccessibleName(tr("Contacts"));
    m_List->setAccessibleDescription(
        tr("Every contact with its name, two e-mail addresses and wireless address."));
    // The widths the list was drawn for, widened where the font needs more.
    const int average = m_List->fontMetrics().averageCharWidth();
    const int widths[] = {std::max(100, average * 22), std::max(150, average * 28),
                          std::max(150, average * 28), std::max(150, average * 16)};
    int total = 0;
    for (int column = 0; column < 4; ++column) {
        m_List->setColumnWidth(column, widths[column]);
        total += widths[column];
    }
    m_List->setMinimumSize(total + 2 * m_List->frameWidth() + 4,
                           m_List->fontMetrics().height() * 14);
    connect(m_List, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        m_nCurItem = current ? m_List->indexOfTopLevelItem(current) : -1;
    });

    auto* kindBox = new QGroupBox(tr("Kind"), this);
    m_pKind = new QButtonGroup(this);
    auto* kindLayout = new QHBoxLayout(kindBox);
    const char* kinds[] = {QT_TR_NOOP("&E-Mail"), QT_TR_NOOP("E-Mail&2"), QT_TR_NOOP("&Wireless")};
    for (int choice = ChoiceEmail1; choice <= ChoiceWireless; ++choice) {
        auto* radio = new QRadioButton(tr(kinds[choice]), kindBox);
        m_pKind->addButton(radio, choice);
        kindLayout->addWidget(radio);
    }
    kindLayout->addStretch(1);

    QDialogButtonBox* buttons = buttonRow(this, tr("&Select"), m_pSelect);
    m_pSelect->setObjectName(QStringLiteral("select"));
    connect(m_pSelect, &QPushButton::clicked, this, &CAddressPickerDlg::OnOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_List, 1);
    layout->addWidget(kindBox);
    layout->addWidget(buttons);
}

CAddressPickerDlg::~CAddressPickerDlg() = default;

QAbstractButton* CAddressPickerDlg::kindButton(int choice) const
{
    return m_pKind->button(choice);
}

void CAddressPickerDlg::setVisible(bool visible)
{
    if (visible && !isVisible())
        OnInitDialog();
    QDialog::setVisible(visible);
}

void CAddressPickerDlg::OnInitDialog()
{
    if (QAbstractButton* radio = m_pKind->button(m_nKindChoice))
        radio->setChecked(true);
    m_List->clear();
    m_nCurItem = -1;
    if (!m_pPager)
        return;
    // Every contact, whatever folder it is filed under; each goes to the top, so the list
    // shows the address book from its last contact to its first.
    for (const auto& contact : m_pPager->m_AddressList) {
        auto* row = new QTreeWidgetItem;
        row->setText(ColName,
                     platform::toDisplay(contact->strFirstName + ' ' + contact->strLastName));
        row->setText(ColEmail1, platform::toDisplay(contact->strEmail1));
        row->setText(ColEmail2, platform::toDisplay(contact->strEmail2));
        row->setText(ColWireless, platform::toDisplay(contact->strWireless));
        m_List->insertTopLevelItem(0, row);
    }
    m_List->setFocus(Qt::OtherFocusReason);
}

void CAddressPickerDlg::OnOK()
{
    m_nKindChoice = std::max<int>(ChoiceEmail1, m_pKind->checkedId());
    const QList<QTreeWidgetItem*> selected = m_List->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* row = selected.front();
    m_nCurItem = m_List->indexOfTopLevelItem(row);
    switch (m_nKindChoice) {
    case ChoiceEmail2:
        m_strAddress = platform::fromDisplay(row->text(ColEmail2));
        m_nKind = MEMBER_EMAIL;
        break;
    case ChoiceWireless:
        m_strAddress = platform::fromDisplay(row->text(ColWireless));
        m_nKind = MEMBER_WIRELESS;
        break;
    default:
        m_strAddress = platform::fromDisplay(row->text(ColEmail1));
        m_nKind = MEMBER_EMAIL;
        break;
    }
    m_strContactName = platform::fromDisplay(row->text(ColName));
    if (!m_strAddress.empty())
        accept();
}
