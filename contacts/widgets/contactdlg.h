#pragma once
// The Contact dialog: the one form in which the user types or changes the thirteen text
// fields of a contact. It knows nothing of the address book: the caller sets the thirteen
// strings, shows the dialog modally (exec() gives Accepted for "Add", Rejected for "Cancel",
// Esc or closing the window) and reads them back; after a cancel they hold what the caller
// set.

#include "contacts/core/contactrecord.h"

#include <QDialog>

#include <array>
#include <string>

class QLineEdit;
class QPushButton;
class MultiLineByteEdit;

inline constexpr const char* kContactTitle = QT_TRANSLATE_NOOP("CContactDlg", "Contact");
inline constexpr const char* kContactCaption =
    QT_TRANSLATE_NOOP("CContactDlg", "Contact Information");
// The limit of a field that holds more than it may (only a caller can cause it).
inline constexpr const char* kContactTooLong =
    QT_TRANSLATE_NOOP("CContactDlg", "Please enter no more than %1 characters.");

class CContactDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CContactDlg(QWidget* parent = nullptr);
    ~CContactDlg() override;

    // The thirteen fields in tab order; bytes, empty at creation.
    std::string m_strFirstName;
    std::string m_strLastName;
    std::string m_strWireless;
    std::string m_strEmail1;
    std::string m_strEmail2;
    std::string m_strEmail3;
    std::string m_strWorkNumber;
    std::string m_strMobileNumber;
    std::string m_strHomeNumber;
    std::string m_strFaxNumber;
    std::string m_strCompany;
    std::string m_strAddress;
    std::string m_strNote;

    // The thirteen strings from and to a record's text fields (nothing else of it).
    void setFields(const ContactRecord& contact);
    void getFields(ContactRecord& contact) const;

    // Every showing starts from the thirteen strings.
    void setVisible(bool visible) override;

    // The edit field of field i (0..12 in tab order): a QLineEdit or a MultiLineByteEdit.
    QWidget* fieldEdit(int i) const;
    QPushButton* addButton() const { return m_pAdd; }
    QPushButton* cancelButton() const { return m_pCancel; }

public Q_SLOTS:
    // "Add": takes the fields back; an all-empty form is silently refused.
    void OnOK();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field
    {
        std::string CContactDlg::*member;
        int nMax;
        QLineEdit* line = nullptr;
        MultiLineByteEdit* multi = nullptr;
        QWidget* edit() const;
    };

    void OnInitDialog();
    void setFieldText(Field& field);
    std::string fieldText(const Field& field) const;

    std::array<Field, CONTACT_FIELD_COUNT> m_fields;
    // What each field was given at the opening, and how it showed it: a field the user did
    // not touch gives its bytes back unchanged, line ends and all.
    std::array<std::string, CONTACT_FIELD_COUNT> m_given;
    std::array<QString, CONTACT_FIELD_COUNT> m_shown;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pCancel = nullptr;
};
