#pragma once
// The Settings dialog: the serial port of the pager and the folder that keeps the folder
// database. The caller hands it the current folder before running it and takes the folder
// back after OK; the port it stores itself, into the number it was given. "Find..." looks
// for the pager on every port; a pager found on a device that is none of COM1..COM8's
// becomes the device of a COMn (see ChooseFoundPort), stored in the settings on OK, with
// what identifies a USB adapter across replugs.

#include "devlink/portdetector.h"

#include <QDialog>
#include <QString>
#include <QtGlobal>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class CSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    // nCommPort (1 = COM1 ... 8 = COM8) is read when the dialog opens and written on OK.
    explicit CSettingsDlg(qint32& nCommPort, QWidget* parent = nullptr);

    // The folder: set before running, read after OK.
    void setPath(const QString& path) { m_strPath = path; }
    QString path() const { return m_strPath; }
    // Whether Download Messages starts when the pager is plugged in: set before, read after OK.
    void setDownloadWhenPluggedIn(bool on);
    bool downloadWhenPluggedIn() const;

    // Asked as Find... starts: the device a transfer of this program is running on (empty
    // when none runs), which the search leaves alone.
    void setPortInUse(std::function<QString()> device) { m_portInUse = std::move(device); }

    // A chosen drive root keeps no trailing separator ("D:\" -> "D:"), like the default.
    static QString TrimRootSeparator(const QString& folder);

public Q_SLOTS:
    void OnButtonBrowse();
    void OnButtonFind();
    // Selects the port a search found. A device outside COM1..COM8 becomes the device of
    // the COMn selected, or, when QUILLBOX_COMn sets that one (the environment comes
    // first), of the first COMn it does not set; false when it sets all eight.
    bool ChooseFoundPort(const devlink::PortCandidate& where);
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    // The folder the database can live in, or an empty string after telling the user why not.
    QString ValidateFolder(const QString& text);

    qint32& m_nCommPort;
    QString m_strPath;

    QComboBox* m_comboPort = nullptr;
    QLineEdit* m_editPath = nullptr;
    QToolButton* m_buttonBrowse = nullptr;
    QPushButton* m_buttonFind = nullptr;
    QCheckBox* m_checkPlugged = nullptr;
    QPushButton* m_buttonSet = nullptr;
    int m_nMappedPort = 0; // the COMn that gets m_strMappedDevice on OK (0: none)
    QString m_strMappedDevice;
    QString m_strMappedIdentity; // what identifies its adapter across replugs
    QPushButton* m_buttonCancel = nullptr;
    std::function<QString()> m_portInUse;
};
