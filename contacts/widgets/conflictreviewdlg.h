#pragma once
// The review of a synchronize's conflicts, in the duplicate review's look: each field changed
// differently in Quillbox and on the pager (or a contact or group deleted on one side and
// changed on the other), with its value at the last synchronize and on each side, and for
// each the side to keep. The dialog changes nothing: its caller applies choices() to the
// merge (contactmerge::Result::choose) after OK, and drops the whole synchronize after Cancel.

#include "contacts/core/contactmerge.h"
#include "contacts/core/contactsync.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTableWidget;

inline constexpr const char* kConflictReviewTitle =
    QT_TRANSLATE_NOOP("CConflictReviewDlg", "Synchronize Contacts");

class CConflictReviewDlg : public QDialog
{
    Q_OBJECT

public:
    // The merge is read here only: its conflicts, with their current choices, and its groups,
    // which name the folders of folder conflicts.
    // The other side of the synchronize, which the dialog's texts name.
    enum class Remote
    {
        Pager,
        Server, // a CardDAV address book
    };

    explicit CConflictReviewDlg(const contactmerge::Result& result, QWidget* parent = nullptr,
                                Remote other = Remote::Pager);

    // One per conflict, in the merge's order.
    const std::vector<contactmerge::Side>& choices() const { return m_choices; }
    // The choice of one row (as the row's list box does) or of all rows.
    void setChoice(int row, contactmerge::Side side);
    void setAll(contactmerge::Side side);

    QTableWidget* table() const { return m_pTable; }
    QPushButton* okButton() const { return m_pOk; }

private:
    std::vector<contactmerge::Side> m_choices;
    QTableWidget* m_pTable = nullptr;
    QPushButton* m_pOk = nullptr;
};

// Asked before a synchronize that would delete more than half of a side's contacts (or all
// of them), through the message-box service: true when the user answers Yes.
bool confirmMassDeletion(QWidget* parent, const contactsync::Guard& guard);
