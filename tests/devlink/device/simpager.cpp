#include "simpager.h"

#include <QDeadlineTimer>

SimPager::SimPager(const QStringList& options)
{
    QStringList arguments = options;
    if (!arguments.contains(QStringLiteral("--baud")))
        arguments << QStringLiteral("--baud") << QStringLiteral("0");
    if (!arguments.contains(QStringLiteral("--image")))
        arguments << QStringLiteral("--image") << QStringLiteral(QUILLBOX_DEMO_PAGER);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(QUILLBOX_PAGER_SIM), arguments);
    // The first line of its output names the terminal.
    const QDeadlineTimer deadline(10000);
    while (!m_process.canReadLine() && !deadline.hasExpired() &&
           m_process.state() != QProcess::NotRunning)
        m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    if (m_process.canReadLine())
        m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

SimPager::~SimPager()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        kill();
}

void SimPager::kill()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}
