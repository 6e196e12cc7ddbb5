#include "contacts/widgets/contactsexchangemanager.h"

#include "contacts/core/addressbookexchange.h"
#include "contacts/models/contactlistmodel.h"
#include "contacts/widgets/contactshistorykeeper.h"
#include "contacts/widgets/duplicatereviewdlg.h"
#include "platform/bytes.h"
#include "platform/filedialogservice.h"
#include "platform/inputfile.h"
#include "platform/messageboxservice.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>

#include <algorithm>
#include <vector>

namespace {

// Opens a file an import reads, or tells why it cannot. A pipe or a device is refused before
// it is opened: opening a pipe waits for a writer, and a device may never end.
bool openSource(QWidget* parent, QFile& file)
{
    QString why = platform::checkInputFile(file.fileName());
    if (why.isEmpty() && !file.open(QIODevice::ReadOnly))
        why = file.errorString();
    if (why.isEmpty())
        return true;
    platform::tell(parent, QCoreApplication::translate("ContactsExchangeManager",
                                                       "Couldn't open source file:\n%1")
                               .arg(why.left(1023)));
    return false;
}

// The count and its noun: the singular text for one, the plural (with %n) for the rest.
QString countText(int n, const char* one, const char* many)
{
    return n == 1 ? QCoreApplication::translate("ContactsExchangeManager", one)
                  : QCoreApplication::translate("ContactsExchangeManager", many, nullptr, n);
}

// The import's report: what was done, then what of each contact did not fit.
QString vcardReport(const VCardImport& import, const VCardImportReport& report)
{
    QStringList lines{
        QCoreApplication::translate("ContactsExchangeManager", "vCard Import Completed.")};
    lines << QCoreApplication::translate("ContactsExchangeManager", "%1, %2, %3.")
                 .arg(
                     countText(report.added,
                               QT_TRANSLATE_NOOP("ContactsExchangeManager", "1 contact added"),
                               QT_TRANSLATE_N_NOOP("ContactsExchangeManager", "%n contacts added")),
                     countText(report.replaced,
                               QT_TRANSLATE_NOOP("ContactsExchangeManager", "1 replaced"),
                               QT_TRANSLATE_N_NOOP("ContactsExchangeManager", "%n replaced")),
                     countText(
                         report.skipped,
                         QT_TRANSLATE_NOOP("ContactsExchangeManager", "1 duplicate skipped"),
                         QT_TRANSLATE_N_NOOP("ContactsExchangeManager", "%n duplicates skipped")));
    if (report.notFit > 0)
        lines << QCoreApplication::translate("ContactsExchangeManager",
                                             "%1: the address book holds at most %2.")
                     .arg(countText(
                         report.notFit,
                         QT_TRANSLATE_NOOP("ContactsExchangeManager", "1 contact did not fit"),
                         QT_TRANSLATE_N_NOOP("ContactsExchangeManager", "%n contacts did not fit")))
                     .arg(MAX_CONTACTS);
    if (report.refused > 0)
        lines << countText(
            report.refused, QT_TRANSLATE_NOOP("ContactsExchangeManager", "1 contact was refused."),
            QT_TRANSLATE_N_NOOP("ContactsExchangeManager", "%n contacts were refused."));
    if (import.cards.skipped > 0)
        lines << countText(
            import.cards.skipped,
            QT_TRANSLATE_NOOP("ContactsExchangeManager", "1 card could not be read."),
            QT_TRANSLATE_N_NOOP("ContactsExchangeManager", "%n cards could not be read."));
    if (!import.cards.groups.empty())
        lines << countText(report.groupsAdded,
                           QT_TRANSLATE_NOOP("ContactsExchangeManager", "1 group added"),
                           QT_TRANSLATE_N_NOOP("ContactsExchangeManager", "%n groups added")) +
                     (report.groupsSkipped > 0
                          ? QCoreApplication::translate("ContactsExchangeManager",
                                                        ", %n already there", nullptr,
                                                        report.groupsSkipped)
                          : QString()) +
                     (report.groupsNotFit > 0 ? QCoreApplication::translate(
                                                    "ContactsExchangeManager", ", %n did not fit",
                                                    nullptr, report.groupsNotFit)
                                              : QString()) +
                     QLatin1Char('.');
    constexpr int kShown = 10;
    int notes = 0;
    for (size_t i = 0; i < import.cards.contacts.size(); ++i) {
        const vcard::FitReport& fit = import.cards.contactReports[i];
        if (fit.empty())
            continue;
        if (notes++ == 0)
            lines << QString()
                  << QCoreApplication::translate("ContactsExchangeManager",
                                                 "Not everything fitted:");
        if (notes > kShown)
            continue;
        const ContactRecord& c = import.cards.contacts[i];
        const QString name = (platform::toDisplay(c.strFirstName) + QLatin1Char(' ') +
                              platform::toDisplay(c.strLastName))
                                 .trimmed();
        lines << name + QStringLiteral(": ") + fit.describe();
    }
    if (notes > kShown)
        lines << QCoreApplication::translate("ContactsExchangeManager", "... and %1 more.")
                     .arg(notes - kShown);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

ContactsExchangeManager::ContactsExchangeManager(AddressBook& book, QItemSelectionModel* selection,
                                                 QWidget* parent, DialogRunner runDialog)
    : ContactsCommand(book, parent, std::move(runDialog)), m_pSelection(selection)
{
}

void ContactsExchangeManager::setSelectionModel(QItemSelectionModel* selection)
{
    m_pSelection = selection;
}

QString ContactsExchangeManager::askImportPath(const char* filter, const QString& extension)
{
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Open;
    request.filter = tr(filter);
    request.defaultExtension = extension;
    request.initialFolder = addressPath();
    // The dialog takes any typed name: one that cannot be opened is told by the caller, with
    // the system's reason.
    request.mustExist = false;
    const QString path = platform::openFile(parentWidget(), request);
    if (!path.isEmpty() && m_pszAddressPath)
        *m_pszAddressPath = QFileInfo(path).path();
    return path;
}

void ContactsExchangeManager::importText()
{
    AddressBook& b = book();
    b.m_strAddressFile.clear();
    const QString path = askImportPath(kFileFilter, QStringLiteral("txt"));
    if (path.isEmpty())
        return;

    QFile file(path);
    if (!openSource(parentWidget(), file))
        return;
    if (m_pHistory)
        m_pHistory->keep(contacthistory::Event::Import, parentWidget());
    b.m_strAddressFile = path;
    // An address book whose list was empty now equals its current file.
    if (m_pSelection && m_pSelection->model() && m_pSelection->model()->rowCount() > 0)
        Q_EMIT bookModified();

    const ImportReport report = AddressBookExchange().importFrom(file, b);
    Q_EMIT resultChanged(report.refused > 0 ? addressbook::DL_INVALID_CONTACT : addressbook::DL_OK);
    for (int i = 0; i < report.refused; ++i)
        platform::tell(parentWidget(), tr("ImportAddress PagerError"));
    if (report.stoppedAtLimit) {
        platform::tell(parentWidget(),
                       QCoreApplication::translate("contacts::limits", kExceededContactsLimits));
        return;
    }
    if (!report.readError.isEmpty()) {
        platform::tell(parentWidget(), tr("Couldn't read source file:\n%1").arg(report.readError));
        return;
    }
    platform::inform(parentWidget(), tr("Import Completed ! "));
}

void ContactsExchangeManager::exportText()
{
    QString target = book().m_strAddressFile;
    if (target.isEmpty()) {
        platform::FileDialogRequest request;
        request.mode = platform::FileDialogMode::Save;
        request.filter = tr(kFileFilter);
        request.defaultExtension = QStringLiteral("txt");
        request.initialFolder = addressPath();
        target = platform::saveFile(parentWidget(), request);
    }
    if (target.isEmpty())
        return;

    QString error;
    if (!AddressBookExchange().exportToFile(target, book(), &error)) {
        platform::tell(parentWidget(), tr("Couldn't save the contacts file:\n%1\n%2")
                                           .arg(QDir::toNativeSeparators(target), error));
        return;
    }
    Q_EMIT bookSaved();
    platform::inform(parentWidget(), tr("Export Completed ! "));
}

void ContactsExchangeManager::importVCard()
{
    AddressBook& b = book();
    const QString path = askImportPath(kVCardOpenFilter, QStringLiteral("vcf"));
    if (path.isEmpty())
        return;

    QFile file(path);
    if (!openSource(parentWidget(), file))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    VCardImport import = AddressBookExchange::readVCard(file, b);
    QApplication::restoreOverrideCursor();
    if (!import.cards.error.isEmpty()) {
        platform::tell(
            parentWidget(),
            tr("Couldn't read source file:\n%1\nNothing was imported.").arg(import.cards.error));
        return;
    }
    if (import.cards.contacts.empty() && import.cards.groups.empty()) {
        platform::tell(parentWidget(),
                       import.cards.cards == 0     ? tr("There is no vCard in this file.")
                       : import.cards.skipped == 1 ? tr("1 card in this file could not be read.\n"
                                                        "Nothing was imported.")
                                                   : tr("%n cards in this file could not be read.\n"
                                                        "Nothing was imported.",
                                                        nullptr, import.cards.skipped));
        return;
    }

    // The review and the questions are modal, and device events go on meanwhile: a
    // download that replaces the book ends the import with nothing done.
    const int before = generation();
    if (!import.plan.rows.empty()) {
        std::vector<const ContactRecord*> existing;
        for (const auto& contact : b.m_AddressList)
            existing.push_back(contact.get());
        CDuplicateReviewDlg dlg(import.plan, existing, import.cards.contacts, parentWidget());
        if (runDialog(dlg) != QDialog::Accepted)
            return;
        import.plan = dlg.plan();
    } else if (const int over = import.plan.wontFit(); over > 0) {
        const int room = import.plan.toAdd() - over;
        const QString question =
            tr("The address book has room for %1 of the %n contacts in the file "
               "(it holds at most %2).\nImport the first %1?",
               nullptr, import.plan.toAdd())
                .arg(room)
                .arg(MAX_CONTACTS);
        if (room == 0 ||
            platform::askYesNo(parentWidget(), question) != platform::MessageAnswer::Yes) {
            if (room == 0)
                platform::tell(parentWidget(), QCoreApplication::translate(
                                                   "contacts::limits", kExceededContactsLimits));
            return;
        }
    }
    if (before != generation()) {
        platform::tell(parentWidget(), tr("The address book was replaced by a download.\n"
                                          "Nothing was imported."));
        return;
    }

    if (m_pHistory)
        m_pHistory->keep(contacthistory::Event::VCardImport, parentWidget());
    const VCardImportReport report = AddressBookExchange::applyVCard(import, b);
    Q_EMIT resultChanged(report.refused > 0 ? addressbook::DL_INVALID_CONTACT : addressbook::DL_OK);
    if (report.added + report.replaced + report.groupsAdded > 0)
        Q_EMIT bookModified();
    platform::inform(parentWidget(), vcardReport(import, report));
}

void ContactsExchangeManager::exportVCard()
{
    // Several selected contacts are exported alone; otherwise the whole book with its
    // groups. Group rows carry group ids, never contact keys.
    std::vector<const ContactRecord*> chosen;
    const bool listsContacts =
        m_pSelection && qobject_cast<const ContactListModel*>(m_pSelection->model());
    if (listsContacts && m_pSelection->selectedRows().size() > 1) {
        std::vector<int> rows;
        for (const QModelIndex& index : m_pSelection->selectedRows())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        const QAbstractItemModel* list = m_pSelection->model();
        for (const int row : rows) {
            const qint32 key = list->index(row, 0).data(ContactListModel::KeyRole).toInt();
            if (const ContactRecord* contact = book().findContact(key))
                chosen.push_back(contact);
        }
    }
    int filter = 0;
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Save;
    request.filter = tr(kVCardSaveFilter);
    request.defaultExtension = QStringLiteral("vcf");
    request.initialFolder = addressPath();
    request.chosenFilter = &filter;
    const QString path = platform::saveFile(parentWidget(), request);
    if (path.isEmpty())
        return;

    const AddressBookExchange exchange(filter == 1 ? ExchangeFormat::VCard30
                                                   : ExchangeFormat::VCard40);
    QString error;
    const bool written = chosen.empty() ? exchange.exportToFile(path, book(), &error)
                                        : exchange.exportVCardContactsToFile(path, chosen, &error);
    if (!written) {
        platform::tell(
            parentWidget(),
            tr("Couldn't save the vCard file:\n%1\n%2").arg(QDir::toNativeSeparators(path), error));
        return;
    }
    const size_t contacts = chosen.empty() ? book().m_AddressList.size() : chosen.size();
    const size_t groups = chosen.empty() ? book().m_GroupList.size() : 0;
    platform::inform(
        parentWidget(),
        tr("vCard Export Completed: %1, %2.")
            .arg(countText(int(contacts), QT_TR_NOOP("1 contact"), QT_TR_N_NOOP("%n contacts")),
                 countText(int(groups), QT_TR_NOOP("1 group"), QT_TR_N_NOOP("%n groups"))));
}
