#include "frame/contactssynchronizer.h"

#include "contacts/core/addressbookerrors.h"
#include "contacts/core/contacthistory.h"
#include "contacts/widgets/conflictreviewdlg.h"
#include "contacts/widgets/contactshistorykeeper.h"
#include "devlink/cpager.h"
#include "frame/syncdriver.h"
#include "platform/bytes.h"
#include "platform/messageboxservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace {

recoverycopy::Contents contentsOf(const AddressBookCopy& book)
{
    return {book.contacts, book.groups, {}};
}

QString sideLine(const QString& side, const contacthistory::Changes& changes)
{
    return QCoreApplication::translate("ContactsSynchronizer",
                                       "%1: %2 added, %3 removed, %4 changed.")
        .arg(side)
        .arg(changes.added.size())
        .arg(changes.removed.size())
        .arg(changes.changed.size());
}

} // namespace

ContactsSynchronizer::ContactsSynchronizer(AddressBook& book, CPager& pager, CSyncDriver& driver,
                                           ContactsHistoryKeeper& history, QWidget* parent)
    : QObject(parent), m_book(book), m_pager(pager), m_driver(driver), m_history(history),
      m_pParent(parent), m_baseFolder(contactsync::defaultBaseFolder())
{
    connect(&m_driver, &CSyncDriver::syncDownloaded, this, &ContactsSynchronizer::downloaded);
    connect(&m_driver, &CSyncDriver::syncUploaded, this, &ContactsSynchronizer::finish);
    connect(&m_driver, &CSyncDriver::syncFailed, this, [this] { m_step = Step::Idle; });
    const auto edited = [this] {
        if (m_step == Step::Uploading)
            m_bEditedMeanwhile = true;
    };
    connect(&m_book, &AddressBook::contactAdded, this, edited);
    connect(&m_book, &AddressBook::contactChanged, this, edited);
    connect(&m_book, &AddressBook::contactRemoved, this, edited);
    connect(&m_book, &AddressBook::groupAdded, this, edited);
    connect(&m_book, &AddressBook::groupChanged, this, edited);
    connect(&m_book, &AddressBook::groupRemoved, this, edited);
    connect(&m_book, &AddressBook::bookReset, this, edited);
}

void ContactsSynchronizer::start()
{
    if (m_step != Step::Idle)
        return;
    m_step = Step::Downloading;
    if (m_driver.SynchronizeContacts() != 0)
        m_step = Step::Idle;
}

void ContactsSynchronizer::downloaded(const AddressBookCopy& onPager)
{
    m_step = Step::Idle;
    // The pager is known by its device and the model it named in this download.
    m_key = {m_pager.commDevice(), m_pager.m_strPagerModel};
    const contactsync::BaseStore store(m_baseFolder);
    AddressBookCopy base;
    bool found = false;
    QString error;
    if (!store.read(m_key, &base, &found, &error)) {
        platform::tell(m_pParent, tr("The book of the last synchronize with this pager "
                                     "cannot be read:\n%1\n%2\n\nNothing was "
                                     "synchronized.")
                                      .arg(QDir::toNativeSeparators(store.path(m_key)), error));
        return;
    }

    m_desktop = m_book.snapshot();
    m_onPager = onPager;
    m_result =
        contactsync::merge(base, m_desktop, contactsync::slotUids(m_desktop.contacts), m_onPager);
    if (!m_result->conflicts().empty()) {
        CConflictReviewDlg dlg(*m_result, m_pParent);
        if (dlg.exec() != QDialog::Accepted)
            return;
        for (size_t i = 0; i < dlg.choices().size(); ++i)
            m_result->choose(i, dlg.choices()[i]);
    }
    if (const contactsync::Guard guard = contactsync::guard(*m_result);
        guard.ask && !confirmMassDeletion(m_pParent, guard))
        return;
    // The questions run their own event loops: a book changed meanwhile by whatever ran in
    // them is not the book merged, and merging it again is the user's to start.
    if (const AddressBookCopy now = m_book.snapshot();
        now.contacts != m_desktop.contacts || now.groups != m_desktop.groups) {
        platform::tell(m_pParent, tr("The address book changed while Synchronize "
                                     "Contacts waited.\nNothing was synchronized."));
        return;
    }

    m_history.keep(contacthistory::Event::Synchronize, m_pParent);
    m_outcome = contactsync::outcome(*m_result, m_onPager);
    m_bEditedMeanwhile = false;
    if (m_outcome.pagerHoldsIt) {
        finish();
        return;
    }
    m_step = Step::Uploading;
    if (m_driver.UploadSynchronized(m_outcome.book) != 0)
        m_step = Step::Idle;
}

void ContactsSynchronizer::finish()
{
    m_step = Step::Idle;
    if (!m_result)
        return;
    // Edits made while the upload ran are not in the merged book: they go to the history
    // before the merged book takes the book's place.
    if (m_bEditedMeanwhile)
        m_history.keep(contacthistory::Event::Synchronize, m_pParent);
    const bool changed =
        !contacthistory::compare(contentsOf(m_book.snapshot()), contentsOf(m_outcome.book)).empty();
    if (const int result = m_book.replaceAll(m_outcome.book.contacts, m_outcome.book.groups)) {
        platform::tell(m_pParent, tr("The pager holds the synchronized address book, but "
                                     "Quillbox cannot take it:\n%1")
                                      .arg(addressbook::errorText(result)));
        m_result.reset();
        return;
    }
    Q_EMIT bookApplied(changed);
    writeBase(m_outcome.book);
    platform::inform(m_pParent, report());
    m_result.reset();
}

void ContactsSynchronizer::storeBase(const AddressBookCopy& book)
{
    m_key = {m_pager.commDevice(), m_pager.m_strPagerModel};
    writeBase(book);
}

bool ContactsSynchronizer::writeBase(const AddressBookCopy& book)
{
    const contactsync::BaseStore store(m_baseFolder);
    QString error;
    if (store.write(m_key, book, &error))
        return true;
    platform::tell(m_pParent, tr("The book the pager now holds could not be kept for the next "
                                 "Synchronize Contacts:\n%1\n%2")
                                  .arg(QDir::toNativeSeparators(store.path(m_key)), error));
    return false;
}

QString ContactsSynchronizer::report() const
{
    const recoverycopy::Contents merged = contentsOf(m_outcome.book);
    QStringList lines{tr("Synchronize Contacts Completed.")};
    lines << sideLine(QStringLiteral("Quillbox"),
                      contacthistory::compare(contentsOf(m_desktop), merged));
    lines << sideLine(tr("Pager"), contacthistory::compare(contentsOf(m_onPager), merged));
    const size_t conflicts = m_result->conflicts().size();
    lines << (conflicts == 1 ? tr("1 conflict.") : tr("%n conflicts.", nullptr, int(conflicts)));
    if (m_outcome.pagerHoldsIt)
        lines << tr("The pager held this address book already: nothing was uploaded.");
    if (m_bEditedMeanwhile)
        lines << tr("Changes made in Quillbox while the upload ran were replaced; "
                    "Contacts History holds them.");
    const std::vector<contactmerge::Unfit>& unfit = m_result->unfit();
    if (!unfit.empty()) {
        lines << QString() << tr("The address book could not hold:");
        constexpr size_t kShown = 10;
        for (size_t i = 0; i < unfit.size() && i < kShown; ++i)
            lines << platform::toDisplay(unfit[i].name) + QStringLiteral(": ") +
                         platform::toDisplay(unfit[i].reason);
        if (unfit.size() > kShown)
            lines << tr("... and %n more.", nullptr, int(unfit.size() - kShown));
    }
    return lines.join(QLatin1Char('\n'));
}
