#pragma once
// File > Address Book Account...: the server (a host name or an address book's URL), the
// user name and the password. OK does not close the dialog by itself: it asks for the
// address books the server has (confirmed()), and the caller closes it with done() once one
// is known, or fills the address-book list for the user to choose from.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CCardDavAccountDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCardDavAccountDlg(QWidget* parent = nullptr);

    QLineEdit* serverEdit() const { return m_pServer; }
    QLineEdit* userEdit() const { return m_pUser; }
    QLineEdit* passwordEdit() const { return m_pPassword; }
    QComboBox* bookCombo() const { return m_pBook; }
    QPushButton* okButton() const { return m_pOk; }

    // The address books to choose from; the list shows only when there are several.
    void setAddressBooks(const QStringList& books);
    // The chosen address book, or empty when the server has not been asked yet.
    QString addressBook() const;
    // While the server is being asked: OK is greyed and the line below says so.
    void setBusy(bool busy);
    void setStatus(const QString& text);

    void accept() override;

Q_SIGNALS:
    void confirmed();

private:
    QLineEdit* m_pServer = nullptr;
    QLineEdit* m_pUser = nullptr;
    QLineEdit* m_pPassword = nullptr;
    QComboBox* m_pBook = nullptr;
    QLabel* m_pBookLabel = nullptr;
    QLabel* m_pStatus = nullptr;
    QPushButton* m_pOk = nullptr;
};
