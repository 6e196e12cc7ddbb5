#pragma once
// The pager simulator in a process of its own, on a pseudo-terminal: the pager the device
// tests talk to.

#include "tools/pager-sim/simclient.h"

class SimPager : public pagersim::SimProcess
{
public:
    // Unpaced, with the demo pager, unless the options say otherwise.
    explicit SimPager(QStringList options = {}) : SimProcess(QStringLiteral(QUILLBOX_PAGER_SIM))
    {
        if (!options.contains(QStringLiteral("--baud")))
            options << QStringLiteral("--baud") << QStringLiteral("0");
        m_path = start(options);
    }

    // The terminal the program opens; empty when the simulator did not start.
    QString path() const { return m_path; }
    // The pager is gone at once, as when it is unplugged.
    void kill()
    {
        process().kill();
        process().waitForFinished();
    }

private:
    QString m_path;
};
