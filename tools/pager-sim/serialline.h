#pragma once
// The simulator's end of the serial line: a pseudo-terminal it creates for the program to
// open, or a real serial device. Either way the line is raw, 8N1: no byte is translated,
// swallowed or echoed, and no byte value stops the flow.

#include <QString>

class SerialLine
{
public:
    SerialLine() = default;
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;
    ~SerialLine();

    // A new pseudo-terminal; path() names the side the program opens.
    bool openPseudoTerminal(QString* error);
    // A serial device at a standard baud rate.
    bool openDevice(const QString& path, int baud, QString* error);

    // Non-blocking; the simulator reads and writes the line here.
    int fd() const { return m_fd; }
    const QString& path() const { return m_path; }

private:
    int m_fd = -1;
    // Our own handle on the program's side of a pseudo-terminal: while it is open, the
    // program may close and reopen the port without the master seeing a hang-up.
    int m_slaveFd = -1;
    QString m_path;
};

// A symbolic link to the line (a stable name for a terminal whose number changes from run
// to run). It replaces a stale link of that name, never another kind of file, and is removed
// at the end if it still points to our line.
class LineSymlink
{
public:
    LineSymlink() = default;
    LineSymlink(const LineSymlink&) = delete;
    LineSymlink& operator=(const LineSymlink&) = delete;
    ~LineSymlink() { remove(); }

    bool create(const QString& linkPath, const QString& target, QString* error);
    void remove();

private:
    QByteArray m_link;
    QByteArray m_target;
};
