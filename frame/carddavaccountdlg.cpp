#include "frame/carddavaccountdlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CCardDavAccountDlg::CCardDavAccountDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Address Book Account"));
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(tr("Quillbox keeps its address book in step with one address book on a "
                      "CardDAV server. Give the server's name (or the address book's URL), "
                      "your user name and your password."),
                   this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    m_pServer = new QLineEdit(this);
    m_pServer->setObjectName(QStringLiteral("server"));
    m_pServer->setPlaceholderText(QStringLiteral("dav.example.org"));
    m_pUser = new QLineEdit(this);
    m_pUser->setObjectName(QStringLiteral("user"));
    m_pPassword = new QLineEdit(this);
    m_pPassword->setObjectName(QStringLiteral("password"));
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pServer->setAccessibleDescription(
        tr("A host name, such as dav.example.org, or the URL of an address book"));
    m_pUser->setAccessibleDescription(tr("Your user name on the server"));
    m_pPassword->setAccessibleDescription(
        tr("Kept in the system's keychain, never written to a file"));
    m_pBook = new QComboBox(this);
    m_pBook->setObjectName(QStringLiteral("addressBook"));
    m_pBookLabel = new QLabel(tr("&Address book:"), this);
    m_pBookLabel->setBuddy(m_pBook);
    form->addRow(tr("&Server:"), m_pServer);
    form->addRow(tr("&User name:"), m_pUser);
    form->addRow(tr("&Password:"), m_pPassword);
    form->addRow(m_pBookLabel, m_pBook);
    layout->addLayout(form);
    m_pBook->hide();
    m_pBookLabel->hide();

    m_pStatus = new QLabel(this);
    m_pStatus->setWordWrap(true);
    layout->addWidget(m_pStatus);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCardDavAccountDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCardDavAccountDlg::reject);
    layout->addWidget(buttons);
    // Another server or user: the address books found before are not theirs.
    for (QLineEdit* edit : {m_pServer, m_pUser})
        connect(edit, &QLineEdit::textEdited, this, [this] { setAddressBooks({}); });
    resize(460, sizeHint().height());
}

void CCardDavAccountDlg::setAddressBooks(const QStringList& books)
{
    m_pBook->clear();
    m_pBook->addItems(books);
    m_pBook->setVisible(books.size() > 1);
    m_pBookLabel->setVisible(books.size() > 1);
}

QString CCardDavAccountDlg::addressBook() const
{
    return m_pBook->currentText();
}

void CCardDavAccountDlg::setBusy(bool busy)
{
    m_pOk->setEnabled(!busy);
    if (busy)
        setStatus(tr("Looking for the address books on the server..."));
}

void CCardDavAccountDlg::setStatus(const QString& text)
{
    m_pStatus->setText(text);
}

void CCardDavAccountDlg::accept()
{
    if (m_pOk->isEnabled())
        Q_EMIT confirmed();
}
