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

const QString kImportCompleted = QStringLiteral("Import Completed ! ");
const QString kExportCompleted = QStringLiteral("Export Completed ! ");

// Opens a file an import reads, or tells why it cannot. A pipe or a device is refused before
// it is opened: opening a pipe waits for a writer, and a device may never end.
bool openSource(QWidget* parent, QFile& file)
{
    QString why = platform::checkInputFile(file.fileName());
    if (why.isEmpty() && !file.open(QIODevice::ReadOnly))
        why = file.errorString();
    if (why.isEmpty())
        return true;
    platform::tell(parent, QStringLiteral("Couldn't open source file:\n") + why.left(1023));
    return false;
}

QString countText(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// The import's report: what was done, then what of each contact did not fit.
QString vcardReport(const VCardImport& import, const VCardImportReport& report)
{
    QStringList lines{QStringLiteral("vCard Import Completed.")};
    lines << countText(report.added, "contact added", "contacts added") + QStringLiteral(", ") +
                 countText(report.replaced, "replaced", "replaced") + QStringLiteral(", ") +
                 countText(report.skipped, "duplicate skipped", "duplicates skipped") +
                 QLatin1Char('.');
    if (report.notFit > 0)
        lines << countText(report.notFit, "contact did not fit", "contacts did not fit") +
                     QStringLiteral(": the address book holds at most %1.").arg(MAX_CONTACTS);
    if (report.refused > 0)
        lines << countText(report.refused, "contact was refused", "contacts were refused") +
                     QLatin1Char('.');
    if (import.cards.skipped > 0)
        lines << countText(import.cards.skipped, "card could not be read",
                           "cards could not be read") +
                     QLatin1Char('.');
    if (!import.cards.groups.empty())
        lines << countText(report.groupsAdded, "group added", "groups added") +
                     (report.groupsSkipped > 0
                          ? QStringLiteral(", %1 already there").arg(report.groupsSkipped)
                          : QString()) +
                     (report.groupsNotFit > 0
                          ? QStringLiteral(", %1 did not fit").arg(report.groupsNotFit)
                          : QString()) +
                     QLatin1Char('.');
    constexpr int kShown = 10;
    int notes = 0;
    for (size_t i = 0; i < import.cards.contacts.size(); ++i) {
        const vcard::FitReport& fit = import.cards.contactReports[i];
        if (fit.empty())
            continue;
        if (notes++ == 0)
            lines << QString() << QStringLiteral("Not everything fitted:");
        if (notes > kShown)
            continue;
        const ContactRecord& c = import.cards.contacts[i];
        const QString name = (platform::toDisplay(c.strFirstName) + QLatin1Char(' ') +
                              platform::toDisplay(c.strLastName))
                                 .trimmed();
        lines << name + QStringLiteral(": ") + fit.describe();
    }
    if (notes > kShown)
        lines << QStringLiteral("... and %1 more.").arg(notes - kShown);
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
    request.filter = QString::fromLatin1(filter);
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
        platform::tell(parentWidget(), QStringLiteral("ImportAddress PagerError"));
    if (report.stoppedAtLimit) {
        platform::tell(parentWidget(), QString::fromLatin1(kExceededContactsLimits));
        return;
    }
    if (!report.readError.isEmpty()) {
        platform::tell(parentWidget(),
                       QStringLiteral("Couldn't read source file:\n") + report.readError);
        return;
    }
    platform::inform(parentWidget(), kImportCompleted);
}

void ContactsExchangeManager::exportText()
{
    QString target = book().m_strAddressFile;
    if (target.isEmpty()) {
        platform::FileDialogRequest request;
        request.mode = platform::FileDialogMode::Save;
        request.filter = QString::fromLatin1(kFileFilter);
        request.defaultExtension = QStringLiteral("txt");
        request.initialFolder = addressPath();
        target = platform::saveFile(parentWidget(), request);
    }
    if (target.isEmpty())
        return;

    QString error;
    if (!AddressBookExchange().exportToFile(target, book(), &error)) {
        platform::tell(parentWidget(), QStringLiteral("Couldn't save the contacts file:\n") +
                                           QDir::toNativeSeparators(target) + QStringLiteral("\n") +
                                           error);
        return;
    }
    Q_EMIT bookSaved();
    platform::inform(parentWidget(), kExportCompleted);
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
        platform::tell(parentWidget(), QStringLiteral("Couldn't read source file:\n") +
                                           import.cards.error +
                                           QStringLiteral("\nNothing was imported."));
        return;
    }
    if (import.cards.contacts.empty() && import.cards.groups.empty()) {
        platform::tell(parentWidget(), import.cards.cards == 0
                                           ? QStringLiteral("There is no vCard in this file.")
                                           : countText(import.cards.skipped, "card", "cards") +
                                                 QStringLiteral(" in this file could not be read.\n"
                                                                "Nothing was imported."));
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
            QStringLiteral("The address book has room for %1 of the %2 contacts in the file "
                           "(it holds at most %3).\nImport the first %1?")
                .arg(room)
                .arg(import.plan.toAdd())
                .arg(MAX_CONTACTS);
        if (room == 0 ||
            platform::askYesNo(parentWidget(), question) != platform::MessageAnswer::Yes) {
            if (room == 0)
                platform::tell(parentWidget(), QString::fromLatin1(kExceededContactsLimits));
            return;
        }
    }
    if (before != generation()) {
        platform::tell(parentWidget(),
                       QStringLiteral("The address book was replaced by a download.\n"
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
    request.filter = QString::fromLatin1(kVCardSaveFilter);
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
        platform::tell(parentWidget(), QStringLiteral("Couldn't save the vCard file:\n") +
                                           QDir::toNativeSeparators(path) + QStringLiteral("\n") +
                                           error);
        return;
    }
    const size_t contacts = chosen.empty() ? book().m_AddressList.size() : chosen.size();
    const size_t groups = chosen.empty() ? book().m_GroupList.size() : 0;
    platform::inform(parentWidget(), QStringLiteral("vCard Export Completed: %1, %2.")
                                         .arg(countText(int(contacts), "contact", "contacts"),
                                              countText(int(groups), "group", "groups")));
}
