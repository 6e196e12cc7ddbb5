#include "contacts/widgets/groupcommands.h"

#include "contacts/core/addressbook.h"
#include "contacts/widgets/groupdlg.h"
#include "platform/bytes.h"
#include "platform/messageboxservice.h"
#include "platform/newfoldername.h"
#include "platform/renamedelegate.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

CGroupDlg& GroupCommands::groupDlg()
{
    // One dialog for every group command, kept between them.
    if (!m_GroupDlg)
        m_GroupDlg = new CGroupDlg(parentWidget());
    m_GroupDlg->m_pBook = &book();
    return *m_GroupDlg;
}

int GroupCommands::topLevelGroups() const
{
    const auto& groups = book().m_GroupList;
    return static_cast<int>(std::count_if(groups.begin(), groups.end(),
                                          [](const auto& group) { return group->nParent == -1; }));
}

bool GroupCommands::newGroup()
{
    // The tree lists the top-level groups: New Group stops at MAX_GROUPS of them.
    if (topLevelGroups() >= MAX_GROUPS) {
        platform::tell(parentWidget(),
                       QCoreApplication::translate("contacts::limits", kMaxGroupCount));
        return false;
    }
    CGroupDlg& dlg = groupDlg();
    dlg.m_bEdit = 0;
    dlg.m_nGroupId = 0;
    // Nothing of the last group shown carries over into a new one.
    dlg.m_strName.clear();
    m_bEditGroup = 0;
    const int before = generation();
    if (runDialog(dlg) != QDialog::Accepted)
        return false;
    storeGroup(dlg, before);
    return true;
}

bool GroupCommands::editGroup(qint32 id)
{
    if (!book().findGroup(id))
        return false;
    CGroupDlg& dlg = groupDlg();
    dlg.m_bEdit = 1;
    dlg.m_nGroupId = id;
    m_bEditGroup = 1;
    const int before = generation();
    if (runDialog(dlg) != QDialog::Accepted)
        return false;
    storeGroup(dlg, before);
    return true;
}

void GroupCommands::storeGroup(const CGroupDlg& dlg, int before)
{
    const GroupRecord& composed = dlg.composed();
    if (m_bEditGroup == 0) {
        auto group = std::make_unique<GroupRecord>(composed);
        const int result = book().UpdatePagerAddress(group, OP_ADD_GROUP, -1);
        Q_EMIT resultChanged(result);
        if (result == 0)
            Q_EMIT bookModified();
        return;
    }
    // The group the edit began on is gone when a download replaced the book meanwhile.
    GroupRecord* group = before == generation() ? book().findGroup(dlg.m_nGroupId) : nullptr;
    if (!group) {
        tellEditDropped();
        return;
    }
    group->strName = composed.strName;
    group->aMembers = composed.aMembers;
    group->nMemberCount = composed.nMemberCount;
    group->abyBlock = composed.abyBlock;
    group->nBlockLength = composed.nBlockLength;
    const int result = book().UpdatePagerAddress(group, OP_CHANGE_GROUP, group->nGroupId);
    Q_EMIT resultChanged(result);
    if (result == 0)
        Q_EMIT bookModified();
}

void GroupCommands::deleteGroup(qint32 id)
{
    GroupRecord* group = book().findGroup(id);
    if (!group)
        return;
    // The group's members are addresses only: no contact is touched.
    Q_EMIT resultChanged(book().UpdatePagerAddress(group, OP_DELETE_GROUP, id));
    Q_EMIT bookModified();
}

std::string GroupCommands::newFolderName() const
{
    // The top-level groups in their order, as the tree lists them.
    std::vector<std::string> siblings;
    for (const auto& group : book().m_GroupList) {
        if (group->nParent == -1)
            siblings.push_back(group->strName);
    }
    return platform::newFolderName(siblings);
}

std::optional<qint32> GroupCommands::insertFolder(const std::string& name)
{
    auto group = std::make_unique<GroupRecord>();
    group->strName = name;
    GroupRecord* added = group.get();
    const int result = book().UpdatePagerAddress(group, OP_ADD_GROUP, -1);
    Q_EMIT resultChanged(result);
    if (result != 0)
        return std::nullopt;
    Q_EMIT bookModified();
    return added->nGroupId;
}

GroupCommands::Rename GroupCommands::endRename(qint32 id, const QString& text)
{
    const GroupRecord* group = book().findGroup(id);
    if (!group)
        return Rename::Unchanged;
    const QString old = platform::toDisplay(group->strName);
    // Names are told apart among the groups beside it in the tree.
    const platform::NameCheck check =
        platform::checkNewName(old, text, [this, group](const QString& name) {
            for (const auto& other : book().m_GroupList) {
                if (other->nParent == group->nParent && platform::toDisplay(other->strName) == name)
                    return true;
            }
            return false;
        });
    const platform::RenameTexts texts{
        tr("You Must Input GropName."),
        //: Title of the message that a group's name is missing.
        tr("Group Name"), tr("Existed GroupName.\nYou Must Input the Different GroupName."),
        tr("Group ReName Failed ")};
    if (platform::tellRefusedName(parentWidget(), check, old, texts))
        return Rename::Refused;
    if (check != platform::NameCheck::Ok)
        return Rename::Unchanged;
    rename(id, platform::fromDisplay(text));
    return Rename::Done;
}

void GroupCommands::rename(qint32 id, const std::string& name)
{
    GroupRecord* group = book().findGroup(id);
    if (!group)
        return;
    group->strName = name;
    // The item shows the name the book kept.
    const int result = book().UpdatePagerAddress(group, OP_CHANGE_GROUP, id);
    Q_EMIT resultChanged(result);
    if (result == 0)
        Q_EMIT bookModified();
}
