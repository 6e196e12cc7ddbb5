#pragma once
// Contacts History...: the snapshots of the address book, newest first, with what happened
// and the counts; for the one selected, what restoring it would change in the book as it is
// now. Restore closes the dialog with that snapshot chosen; its caller keeps a snapshot of
// the book and restores it.

#include "contacts/core/contacthistory.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

inline constexpr const char* kContactsHistoryTitle =
    QT_TRANSLATE_NOOP("CContactsHistoryDlg", "Contacts History");

class CContactsHistoryDlg : public QDialog
{
    Q_OBJECT

public:
    CContactsHistoryDlg(const contacthistory::History& history, recoverycopy::Contents current,
                        QWidget* parent = nullptr);

    // After Restore: the chosen snapshot's id and its book.
    QString selectedId() const { return m_selectedId; }
    const recoverycopy::Contents& selectedBook() const { return m_selected; }

    // The words an event is shown by ("download" is "Download Contacts").
    static QString eventText(const QString& event);

    QTreeWidget* list() const { return m_pList; }
    QPlainTextEdit* changes() const { return m_pChanges; }
    QPushButton* restoreButton() const { return m_pRestore; }

private:
    void showSelected();

    const contacthistory::History& m_history;
    recoverycopy::Contents m_current;
    recoverycopy::Contents m_selected;
    QString m_selectedId;
    QTreeWidget* m_pList = nullptr;
    QPlainTextEdit* m_pChanges = nullptr;
    QPushButton* m_pRestore = nullptr;
};
