#include "frame/rateline.h"

#include <QStatusBar>

CRateLine::CRateLine(QStatusBar* bar) : QObject(bar), m_bar(bar)
{
    connect(bar, &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            m_bar->showMessage(idleText());
    });
    bar->showMessage(idleText());
}

void CRateLine::update(const devlink::TransferRate& rate)
{
    m_transfer = rate.ended ? QString() : devlink::rateLineText(rate);
    // A new message is announced by the bar itself, as its new name.
    m_bar->showMessage(idleText());
}

QString CRateLine::idleText() const
{
    return m_transfer.isEmpty() ? tr("Ready") : m_transfer;
}
