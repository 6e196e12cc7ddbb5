#pragma once
// The chunked reading under the address-book file readers: a device read a chunk at a time
// into one buffer, so a reader never holds more of a file than one chunk and its own line.

#include <QByteArray>
#include <QCoreApplication>
#include <QIODevice>
#include <QString>

class ChunkedInput
{
    Q_DECLARE_TR_FUNCTIONS(ChunkedInput)

protected:
    ChunkedInput(QIODevice& device, qsizetype chunkSize);
    // Reads the next chunk into m_buffer from m_pos 0. False on a read error (m_error says
    // why); at the end of the device m_eof is set and the buffer is empty.
    bool fill();

    QIODevice& m_device;
    qsizetype m_chunkSize;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_eof = false;
    QString m_error;
};
