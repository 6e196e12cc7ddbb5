#pragma once
// The Group dialog: where a group of addresses is composed, its name and its members, each
// an e-mail or a wireless address typed in or picked from a contact. While it is open the
// members live twice, as list rows and as the working address block that goes to the
// pager, and the two are kept in step. On OK the dialog closes, and its caller takes the
// group as composed (name, members, block) from composed().

#include "contacts/core/groupblock.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class AddressBook;
class CGroupDlg;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;

inline constexpr const char* kGroupTitle = QT_TRANSLATE_NOOP("CGroupDlg", "Group");
// A group's members are at most MAX_GROUP_MEMBERS, whatever room the block still has. Told
// like the block's own refusals, in their context.
inline constexpr const char* kMaxMemberCount =
    QT_TRANSLATE_NOOP("contacts::groupblock", "Max Member Count = 100EA\r\nCan't Add Address");

class CGroupDlg : public QDialog
{
    Q_OBJECT

public:
    // Commands of the member list's context menu.
    static constexpr int ID_GROUP_SELECTADDRESS = 32857;
    static constexpr int ID_GROUP_NEWEMAIL = 32858;
    static constexpr int ID_GROUP_NEWWIRELESS = 32859;
    static constexpr int ID_GROUP_DELETE = 32860;

    // Columns of the member list.
    enum Column
    {
        ColKind,
        ColEntry,
    };

    explicit CGroupDlg(QWidget* parent = nullptr);
    ~CGroupDlg() override;

    // Set by the caller: m_pBook (the groups edited, the contacts picked from), m_bEdit and
    // (for an edit) m_nGroupId before each showing.
    const AddressBook* m_pBook = nullptr;
    int m_bEdit = 0; // 0 a new group, 1 edit the group m_nGroupId
    qint32 m_nGroupId = 0;
    // The group name (bytes, at most MAX_GROUP_NAME). A new group starts with an empty name;
    // an edited one with its own.
    std::string m_strName;

    // Every showing starts afresh: rows and block from the group edited, or empty.
    void setVisible(bool visible) override;

    // What composed() is made of: the rows in order (kind and address), the name, the block.
    int rowCount() const;
    std::vector<GroupMember> rows() const;
    const GroupBlock& block() const { return m_Block; }
    // False after a rebuild was refused, until one succeeds: the block does not encode the
    // rows then, and OK refuses.
    bool blockInStep() const { return m_bBlockInStep; }
    // Writes the name, the members (the rest of aMembers emptied) and the stored block into
    // group. Refuses, leaving group untouched, when the rows would not fit aMembers or the
    // block does not encode them.
    bool StoreTo(GroupRecord& group) const;
    // After OK: the group as composed, its name, members and block (nGroupId and nParent
    // are not the dialog's). The caller puts it into the address book.
    const GroupRecord& composed() const { return m_composed; }

    QTreeWidget* list() const { return m_List; }
    QLineEdit* nameEdit() const { return m_pName; }
    QPushButton* okButton() const { return m_pOk; }
    // The member list's context menu as a right click shows it, for the current selection.
    std::unique_ptr<QMenu> createContextMenu();
    // The row named by the list's most recent change of the current row.
    int currentItem() const { return m_nCurItem; }

public Q_SLOTS:
    void OnSelectAddress();
    void OnNewEmail();
    void OnNewWireless();
    void OnDelete();
    void OnOK();

private:
    void OnInitDialog();
    void OnContextMenu(const QPoint& pos);
    void newAddress(qint32 kind, const char* caption);
    // Whether one more member may come: shows why not.
    bool canAddMember();
    // Appends to the block first; the row follows only when the block took the member.
    void addMember(qint32 kind, const std::string& address);
    void addRow(qint32 kind, const std::string& address);
    void refuse(const std::string& message);

    GroupBlock m_Block;
    GroupRecord m_composed;
    bool m_bBlockInStep = true;
    std::string m_strOutOfStep; // why the block is out of step
    int m_nCurItem = -1;
    QTreeWidget* m_List = nullptr;
    QLineEdit* m_pName = nullptr;
    QPushButton* m_pOk = nullptr;
};
