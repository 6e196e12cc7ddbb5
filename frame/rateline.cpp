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
    m_bar->showMessage(idleText());
}

QString CRateLine::idleText() const
{
    return m_transfer.isEmpty() ? QStringLiteral("Ready") : m_transfer;
}
