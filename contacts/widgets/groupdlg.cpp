#include "contacts/widgets/groupdlg.h"

#include "contacts/core/addressbook.h"
#include "contacts/widgets/addressdlgs.h"
#include "contacts/widgets/byteedit.h"
#include "platform/bytes.h"
#include "platform/messageboxservice.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString kindText(qint32 kind)
{
    switch (kind) {
    case MEMBER_EMAIL:
        return QCoreApplication::translate("CGroupDlg", "EMAIL");
    case MEMBER_WIRELESS:
        return QCoreApplication::translate("CGroupDlg", "Wireless");
    default:
        return {};
    }
}

} // namespace

CGroupDlg::CGroupDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr(kGroupTitle));

    auto* nameLabel = new QLabel(tr("&GroupName"), this);
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("name"));
    setupByteLineEdit(m_pName, MAX_GROUP_NAME);
    nameLabel->setBuddy(m_pName);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_pName, 1);

    m_List = makeAddressList(this, QStringLiteral("members"), {tr("Name"), tr("Entries")});
    m_List->setAccessibleName(tr("Members"));
    m_List->setAccessibleDescription(tr("The group's addresses with their kind; the context menu "
                                        "adds and deletes them."));
    // The kind column as wide as its longest text needs; the addresses take the rest.
    const QFontMetrics metrics = m_List->fontMetrics();
    m_List->setColumnWidth(ColKind,
                           std::max(100, metrics.horizontalAdvance(kindText(MEMBER_WIRELESS)) +
                                             metrics.averageCharWidth() * 4));
    m_List->header()->setStretchLastSection(true);
    m_List->setMinimumSize(metrics.averageCharWidth() * 80, metrics.height() * 14);
    m_List->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_List, &QWidget::customContextMenuRequested, this, &CGroupDlg::OnContextMenu);
    connect(m_List, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        m_nCurItem = current ? m_List->indexOfTopLevelItem(current) : -1;
    });

    // Enter anywhere confirms, as in any dialog.
    auto* buttons = new QDialogButtonBox(this);
    m_pOk = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    m_pOk->setObjectName(QStringLiteral("ok"));
    m_pOk->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_pOk, &QPushButton::clicked, this, &CGroupDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(m_List, 1);
    layout->addWidget(buttons);
}

CGroupDlg::~CGroupDlg() = default;

void CGroupDlg::setVisible(bool visible)
{
    if (visible && !isVisible())
        OnInitDialog();
    QDialog::setVisible(visible);
}

void CGroupDlg::OnInitDialog()
{
    m_List->clear();
    m_nCurItem = -1;
    m_Block.startEmpty();
    m_bBlockInStep = true;
    m_strOutOfStep.clear();

    // A new group does not inherit the name of the group composed before it.
    if (!m_bEdit)
        m_strName.clear();
    const GroupRecord* edited = m_bEdit && m_pBook ? m_pBook->findGroup(m_nGroupId) : nullptr;
    if (edited) {
        m_strName = edited->strName;
        // The count comes from the device: never beyond the array.
        const int count = std::clamp(edited->nMemberCount, 0, MAX_GROUP_MEMBERS);
        for (int i = 0; i < count; ++i) {
            const GroupMember& member = edited->aMembers[static_cast<size_t>(i)];
            addRow(member.nKind, member.strEntry);
        }
        m_Block.load(*edited);
    }
    setLineEditBytes(m_pName, m_strName, MAX_GROUP_NAME);
    m_pName->setFocus(Qt::OtherFocusReason);
}

int CGroupDlg::rowCount() const
{
    return m_List->topLevelItemCount();
}

std::vector<GroupMember> CGroupDlg::rows() const
{
    std::vector<GroupMember> members;
    members.reserve(static_cast<size_t>(rowCount()));
    for (int i = 0; i < rowCount(); ++i) {
        const QTreeWidgetItem* row = m_List->topLevelItem(i);
        members.push_back(
            {row->data(ColKind, Qt::UserRole).toInt(), platform::fromDisplay(row->text(ColEntry))});
    }
    return members;
}

bool CGroupDlg::StoreTo(GroupRecord& group) const
{
    const std::vector<GroupMember> members = rows();
    if (!m_bBlockInStep || members.size() > group.aMembers.size())
        return false;
    group.strName = m_strName;
    std::fill(group.aMembers.begin(), group.aMembers.end(), GroupMember{});
    std::copy(members.begin(), members.end(), group.aMembers.begin());
    group.nMemberCount = static_cast<qint32>(members.size());
    m_Block.store(group);
    return true;
}

std::unique_ptr<QMenu> CGroupDlg::createContextMenu()
{
    auto menu = std::make_unique<QMenu>(QStringLiteral("ContextGroup"), this);
    auto add = [&](const QString& text, int command, void (CGroupDlg::*slot)()) {
        QAction* action = menu->addAction(text);
        action->setData(command);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(tr("Select Address"), ID_GROUP_SELECTADDRESS, &CGroupDlg::OnSelectAddress);
    add(tr("New Email"), ID_GROUP_NEWEMAIL, &CGroupDlg::OnNewEmail);
    add(tr("New Wireless"), ID_GROUP_NEWWIRELESS, &CGroupDlg::OnNewWireless);
    menu->addSeparator();
    add(tr("Delete"), ID_GROUP_DELETE, &CGroupDlg::OnDelete)
        ->setEnabled(!m_List->selectedItems().isEmpty());
    return menu;
}

void CGroupDlg::OnContextMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu = createContextMenu();
    menu->exec(m_List->viewport()->mapToGlobal(pos));
}

void CGroupDlg::OnNewEmail()
{
    newAddress(MEMBER_EMAIL, kNewEmailAddress);
}

void CGroupDlg::OnNewWireless()
{
    newAddress(MEMBER_WIRELESS, kNewWirelessAddress);
}

void CGroupDlg::newAddress(qint32 kind, const char* caption)
{
    if (!canAddMember())
        return;
    CAddressEntryDlg entry(this);
    entry.m_strTitle = QCoreApplication::translate("CAddressEntryDlg", caption);
    if (entry.exec() != QDialog::Accepted)
        return;
    // The kind is the command's, whatever the address looks like.
    addMember(kind, entry.m_strAddress);
}

void CGroupDlg::OnSelectAddress()
{
    if (!canAddMember())
        return;
    CAddressPickerDlg picker(m_pBook, this);
    if (picker.exec() != QDialog::Accepted)
        return;
    addMember(picker.m_nKind, picker.m_strAddress);
}

bool CGroupDlg::canAddMember()
{
    if (rowCount() >= MAX_GROUP_MEMBERS) {
        refuse(kMaxMemberCount);
        return false;
    }
    // The block no longer encodes the rows: appending to it would only widen the gap, and
    // a longer list cannot be rebuilt where a shorter one could not.
    if (!m_bBlockInStep) {
        refuse(m_strOutOfStep);
        return false;
    }
    return true;
}

void CGroupDlg::addMember(qint32 kind, const std::string& address)
{
    const GroupBlock::Result result = m_Block.append(kind, address);
    if (!result.ok) {
        refuse(result.message);
        return;
    }
    addRow(kind, address);
}

void CGroupDlg::addRow(qint32 kind, const std::string& address)
{
    auto* row = new QTreeWidgetItem(m_List);
    row->setData(ColKind, Qt::UserRole, kind);
    row->setText(ColKind, kindText(kind));
    row->setText(ColEntry, platform::toDisplay(address));
}

void CGroupDlg::refuse(const std::string& message)
{
    if (!message.empty())
        platform::tell(this, QCoreApplication::translate("contacts::groupblock", message.c_str()));
}

void CGroupDlg::OnDelete()
{
    const QList<QTreeWidgetItem*> selected = m_List->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.front();
    const GroupBlock::Result result = m_Block.rebuild(rows());
    // A refused rebuild leaves the row removed: the user is asked to delete more or cancel.
    m_bBlockInStep = result.ok;
    m_strOutOfStep = result.ok ? std::string() : result.message;
    refuse(result.message);
}

void CGroupDlg::OnOK()
{
    m_strName = lineEditBytes(m_pName).substr(0, MAX_GROUP_NAME);
    if (m_strName.empty() && rowCount() == 0)
        return;
    // A block that does not encode the rows is never stored. Only a Delete shortens the
    // rows, and it rebuilds the block; until one succeeds the dialog stays open.
    if (!m_bBlockInStep) {
        refuse(m_strOutOfStep);
        return;
    }
    m_composed = GroupRecord{};
    if (!StoreTo(m_composed))
        return;
    accept();
}
