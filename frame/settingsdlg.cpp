#include "frame/settingsdlg.h"

#include "frame/findpagerdlg.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "platform/paths.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTemporaryFile>
#include <QToolButton>

namespace {

constexpr int kPortCount = 8;

QString shown(const QString& folder)
{
    return QDir::toNativeSeparators(folder);
}

} // namespace

CSettingsDlg::CSettingsDlg(qint32& nCommPort, QWidget* parent)
    : QDialog(parent), m_nCommPort(nCommPort)
{
    setWindowTitle(tr("Settins"));

    m_comboPort = new QComboBox(this);
    m_comboPort->setObjectName(QStringLiteral("port"));
    m_comboPort->setEditable(false);
    for (int n = 1; n <= kPortCount; ++n) {
        m_comboPort->addItem(QStringLiteral("COM%1").arg(n));
        // Which device the name stands for on this machine.
        m_comboPort->setItemData(n - 1, platform::serialPortDevice(n), Qt::ToolTipRole);
    }

    m_editPath = new QLineEdit(this);
    m_editPath->setObjectName(QStringLiteral("path"));
    m_editPath->setMinimumWidth(m_editPath->fontMetrics().averageCharWidth() * 48);

    m_buttonFind = new QPushButton(tr("&Find..."), this);
    m_buttonFind->setObjectName(QStringLiteral("find"));
    m_buttonFind->setAutoDefault(false);

    m_buttonBrowse = new QToolButton(this);
    m_buttonBrowse->setObjectName(QStringLiteral("browse"));
    m_buttonBrowse->setText(QStringLiteral("..."));
    m_buttonBrowse->setAccessibleName(tr("Browse"));
    m_buttonBrowse->setToolTip(tr("Choose the folder"));

    auto* portLabel = new QLabel(tr("&Port"), this);
    portLabel->setBuddy(m_comboPort);
    auto* pathLabel = new QLabel(tr("P&ath"), this);
    pathLabel->setBuddy(m_editPath);

    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(portLabel, 0, 0);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(m_comboPort);
    portRow->addWidget(m_buttonFind);
    portRow->addStretch(1);
    grid->addLayout(portRow, 0, 1);
    grid->addWidget(pathLabel, 1, 0);
    grid->addWidget(m_editPath, 1, 1);
    grid->addWidget(m_buttonBrowse, 1, 2);
    m_checkPlugged = new QCheckBox(tr("&Download messages when the pager is plugged in"), group);
    m_checkPlugged->setObjectName(QStringLiteral("downloadWhenPluggedIn"));
    grid->addWidget(m_checkPlugged, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_buttonSet = buttons->addButton(tr("&Set"), QDialogButtonBox::AcceptRole);
    m_buttonSet->setObjectName(QStringLiteral("set"));
    m_buttonSet->setDefault(true);
    m_buttonCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    m_buttonCancel->setObjectName(QStringLiteral("cancel"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(group);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetMinimumSize);

    m_comboPort->setAccessibleDescription(tr("The serial port the pager is attached to"));
    m_editPath->setAccessibleDescription(tr("The folder that keeps the local folders' database"));
    // The order of the layout: the port row, the path row, the check box, the buttons.
    QWidget::setTabOrder(m_comboPort, m_buttonFind);
    QWidget::setTabOrder(m_buttonFind, m_editPath);
    QWidget::setTabOrder(m_editPath, m_buttonBrowse);
    QWidget::setTabOrder(m_buttonBrowse, m_checkPlugged);
    QWidget::setTabOrder(m_checkPlugged, m_buttonSet);
    QWidget::setTabOrder(m_buttonSet, m_buttonCancel);

    connect(m_buttonBrowse, &QToolButton::clicked, this, &CSettingsDlg::OnButtonBrowse);
    connect(m_buttonFind, &QPushButton::clicked, this, &CSettingsDlg::OnButtonFind);
    connect(m_buttonSet, &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(m_buttonCancel, &QPushButton::clicked, this, &CSettingsDlg::reject);
}

void CSettingsDlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}

void CSettingsDlg::OnInitDialog()
{
    // A port outside 1..8 leaves the list without a selection.
    const bool known = m_nCommPort >= 1 && m_nCommPort <= kPortCount;
    m_comboPort->setCurrentIndex(known ? m_nCommPort - 1 : -1);
    m_editPath->setText(m_strPath);
}

void CSettingsDlg::setDownloadWhenPluggedIn(bool on)
{
    m_checkPlugged->setChecked(on);
}

bool CSettingsDlg::downloadWhenPluggedIn() const
{
    return m_checkPlugged->isChecked();
}

QString CSettingsDlg::TrimRootSeparator(const QString& folder)
{
    const bool endsInSeparator =
        folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/'));
    if (folder.size() > 1 && folder.size() < 4 && endsInSeparator)
        return folder.left(folder.size() - 1);
    return folder;
}

void CSettingsDlg::OnButtonBrowse()
{
    const QString folder = TrimRootSeparator(
        platform::chooseFolder(this, tr(" Choose PathFolder."), m_editPath->text()));
    if (!folder.isEmpty()) {
        m_strPath = folder;
        m_editPath->setText(folder);
    } else {
        m_strPath = m_editPath->text();
    }
}

void CSettingsDlg::OnButtonFind()
{
    CFindPagerDlg find(this);
    if (m_portInUse)
        find.setPortInUse(m_portInUse());
    if (find.exec() == QDialog::Accepted)
        ChooseFoundPort(find.chosen());
}

bool CSettingsDlg::ChooseFoundPort(const devlink::PortCandidate& where)
{
    int n = where.port.startsWith(QLatin1String("COM")) ? where.port.mid(3).toInt() : 0;
    if (n >= 1 && n <= kPortCount && !where.identity.isEmpty() &&
        !platform::serialPortFromEnvironment(n)) {
        // An adapter's port: remembered by what identifies the adapter, so that it is
        // followed when it comes back under another name.
        m_nMappedPort = n;
        m_strMappedDevice = where.device;
        m_strMappedIdentity = where.identity;
    } else if (n < 1 || n > kPortCount) {
        n = m_comboPort->currentIndex() + 1;
        if (n < 1 || platform::serialPortFromEnvironment(n)) {
            n = 0;
            for (int k = 1; k <= kPortCount && n == 0; ++k)
                n = platform::serialPortFromEnvironment(k) ? 0 : k;
        }
        if (n == 0) {
            platform::stop(this,
                           tr("QUILLBOX_COM1 to QUILLBOX_COM8 set every port.\nSet one of "
                              "them to %1 to use it.")
                               .arg(where.device),
                           windowTitle());
            return false;
        }
        m_nMappedPort = n;
        m_strMappedDevice = where.device;
        m_strMappedIdentity = where.identity;
        m_comboPort->setItemData(n - 1, where.device, Qt::ToolTipRole);
    }
    m_comboPort->setCurrentIndex(n - 1);
    return true;
}

QString CSettingsDlg::ValidateFolder(const QString& text)
{
    // The folder database is written here at every close: a folder that is missing or
    // cannot be written would lose the user's local folders, so it is refused now, while
    // the user can still choose another.
    QString folder = text.trimmed();
    if (folder.isEmpty()) {
        platform::stop(this, tr("Input the Path of the folder for the local folders."),
                       windowTitle());
        return {};
    }
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    // A relative folder would move with the directory the program is started from.
    folder = QDir::cleanPath(QDir::current().absoluteFilePath(folder));

    const QFileInfo info(folder);
    if (!info.exists()) {
        const platform::MessageAnswer answer = platform::showMessage(
            this, tr("The folder\n%1\ndoes not exist.\nCreate it?").arg(shown(folder)),
            windowTitle(), platform::MessageButtons::YesNo, platform::MessageIcon::Question);
        if (answer != platform::MessageAnswer::Yes)
            return {};
        if (!QDir().mkpath(folder)) {
            platform::stop(this, tr("The folder\n%1\ncould not be created.").arg(shown(folder)),
                           windowTitle());
            return {};
        }
    } else if (!info.isDir()) {
        platform::stop(this, tr("%1\nis not a folder.").arg(shown(folder)), windowTitle());
        return {};
    }

    // Permission bits do not tell about read-only mounts: try it.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("quillbox-XXXXXX")));
    if (!probe.open()) {
        platform::stop(
            this,
            tr("The folder\n%1\ncannot be written.\nChoose another folder.").arg(shown(folder)),
            windowTitle());
        return {};
    }
    return folder;
}

void CSettingsDlg::accept()
{
    const QString folder = ValidateFolder(m_editPath->text());
    if (folder.isEmpty()) {
        m_editPath->setFocus();
        m_editPath->selectAll();
        return;
    }
    m_strPath = folder;
    // No port selected (the stored one was not COM1 to COM8) keeps the port as it was.
    if (m_comboPort->currentIndex() >= 0)
        m_nCommPort = m_comboPort->currentIndex() + 1;
    if (m_nMappedPort > 0)
        platform::storeSerialPortDevice(m_nMappedPort, m_strMappedDevice, m_strMappedIdentity);
    QDialog::accept();
}
