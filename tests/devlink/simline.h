#pragma once
// A simulated serial line between two ends, with a simulated clock: each byte takes its time
// on the line at the baud rate, and each direction can drop, corrupt, duplicate or hold back
// bytes. Ends are driven the way the program's worker drives them: feed what arrived, poll,
// write what comes out, once a millisecond (or sooner when nothing is due).

#include "devlink/protocol/transferclient.h"
#include "devlink/protocol/transferserver.h"

#include <QByteArray>
#include <QRandomGenerator>

#include <algorithm>
#include <deque>
#include <functional>
#include <tuple>
#include <vector>

namespace simline {

enum Side
{
    A = 0,
    B = 1
};

struct Direction
{
    double corruptRate = 0; // per byte
    double dropRate = 0;    // per byte
    bool cut = false;       // disconnected: whatever is written is lost
    // Sees every write first; returns what goes on the line (drop, change, repeat frames).
    std::function<QByteArray(const QByteArray&)> filter;
};

class Line
{
public:
    Line(int baud, quint32 seed) : m_baud(baud), m_random(seed) {}

    Direction& from(Side side) { return m_dir[side]; }
    void write(Side from, const QByteArray& bytes, qint64 nowMs);
    // The bytes that have reached `to` by nowMs.
    QByteArray take(Side to, qint64 nowMs);
    qint64 nextArrivalMs(Side to) const;

private:
    struct Byte
    {
        qint64 atNs;
        char value;
    };
    int m_baud;
    QRandomGenerator m_random;
    Direction m_dir[2];
    std::deque<Byte> m_queue[2]; // indexed by the receiving side
    qint64 m_busyNs[2] = {0, 0};
};

// Messages have no operator==: every field compared.
inline bool sameMessages(const std::vector<DeviceMessage>& a, const std::vector<DeviceMessage>& b)
{
    const auto fields = [](const DeviceMessage& m) {
        return std::tie(m.nFolder, m.nMonth, m.nDay, m.nYear, m.nHour, m.nMinute, m.strHeader,
                        m.strText, m.strAddress);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](const auto& x, const auto& y) { return fields(x) == fields(y); });
}

class Simulation
{
public:
    Simulation(int baud, quint32 seed) : line(baud, seed) {}

    // Runs two ends (link endpoints, transfer clients or servers) until done() holds (true)
    // or limitMs more milliseconds have passed (false).
    template <typename EndA, typename EndB>
    bool run(EndA& a, EndB& b, const std::function<bool()>& done, qint64 limitMs)
    {
        const qint64 limit = now + limitMs;
        while (now <= limit) {
            if (const QByteArray arrived = line.take(A, now); !arrived.isEmpty())
                a.receiveBytes(arrived, now);
            if (const QByteArray arrived = line.take(B, now); !arrived.isEmpty())
                b.receiveBytes(arrived, now);
            line.write(A, a.poll(now), now);
            line.write(B, b.poll(now), now);
            if (done())
                return true;
            // A worker wakes on arriving bytes or on its own time, at millisecond steps.
            const qint64 next = std::min({a.nextWakeMs(now), b.nextWakeMs(now),
                                          line.nextArrivalMs(A), line.nextArrivalMs(B)});
            now = std::max(now + 1, std::min(next, limit + 1));
        }
        return false;
    }

    Line line;
    qint64 now = 0;
};

// Reproducible contents for the transfers, every byte value in their texts.
devlink::protocol::PagerContents sampleContents(int messages, int contacts, int groups,
                                                quint32 seed);

} // namespace simline
