#include "contacts/core/chunkedinput.h"

#include <algorithm>

ChunkedInput::ChunkedInput(QIODevice& device, qsizetype chunkSize)
    : m_device(device), m_chunkSize(std::max<qsizetype>(chunkSize, 1))
{
}

bool ChunkedInput::fill()
{
    if (!m_device.isReadable()) {
        m_error = tr("The file is not open for reading");
        return false;
    }
    m_buffer.resize(m_chunkSize);
    const qint64 got = m_device.read(m_buffer.data(), m_chunkSize);
    m_pos = 0;
    if (got < 0) {
        m_buffer.clear();
        m_error = m_device.errorString();
        if (m_error.isEmpty())
            m_error = tr("Read error");
        return false;
    }
    m_buffer.resize(got);
    if (got == 0)
        m_eof = true;
    return true;
}
