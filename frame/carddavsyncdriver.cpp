#include "frame/carddavsyncdriver.h"

#include "carddav/syncstate.h"
#include "contacts/core/addressbook.h"
#include "contacts/core/contacthistory.h"
#include "contacts/widgets/conflictreviewdlg.h"
#include "contacts/widgets/contactshistorykeeper.h"
#include "frame/carddavaccountdlg.h"
#include "platform/messageboxservice.h"
#include "platform/paths.h"
#include "platform/settings.h"

#ifdef QUILLBOX_HAVE_KEYCHAIN
#include "carddav/keychainstore.h"
#endif

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>

#include <set>

namespace {

QString dataPath(const char* name)
{
    return QDir(platform::defaultDataFolder()).filePath(QLatin1String(name));
}

} // namespace

CCardDavSyncDriver::CCardDavSyncDriver(Settings& settings, AddressBook& book, QWidget* frame)
    : m_settings(settings), m_book(book), m_pFrame(frame)
{
    // An edit made while the sync runs would be lost by putting the merged book in place.
    const auto changed = [this] { m_bookChanged = true; };
    connect(&m_book, &AddressBook::contactAdded, this, changed);
    connect(&m_book, &AddressBook::contactChanged, this, changed);
    connect(&m_book, &AddressBook::contactRemoved, this, changed);
    connect(&m_book, &AddressBook::groupAdded, this, changed);
    connect(&m_book, &AddressBook::groupChanged, this, changed);
    connect(&m_book, &AddressBook::groupRemoved, this, changed);
    connect(&m_book, &AddressBook::bookReset, this, changed);
}

CCardDavSyncDriver::~CCardDavSyncDriver()
{
    m_closing = true;
    m_cancel = true;
    if (m_pThread) {
        // A question the sync's thread waits for is answered No here.
        while (!m_pThread->wait(20))
            QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        delete m_pThread;
    }
}

void CCardDavSyncDriver::setPasswordStore(std::unique_ptr<carddav::PasswordStore> store)
{
    m_pStore = std::move(store);
}

carddav::PasswordStore& CCardDavSyncDriver::store()
{
    if (!m_pStore) {
        QString why;
#ifdef QUILLBOX_HAVE_KEYCHAIN
        m_pStore = carddav::systemPasswordStore(&why);
#else
        m_pStore = std::make_unique<carddav::MemoryPasswordStore>();
        why = tr("Quillbox was built without the keychain");
#endif
        if (!why.isEmpty() && !m_toldNoKeychain) {
            m_toldNoKeychain = true;
            why[0] = why[0].toUpper();
            platform::inform(m_pFrame,
                             tr("%1.\nThe address book's password is never written to a file: "
                                "Quillbox asks for it again at its next start.")
                                 .arg(why));
        }
    }
    return *m_pStore;
}

void CCardDavSyncDriver::attachStatusBar(QStatusBar* bar)
{
    m_pStatusBar = bar;
    m_pCancel = new QPushButton(tr("Cancel"), bar);
    m_pCancel->setObjectName(QStringLiteral("cardDavCancel"));
    m_pCancel->setToolTip(tr("Stop synchronizing the address book"));
    m_pCancel->hide();
    bar->addPermanentWidget(m_pCancel);
    connect(m_pCancel, &QPushButton::clicked, this, &CCardDavSyncDriver::Cancel);
}

void CCardDavSyncDriver::showProgress(const QString& text)
{
    if (m_pStatusBar)
        m_pStatusBar->showMessage(text);
}

void CCardDavSyncDriver::Cancel()
{
    if (!m_pThread)
        return;
    m_cancel = true;
    showProgress(tr("Cancelling the address book's synchronization..."));
}

void CCardDavSyncDriver::runInThread(const QString& what, const QString& user,
                                     const QString& password, Work work, std::function<void()> done)
{
    m_cancel = false;
    m_requests = 0;
    const int timeout = m_timeout;
    showProgress(tr("%1...").arg(what));
    m_pThread = QThread::create([this, what, user, password, timeout, work = std::move(work)] {
        carddav::DavClient client(user, password);
        client.setTimeout(timeout);
        client.onRequest = [this, what](const QByteArray& verb, const QUrl&) {
            const int n = ++m_requests;
            const QString step = verb == "PUT"      ? tr("sending cards")
                                 : verb == "DELETE" ? tr("deleting cards")
                                                    : tr("reading the server");
            QMetaObject::invokeMethod(
                this,
                [this, n, what, step] {
                    if (m_pThread && !m_cancel)
                        showProgress(tr("%1: %2 (request %3)...").arg(what, step).arg(n));
                },
                Qt::QueuedConnection);
        };
        carddav::Sync sync(client);
        sync.cancelled = [this] { return m_cancel.load(); };
        work(sync);
    });
    connect(m_pThread, &QThread::finished, this, [this, done = std::move(done)] {
        m_pThread->deleteLater();
        m_pThread = nullptr;
        if (m_pCancel)
            m_pCancel->hide();
        done();
        Q_EMIT runningChanged(false);
    });
    if (m_pCancel)
        m_pCancel->show();
    Q_EMIT runningChanged(true);
    m_pThread->start();
}

bool CCardDavSyncDriver::askOnWindowThread(const std::function<bool()>& ask)
{
    bool answer = false;
    QMetaObject::invokeMethod(
        this,
        [&] {
            if (m_closing || m_cancel)
                return;
            answer = ask();
            m_asked = true;
        },
        Qt::BlockingQueuedConnection);
    return answer;
}

bool CCardDavSyncDriver::EditAccount()
{
    if (m_pThread || m_pAccountDlg)
        return false;
    CCardDavAccountDlg dlg(m_pFrame);
    m_pAccountDlg = &dlg;
    dlg.serverEdit()->setText(m_settings.CardDavUrl);
    dlg.userEdit()->setText(m_settings.CardDavUser);
    QString password;
    QString error;
    if (!m_settings.CardDavUrl.isEmpty() &&
        store().read(carddav::passwordKey(m_settings.CardDavUrl, m_settings.CardDavUser), &password,
                     &error))
        dlg.passwordEdit()->setText(password);
    // The address book chosen before stays chosen until the server or the user is edited.
    if (!m_settings.CardDavBook.isEmpty())
        dlg.setAddressBooks({m_settings.CardDavBook});
    connect(&dlg, &CCardDavAccountDlg::confirmed, this, [this, &dlg] { confirmAccount(dlg); });
    // Cancel while the server is asked: the answer is not waited for.
    connect(&dlg, &QDialog::rejected, this, [this] { m_cancel = true; });
    return dlg.exec() == QDialog::Accepted;
}

void CCardDavSyncDriver::confirmAccount(CCardDavAccountDlg& dlg)
{
    const QString url = dlg.serverEdit()->text().trimmed();
    const QString user = dlg.userEdit()->text().trimmed();
    if (url.isEmpty() || user.isEmpty()) {
        dlg.setStatus(tr("Give the server and the user name."));
        return;
    }
    if (!dlg.addressBook().isEmpty()) {
        keepAccount(dlg);
        return;
    }
    if (m_pThread)
        return;
    dlg.setBusy(true);
    auto found = std::make_shared<carddav::Outcome>();
    QPointer<CCardDavAccountDlg> target(&dlg);
    runInThread(
        tr("Looking for the address books"), user, dlg.passwordEdit()->text(),
        [found, url, user](carddav::Sync& sync) { *found = sync.findAddressBooks(url, user); },
        [this, found, target] {
            showProgress({});
            if (!target || !target->isVisible())
                return;
            target->setBusy(false);
            if (found->failure != carddav::Failure::None) {
                target->setStatus({});
                platform::stop(target, failureText(*found), tr("Address Book Account"));
                return;
            }
            target->setAddressBooks(found->addressBooks);
            if (found->addressBooks.size() > 1) {
                target->setStatus(tr("The server has %n address books: choose the one to "
                                     "keep in step, then OK.",
                                     nullptr, int(found->addressBooks.size())));
                return;
            }
            keepAccount(*target);
        });
}

void CCardDavSyncDriver::keepAccount(CCardDavAccountDlg& dlg)
{
    const QString url = dlg.serverEdit()->text().trimmed();
    const QString user = dlg.userEdit()->text().trimmed();
    QString error;
    if (!store().write(carddav::passwordKey(url, user), dlg.passwordEdit()->text(), &error)) {
        platform::stop(&dlg, tr("The password could not be kept: %1").arg(error),
                       tr("Address Book Account"));
        return;
    }
    m_settings.CardDavUrl = url;
    m_settings.CardDavUser = user;
    m_settings.CardDavBook = dlg.addressBook();
    dlg.done(QDialog::Accepted);
}

void CCardDavSyncDriver::Synchronize()
{
    if (m_pThread)
        return;
    if (m_settings.CardDavBook.isEmpty() && !EditAccount())
        return;
    QString password;
    QString error;
    const QString key = carddav::passwordKey(m_settings.CardDavUrl, m_settings.CardDavUser);
    if (!store().read(key, &password, &error)) {
        if (!EditAccount() || !store().read(key, &password, &error))
            return;
    }
    const QString statePath =
        carddav::stateFilePath(dataPath("CardDAV"), m_settings.CardDavBook, m_settings.CardDavUser);
    carddav::SyncState state;
    if (!carddav::readSyncState(statePath, &state, &error)) {
        platform::stop(m_pFrame, QStringLiteral("%1: %2").arg(statePath, error),
                       tr(kCardDavSyncTitle));
        return;
    }
    const AddressBookCopy copy = m_book.snapshot();
    carddav::LocalBook local{copy.contacts, std::vector<std::string>(copy.contacts.size()),
                             copy.groups};
    m_bookChanged = false;
    m_asked = false;
    auto out = std::make_shared<carddav::Outcome>();
    const QString url = m_settings.CardDavBook;
    const QString user = m_settings.CardDavUser;
    runInThread(
        tr("Synchronizing the address book"), user, password,
        [this, out, url, user, local, state](carddav::Sync& sync) {
            sync.review = [this](contactmerge::Result& merge) {
                return askOnWindowThread([this, &merge] {
                    CConflictReviewDlg dlg(merge, m_pFrame, CConflictReviewDlg::Remote::Server);
                    dlg.setWindowTitle(tr(kCardDavSyncTitle));
                    if (dlg.exec() != QDialog::Accepted)
                        return false;
                    for (size_t i = 0; i < dlg.choices().size(); ++i)
                        merge.choose(i, dlg.choices()[i]);
                    return true;
                });
            };
            sync.confirmDeletes = [this](int bookDeleted, int bookContacts, int serverDeleted,
                                         int serverCards) {
                return askOnWindowThread([&] {
                    QStringList sides;
                    if (bookDeleted > 0)
                        sides << tr("%1 of the %2 contacts in Quillbox")
                                     .arg(bookDeleted)
                                     .arg(bookContacts);
                    if (serverDeleted > 0)
                        sides << tr("%1 of the %2 contacts on the server")
                                     .arg(serverDeleted)
                                     .arg(serverCards);
                    return platform::showMessage(
                               m_pFrame,
                               tr("Synchronize Address Book would delete %1.\n"
                                  "Synchronize all the same?")
                                   .arg(sides.size() == 2 ? tr("%1 and %2").arg(sides[0], sides[1])
                                                          : sides.join(QString())),
                               {}, platform::MessageButtons::YesNo,
                               platform::MessageIcon::Warning) == platform::MessageAnswer::Yes;
                });
            };
            *out = sync.run(url, user, local, state, {});
        },
        [this, out, statePath] {
            // The state only with the book in place: a base the book does not hold would
            // make the next sync delete on the server what the book never took.
            if (!syncFinished(*out))
                return;
            QString stateError;
            // A state not kept only makes the next sync merge from the older base, where it
            // finds both sides alike.
            if (!carddav::writeSyncState(statePath, out->state, &stateError))
                platform::stop(m_pFrame, QStringLiteral("%1: %2").arg(statePath, stateError),
                               tr(kCardDavSyncTitle));
        });
}

QString CCardDavSyncDriver::failureText(const carddav::Outcome& out) const
{
    switch (out.failure) {
    case carddav::Failure::None:
    case carddav::Failure::Cancelled:
        break;
    case carddav::Failure::Network:
        return tr("The address book's server could not be reached: %1.").arg(out.error);
    case carddav::Failure::Login:
        return tr("The server refused the login: check the user name and the "
                  "password in File > Address Book Account... (%1).")
            .arg(out.error);
    case carddav::Failure::NotAddressBook:
        return tr("No CardDAV address book was found there: %1.").arg(out.error);
    case carddav::Failure::Refused:
        return tr("The server refused a card or a request: %1.").arg(out.error);
    case carddav::Failure::MassDeletion:
        return out.error + QLatin1Char('.');
    }
    return out.error;
}

bool CCardDavSyncDriver::syncFinished(const carddav::Outcome& out)
{
    const QString nothing = tr("Nothing was changed in Quillbox's address book.");
    if (out.failure == carddav::Failure::Cancelled ||
        (out.failure == carddav::Failure::MassDeletion && m_asked)) {
        showProgress(tr("Synchronize Address Book cancelled. %1").arg(nothing));
        Q_EMIT finished(false);
        return false;
    }
    if (out.failure != carddav::Failure::None) {
        showProgress(tr("Synchronize Address Book failed."));
        platform::stop(m_pFrame, failureText(out) + QLatin1Char('\n') + nothing,
                       tr(kCardDavSyncTitle));
        Q_EMIT finished(false);
        return false;
    }
    if (m_bookChanged) {
        showProgress(tr("Synchronize Address Book stopped."));
        platform::stop(m_pFrame,
                       tr("The address book was changed while it was being "
                          "synchronized, so the server's side was not put in place.\n"
                          "Synchronize Address Book again to merge both."),
                       tr(kCardDavSyncTitle));
        Q_EMIT finished(false);
        return false;
    }
    // The book as it was, kept in the history before it is replaced (a snapshot that cannot
    // be written is told and does not stop the step, as for the other steps).
    if (m_pHistory)
        m_pHistory->keep(contacthistory::Event::Synchronize, m_pFrame);
    std::vector<ContactRecord> contacts = out.book.contacts;
    std::vector<GroupRecord> groups = out.book.groups;
    std::set<qint32> ids;
    for (const GroupRecord& group : groups)
        ids.insert(group.nGroupId);
    // Cards from the server come in at the top.
    for (ContactRecord& contact : contacts) {
        if (!ids.count(contact.nGroup))
            contact.nGroup = KEY_CONTACTS;
    }
    if (const int result = m_book.replaceAll(std::move(contacts), std::move(groups))) {
        platform::stop(
            m_pFrame,
            tr("The merged address book does not fit (error %1).\n%2").arg(result).arg(nothing),
            tr(kCardDavSyncTitle));
        Q_EMIT finished(false);
        return false;
    }
    showProgress(tr("Address book synchronized: %1 cards sent, %2 deleted on the "
                    "server, %3 read from it.")
                     .arg(out.created + out.updated)
                     .arg(out.deleted)
                     .arg(out.fetched));
    if (!out.left.empty()) {
        QStringList lines;
        for (const carddav::LeftOnServer& l : out.left)
            lines << QStringLiteral("%1: %2").arg(
                QString::fromLatin1(l.name.data(), qsizetype(l.name.size())), l.reason);
        platform::inform(m_pFrame, tr("These cards stay on the server, for the "
                                      "address book cannot hold them:\n%1")
                                       .arg(lines.join(QLatin1Char('\n'))));
    }
    Q_EMIT finished(true);
    return true;
}
