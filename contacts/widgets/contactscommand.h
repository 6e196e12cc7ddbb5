#pragma once
// What the Contacts window's command objects share: the book they work on, the widget their
// messages and dialogs belong to, the window's way of running a modal dialog (tests answer
// dialogs there), and how they tell the window what they did: the result of the book's last
// operation (the window's m_nResult) and the book marked unsaved or saved (its m_bModified).

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class AddressBook;
class QDialog;

class ContactsCommand : public QObject
{
    Q_OBJECT

public:
    using DialogRunner = std::function<int(QDialog&)>;

    // book outlives the object; parent (also its QObject parent) gets the messages.
    ContactsCommand(AddressBook& book, QWidget* parent, DialogRunner runDialog);

Q_SIGNALS:
    void resultChanged(int result);
    void bookModified();
    void bookSaved();

protected:
    AddressBook& book() const { return m_book; }
    QWidget* parentWidget() const { return m_pParent; }
    int runDialog(QDialog& dlg) const { return m_runDialog(dlg); }
    // Counts the times the book was replaced whole. Modal dialogs let device events run: a
    // record found before one opened is not the record under its key afterwards when this
    // changed meanwhile.
    int generation() const { return m_nGeneration; }
    // Told when an edit's record went with a download while its dialog was open.
    void tellEditDropped() const;

private:
    AddressBook& m_book;
    QPointer<QWidget> m_pParent;
    DialogRunner m_runDialog;
    int m_nGeneration = 0;
};
