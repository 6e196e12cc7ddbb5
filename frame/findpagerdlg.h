#pragma once
// "Find...": greets every port (COM1..COM8 and the serial devices the system lists) on a
// thread of its own, with a progress bar and Cancel, and lists the ports that answered with
// the pager's model and version; the others are listed greyed with the reason they were
// skipped (a port that a transfer of this program holds is not greeted at all). Choosing an
// answering port (double-click, or Use) ends the dialog.

#include "devlink/portdetector.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

class CFindPagerDlg : public QDialog
{
    Q_OBJECT

public:
    // The ports to greet; by default those detectionCandidates() gives.
    explicit CFindPagerDlg(QWidget* parent = nullptr,
                           std::vector<devlink::PortCandidate> candidates = {});

    // The device a transfer of this program is running on: listed as in use, with that
    // reason, and not greeted, which would end the transfer.
    void setPortInUse(const QString& device) { m_strInUse = device; }

    // After Use: the port chosen ("COMn" or empty) and its device.
    devlink::PortCandidate chosen() const { return m_chosen; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void onProbed(const devlink::ProbeResult& result);
    void onFinished(bool cancelled);
    void use();

    std::vector<devlink::PortCandidate> m_candidates;
    devlink::PortDetector m_detector;
    devlink::PortCandidate m_chosen;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_buttonUse = nullptr;
    QPushButton* m_buttonCancel = nullptr;
    int m_found = 0;
    QString m_strInUse;
};
