#pragma once
// Synchronize Contacts in the program, and the bases it merges against. The pager's book is
// downloaded for the synchronize alone; merged with the program's book against the base of
// that pager; its conflicts reviewed and a mass deletion asked (Cancel on either drops it
// all); the program's book kept in the history; the merged book uploaded; and only when the
// upload has completed does it replace the program's book, in one step, and become the
// pager's new base. A failed transfer changes neither. The end is told in one box: what
// changed on each side, the conflicts, and what the address book could not hold.
//
// A completed Download Contacts or Upload Contacts makes its book the pager's base as well.

#include "contacts/core/addressbook.h"
#include "contacts/core/contactsync.h"

#include <QObject>
#include <QPointer>

#include <optional>

class CPager;
class CSyncDriver;
class ContactsHistoryKeeper;
class QWidget;

class ContactsSynchronizer : public QObject
{
    Q_OBJECT

public:
    // All of them outlive the object; parent gets the boxes and dialogs.
    ContactsSynchronizer(AddressBook& book, CPager& pager, CSyncDriver& driver,
                         ContactsHistoryKeeper& history, QWidget* parent);

    // The folder the bases are kept in (the per-user data folder's unless set).
    void setBaseFolder(const QString& folder) { m_baseFolder = folder; }
    QString baseFolder() const { return m_baseFolder; }

    // Synchronize Contacts; nothing when one is running already.
    void start();
    bool isRunning() const { return m_step != Step::Idle; }

    // After a completed download or upload: book is what the pager now holds.
    void storeBase(const AddressBookCopy& book);

Q_SIGNALS:
    // The synchronized book has taken the program's book's place; changed: with other
    // contents than it had (the window marks it unsaved).
    void bookApplied(bool changed);

private:
    void downloaded(const AddressBookCopy& onPager);
    void finish();
    bool writeBase(const AddressBookCopy& book);
    QString report() const;

    enum class Step
    {
        Idle,
        Downloading,
        Uploading,
    };

    AddressBook& m_book;
    CPager& m_pager;
    CSyncDriver& m_driver;
    ContactsHistoryKeeper& m_history;
    QPointer<QWidget> m_pParent;
    QString m_baseFolder;
    Step m_step = Step::Idle;

    // The running synchronize: whose base, the books it started from, what it leaves.
    contactsync::PagerKey m_key;
    AddressBookCopy m_desktop;
    AddressBookCopy m_onPager;
    std::optional<contactmerge::Result> m_result;
    contactsync::Outcome m_outcome;
    // The program's book changed while the upload ran.
    bool m_bEditedMeanwhile = false;
};
