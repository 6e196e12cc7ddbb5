#pragma once
// The pager simulator in a process of its own, on a pseudo-terminal: the pager the device
// tests talk to.

#include <QProcess>
#include <QString>
#include <QStringList>

class SimPager
{
public:
    // Unpaced, with the demo pager, unless the options say otherwise.
    explicit SimPager(const QStringList& options = {});
    ~SimPager();
    SimPager(const SimPager&) = delete;
    SimPager& operator=(const SimPager&) = delete;

    // The terminal the program opens; empty when the simulator did not start.
    QString path() const { return m_path; }
    // The pager is gone at once, as when it is unplugged.
    void kill();

private:
    QProcess m_process;
    QString m_path;
};
