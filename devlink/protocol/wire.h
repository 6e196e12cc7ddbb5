#pragma once
// Little-endian primitives of the wire: the writer appends, the reader never reads past the
// end (a short read marks it bad and yields zeros), so a decoder checks ok() once at the end.

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <string>
#include <string_view>

namespace devlink::protocol {

class ByteWriter
{
public:
    void u8(quint8 value) { m_data.append(static_cast<char>(value)); }
    void u16(quint16 value)
    {
        u8(static_cast<quint8>(value & 0xFFu));
        u8(static_cast<quint8>(value >> 8));
    }
    void u32(quint32 value)
    {
        u16(static_cast<quint16>(value & 0xFFFFu));
        u16(static_cast<quint16>(value >> 16));
    }
    void i32(qint32 value) { u32(static_cast<quint32>(value)); }
    void bytes(QByteArrayView data) { m_data.append(data); }
    // Length-prefixed strings; the caller has checked the length against the field.
    void str8(std::string_view text)
    {
        u8(static_cast<quint8>(text.size()));
        bytes(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    }
    void str16(std::string_view text)
    {
        u16(static_cast<quint16>(text.size()));
        bytes(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    }

    const QByteArray& data() const { return m_data; }
    QByteArray take() { return std::move(m_data); }

private:
    QByteArray m_data;
};

class ByteReader
{
public:
    explicit ByteReader(QByteArrayView data) : m_data(data) {}

    quint8 u8()
    {
        if (!need(1))
            return 0;
        return static_cast<quint8>(m_data[m_pos++]);
    }
    quint16 u16()
    {
        const quint16 low = u8();
        return static_cast<quint16>(low | (u8() << 8));
    }
    quint32 u32()
    {
        const quint32 low = u16();
        return low | (static_cast<quint32>(u16()) << 16);
    }
    qint32 i32() { return static_cast<qint32>(u32()); }
    // A view into the input: nothing is allocated for a length that is not there.
    QByteArrayView bytes(qsizetype count)
    {
        if (!need(count))
            return {};
        QByteArrayView view = m_data.sliced(m_pos, count);
        m_pos += count;
        return view;
    }
    std::string str8() { return toString(bytes(u8())); }
    std::string str16() { return toString(bytes(u16())); }

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos == m_data.size(); }
    // Well formed: every read was satisfied and nothing is left over.
    bool complete() const { return m_ok && atEnd(); }

private:
    bool need(qsizetype count)
    {
        if (!m_ok || count < 0 || m_data.size() - m_pos < count) {
            m_ok = false;
            return false;
        }
        return true;
    }
    static std::string toString(QByteArrayView view)
    {
        if (view.isEmpty())
            return {};
        return std::string(view.data(), static_cast<size_t>(view.size()));
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

} // namespace devlink::protocol
