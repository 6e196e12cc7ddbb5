#pragma once
// The Contacts window's group commands on the book: New Group and Edit Group through the
// Group dialog, Delete Group, New Folder (a group of a name alone), and the end of renaming a
// group in place. The tree and the lists follow the book by themselves; which item a command
// acts on, and what the window shows afterwards, is the window's to decide.

#include "contacts/widgets/contactscommand.h"

#include <optional>
#include <string>

class CGroupDlg;

class GroupCommands : public ContactsCommand
{
    Q_OBJECT

public:
    using ContactsCommand::ContactsCommand;

    // True when the Group dialog ended with OK and its group went to the book (which may
    // have refused it). New Group is refused with a message at MAX_GROUPS top-level groups.
    bool newGroup();
    bool editGroup(qint32 id);
    void deleteGroup(qint32 id);

    // The name New Folder gives: "New Folder", or "New Folder-n" past the names taken.
    std::string newFolderName() const;
    // Adds a top-level group of this name only; its id, or none when the book refused it.
    std::optional<qint32> insertFolder(const std::string& name);

    enum class Rename
    {
        Unchanged, // the same name, or no such group
        Refused,   // empty, or another group's: told, and to be typed again
        Done,      // handed to the book
    };
    // The name typed for the group with this id (OnEndLabelEdit).
    Rename endRename(qint32 id, const QString& text);
    // Gives the group this name (OnFolderReName).
    void rename(qint32 id, const std::string& name);

private:
    CGroupDlg& groupDlg();
    // Puts the group the dialog composed into the book: a new one, or the edit of the group
    // the dialog was opened on when the book was at generation `before`.
    void storeGroup(const CGroupDlg& dlg, int before);
    int topLevelGroups() const;

    CGroupDlg* m_GroupDlg = nullptr;
    int m_bEditGroup = 0;
};
