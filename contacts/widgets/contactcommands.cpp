#include "contacts/widgets/contactcommands.h"

#include "contacts/core/addressbook.h"
#include "contacts/widgets/contactdlg.h"
#include "platform/messageboxservice.h"

#include <QCoreApplication>

#include <memory>

void ContactCommands::newContact()
{
    if (book().CheckAddressSpace() == 0) {
        platform::tell(parentWidget(),
                       QCoreApplication::translate("contacts::limits", kExceededContactsLimits));
        return;
    }
    CContactDlg dlg(parentWidget());
    if (runDialog(dlg) != QDialog::Accepted)
        return;
    auto contact = std::make_unique<ContactRecord>();
    contact->nGroup = KEY_CONTACTS;
    dlg.getFields(*contact);
    ContactRecord* added = contact.get();
    const int result = book().UpdatePagerAddress(contact, OP_ADD_CONTACT, KEY_CONTACTS);
    Q_EMIT resultChanged(result);
    if (result != 0)
        return;
    added->nKey = added->nIndex + 1;
    if (added->nKey < 1)
        return;
    Q_EMIT bookModified();
}

void ContactCommands::openContact(qint32 key)
{
    ContactRecord* contact = book().findContact(key);
    if (!contact)
        return;
    const qint32 nGroup = contact->nGroup;
    const int before = generation();

    CContactDlg dlg(parentWidget());
    dlg.setFields(*contact);
    if (runDialog(dlg) != QDialog::Accepted)
        return;
    // Device events run while the dialog is open: the record may be gone by now.
    if (before != generation() || book().findContact(key) != contact) {
        tellEditDropped();
        return;
    }
    dlg.getFields(*contact);
    Q_EMIT resultChanged(book().UpdatePagerAddress(contact, OP_CHANGE_CONTACT, nGroup));
    Q_EMIT bookModified();
}

void ContactCommands::deleteContacts(const std::vector<qint32>& keys)
{
    for (const qint32 key : keys) {
        if (key < 0)
            return;
        Q_EMIT resultChanged(book().UpdatePagerAddress(&key, OP_DELETE_CONTACT, 0));
    }
}

void ContactCommands::deleteFolder(qint32 folder)
{
    AddressBook& b = book();
    for (auto it = b.m_AddressList.begin(); it != b.m_AddressList.end();) {
        ContactRecord* contact = it->get();
        ++it; // before the call, which takes the record out of the list
        if (contact->nGroup == folder)
            Q_EMIT resultChanged(b.UpdatePagerAddress(contact, OP_DELETE_CONTACT, folder));
    }
}
