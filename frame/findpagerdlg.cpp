#include "frame/findpagerdlg.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int kCandidateRole = Qt::UserRole;

QString portName(const devlink::PortCandidate& where)
{
    return where.port.isEmpty() ? where.device
                                : QStringLiteral("%1 (%2)").arg(where.port, where.device);
}

} // namespace

CFindPagerDlg::CFindPagerDlg(QWidget* parent, std::vector<devlink::PortCandidate> candidates)
    : QDialog(parent), m_candidates(std::move(candidates))
{
    setWindowTitle(tr("Find the pager"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ports"));
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * 64);
    m_list->setAccessibleName(tr("Ports"));
    m_list->setAccessibleDescription(
        tr("The ports where a pager answered, then the others, greyed, with the reason"));
    m_progress->setAccessibleName(tr("Search progress"));
    auto* buttons = new QDialogButtonBox(this);
    m_buttonUse = buttons->addButton(tr("&Use"), QDialogButtonBox::AcceptRole);
    m_buttonUse->setObjectName(QStringLiteral("use"));
    m_buttonUse->setEnabled(false);
    m_buttonUse->setDefault(true);
    m_buttonCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    m_buttonCancel->setObjectName(QStringLiteral("cancel"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_status);
    column->addWidget(m_progress);
    column->addWidget(m_list);
    column->addWidget(buttons);

    connect(&m_detector, &devlink::PortDetector::probing, this,
            [this](int index, int count, const QString& device) {
                m_progress->setRange(0, count);
                m_progress->setValue(index);
                m_status->setText(
                    tr("Looking at %1 (%2 of %3)...").arg(device).arg(index + 1).arg(count));
            });
    connect(&m_detector, &devlink::PortDetector::probed, this, &CFindPagerDlg::onProbed);
    connect(&m_detector, &devlink::PortDetector::finished, this, &CFindPagerDlg::onFinished);
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        m_buttonUse->setEnabled(item && (item->flags() & Qt::ItemIsEnabled));
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { use(); });
    connect(m_buttonUse, &QPushButton::clicked, this, &CFindPagerDlg::use);
    connect(m_buttonCancel, &QPushButton::clicked, this, &CFindPagerDlg::reject);
}

void CFindPagerDlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && !m_detector.isRunning()) {
        if (m_candidates.empty())
            m_candidates = devlink::detectionCandidates();
        m_found = 0;
        m_list->clear();
        std::vector<devlink::PortCandidate> greet;
        for (const devlink::PortCandidate& where : m_candidates) {
            if (!m_strInUse.isEmpty() && devlink::sameDevice(where.device, m_strInUse))
                onProbed({where, false, {}, {}, tr("in use by Quillbox: a transfer is running")});
            else
                greet.push_back(where);
        }
        m_detector.start(std::move(greet));
    }
    QDialog::showEvent(event);
}

void CFindPagerDlg::onProbed(const devlink::ProbeResult& result)
{
    const devlink::PortCandidate& where = result.candidate;
    auto* item = new QListWidgetItem;
    if (result.answered) {
        //: a port and the pager that answered on it: its model and version
        item->setText(tr("%1: %2 %3").arg(portName(where), result.model, result.version).trimmed());
        item->setData(kCandidateRole, QStringList{where.port, where.device, where.identity});
        // Answering ports come first, in the order found.
        m_list->insertItem(m_found++, item);
        if (m_found == 1)
            m_list->setCurrentItem(item);
    } else {
        //: a port and why no pager answered on it
        item->setText(tr("%1: %2").arg(portName(where), result.reason));
        item->setFlags(Qt::NoItemFlags); // shown greyed, not to be chosen
        m_list->addItem(item);
    }
}

void CFindPagerDlg::onFinished(bool cancelled)
{
    m_progress->setRange(0, 1);
    m_progress->setValue(1);
    if (cancelled)
        m_status->setText(tr("Cancelled."));
    else if (m_found == 0)
        m_status->setText(tr("No pager answered."));
    else
        m_status->setText(m_found == 1 ? tr("A pager answered on one port.")
                                       : tr("A pager answered on %n ports.", nullptr, m_found));
    m_buttonCancel->setText(tr("&Close"));
}

void CFindPagerDlg::use()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item || !(item->flags() & Qt::ItemIsEnabled))
        return;
    const QStringList where = item->data(kCandidateRole).toStringList();
    m_chosen = {where.value(0), where.value(1), where.value(2)};
    m_detector.cancel();
    QDialog::accept();
}

void CFindPagerDlg::reject()
{
    // Cancel while searching stops the search; the dialog stays with what was found.
    if (m_detector.isRunning()) {
        m_detector.cancel();
        return;
    }
    QDialog::reject();
}
