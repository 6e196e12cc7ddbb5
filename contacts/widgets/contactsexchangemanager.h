#pragma once
// Import and export of the address book for the Contacts window, in both formats: the
// contacts text file (Import/Open Contacts, Export/Save Contacts) and vCard (with the review
// of duplicates). It keeps the file dialogs, the messages and the reports; what is read and
// written is AddressBookExchange's. It is given the book, the selection model of the list
// (several selected contacts are exported alone to vCard) and the widget its dialogs belong
// to.

#include "contacts/widgets/contactscommand.h"

#include <QPointer>

class ContactsHistoryKeeper;
class QItemSelectionModel;

class ContactsExchangeManager : public ContactsCommand
{
    Q_OBJECT

public:
    // The filter of both contacts file dialogs.
    //: File dialog filter: translate the names before each "(", keep the rest.
    static constexpr const char* kFileFilter = QT_TR_NOOP("Quillbox File( *.txt )|*.txt||");
    // The vCard file dialogs; the export's second entry writes 3.0 for older address books.
    //: File dialog filter: translate the names before each "(", keep the rest.
    static constexpr const char* kVCardOpenFilter = QT_TR_NOOP("vCard File( *.vcf )|*.vcf||");
    //: File dialog filter: translate the names before each "(", keep the rest.
    static constexpr const char* kVCardSaveFilter =
        QT_TR_NOOP("vCard 4.0 File( *.vcf )|*.vcf|vCard 3.0 File( *.vcf )|*.vcf||");

    ContactsExchangeManager(AddressBook& book, QItemSelectionModel* selection, QWidget* parent,
                            DialogRunner runDialog);

    // The list's selection model, again each time the list shows another model.
    void setSelectionModel(QItemSelectionModel* selection);
    // The setting the file dialogs open in (an import changes it); may be null.
    void setAddressPath(QString* path) { m_pszAddressPath = path; }
    // Where the book is kept before an import changes it; may be null.
    void setHistory(ContactsHistoryKeeper* history) { m_pHistory = history; }

    // Reads a contacts text file into the Contacts folder; it becomes the current file.
    void importText();
    // Writes the book to the current file, or to one the user chooses; marks it saved.
    void exportText();
    void importVCard();
    // The selected contacts when the list shows the Contacts folder with several selected;
    // otherwise the whole book with its groups.
    void exportVCard();

private:
    // The Open dialog of the imports (the folder chosen is remembered); empty when cancelled.
    QString askImportPath(const char* filter, const QString& extension);
    QString addressPath() const { return m_pszAddressPath ? *m_pszAddressPath : QString(); }

    QPointer<QItemSelectionModel> m_pSelection;
    QString* m_pszAddressPath = nullptr;
    ContactsHistoryKeeper* m_pHistory = nullptr;
};
