#pragma once
// Synchronize Address Book and File > Address Book Account...: the desktop's address book
// kept in step with one CardDAV address book. The requests run on a thread of their own
// (each waits for its answer there), so the window stays live: the status bar tells the
// progress, Cancel stops the sync before its next request, and the command stays greyed
// until the sync has ended. The conflict review and the mass-deletion question are asked on
// the window's thread while the sync's thread waits for the answer. The merged book goes to
// the address book in one step (replaceAll), after a history snapshot, and only when the
// server's side completed; on any failure nothing local changes.

#include "carddav/carddavsync.h"
#include "carddav/passwordstore.h"
#include "frame/carddavaccountdlg.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>

class AddressBook;
class ContactsHistoryKeeper;
class QPushButton;
class QStatusBar;
class QThread;
class QWidget;
struct Settings;

inline constexpr const char* kCardDavSyncTitle =
    QT_TRANSLATE_NOOP("CCardDavSyncDriver", "Synchronize Address Book");

class CCardDavSyncDriver : public QObject
{
    Q_OBJECT

public:
    CCardDavSyncDriver(Settings& settings, AddressBook& book, QWidget* frame);
    // A sync still running is cancelled and waited for.
    ~CCardDavSyncDriver() override;

    // The password store; the system's keychain unless one was given (tests give a
    // stand-in).
    void setPasswordStore(std::unique_ptr<carddav::PasswordStore> store);
    // The history the book is kept in before the merged book replaces it.
    void setHistory(ContactsHistoryKeeper* history) { m_pHistory = history; }
    // The progress goes to bar's message, with a Cancel button at its right while a sync
    // runs.
    void attachStatusBar(QStatusBar* bar);

    // File > Address Book Account...: true when the account was set (the address book found
    // or chosen, the password kept).
    bool EditAccount();
    // Synchronize Address Book: starts the sync (the account asked for first when there is
    // none, or no password for it) and returns; finished() tells its end.
    void Synchronize();
    void Cancel();
    bool running() const { return m_pThread != nullptr; }

    // The account dialog while it is open (tests fill it), else null.
    CCardDavAccountDlg* accountDlg() const { return m_pAccountDlg; }
    // The longest wait for one answer of the server.
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }

Q_SIGNALS:
    void runningChanged(bool running);
    // A sync has ended: synced is true when the book was replaced with the merged one.
    void finished(bool synced);

private:
    using Work = std::function<void(carddav::Sync&)>;
    // Runs work on a thread of its own with a client for user and password, then done on
    // the window's thread; the status bar tells what (with the requests sent) meanwhile.
    void runInThread(const QString& what, const QString& user, const QString& password, Work work,
                     std::function<void()> done);
    // Asks on the window's thread and waits (from the sync's thread).
    bool askOnWindowThread(const std::function<bool()>& ask);
    carddav::PasswordStore& store();
    void confirmAccount(CCardDavAccountDlg& dlg);
    void keepAccount(CCardDavAccountDlg& dlg);
    // True when the merged book was put in place.
    bool syncFinished(const carddav::Outcome& out);
    QString failureText(const carddav::Outcome& out) const;
    void showProgress(const QString& text);

    Settings& m_settings;
    AddressBook& m_book;
    QPointer<QWidget> m_pFrame;
    QPointer<QStatusBar> m_pStatusBar;
    QPushButton* m_pCancel = nullptr;
    QPointer<CCardDavAccountDlg> m_pAccountDlg;
    std::unique_ptr<carddav::PasswordStore> m_pStore;
    ContactsHistoryKeeper* m_pHistory = nullptr;
    QThread* m_pThread = nullptr;
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_requests{0};
    bool m_closing = false;
    bool m_bookChanged = false; // the user changed the book while the sync ran
    bool m_asked = false;       // the user answered a question of this sync
    bool m_toldNoKeychain = false;
    int m_timeout = 60000;
};
