#include "simline.h"

#include "devlink/protocol/transferclient.h"

#include <algorithm>

using namespace devlink::protocol;

namespace simline {

void Line::write(Side from, const QByteArray& bytes, qint64 nowMs)
{
    Direction& dir = m_dir[from];
    const QByteArray sent = dir.filter ? dir.filter(bytes) : bytes;
    std::deque<Byte>& queue = m_queue[1 - from];
    qint64& busy = m_busyNs[from];
    const qint64 byteNs = m_baud > 0 ? 10'000'000'000LL / m_baud : 0;
    for (char ch : sent) {
        // Line time passes whether the byte arrives or not.
        busy = std::max(busy, nowMs * 1'000'000) + byteNs;
        if (dir.cut || m_random.generateDouble() < dir.dropRate)
            continue;
        if (m_random.generateDouble() < dir.corruptRate)
            ch = static_cast<char>(ch ^ static_cast<char>(1 + m_random.bounded(255)));
        queue.push_back({busy, ch});
    }
}

QByteArray Line::take(Side to, qint64 nowMs)
{
    QByteArray out;
    std::deque<Byte>& queue = m_queue[to];
    while (!queue.empty() && queue.front().atNs <= nowMs * 1'000'000) {
        out.append(queue.front().value);
        queue.pop_front();
    }
    return out;
}

qint64 Line::nextArrivalMs(Side to) const
{
    const std::deque<Byte>& queue = m_queue[to];
    return queue.empty() ? kNever : (queue.front().atNs + 999'999) / 1'000'000;
}

namespace {

// Any byte values, markers and NULs included; lengths from minLength to maxLength.
std::string text(QRandomGenerator& random, int minLength, int maxLength)
{
    std::string out(size_t(minLength + random.bounded(maxLength - minLength + 1)), '\0');
    for (char& ch : out)
        ch = static_cast<char>(random.bounded(256));
    return out;
}

} // namespace

PagerContents sampleContents(int messages, int contacts, int groups, quint32 seed)
{
    QRandomGenerator random(seed);
    PagerContents contents;
    contents.folderNames[0] = "Work";
    contents.folderNames[10] = "Sixteen-byte-nam";
    for (int i = 0; i < messages; ++i) {
        contents.messages.push_back(
            {quint16(1 + random.bounded(14)), quint16(1 + random.bounded(12)),
             quint16(1 + random.bounded(28)), 2026, quint16(random.bounded(24)),
             quint16(random.bounded(60)), text(random, 8, 40), text(random, 20, 400),
             text(random, 10, 10)});
    }
    for (int i = 0; i < contacts; ++i) {
        ContactRecord c;
        c.nIndex = i;
        c.nKey = i + 1;
        c.nGroup = groups > 0 && i % 3 == 0 ? i % groups : -1;
        c.strFirstName = text(random, 3, 16);
        c.strLastName = text(random, 3, 16);
        c.strWireless = text(random, 10, 10);
        c.strEmail1 = text(random, 0, 30);
        c.strWorkNumber = text(random, 10, 10);
        c.strAddress = text(random, 0, 80);
        c.strNote = text(random, 0, 32);
        contents.contacts.push_back(std::move(c));
    }
    for (int i = 0; i < groups; ++i) {
        GroupRecord& g = contents.groups.emplace_back();
        g.nGroupId = i;
        g.nParent = i % 4 == 3 ? 0 : -1;
        g.strName = "Group " + std::to_string(i);
        g.nMemberCount = random.bounded(MAX_GROUP_MEMBERS + 1);
        for (int m = 0; m < g.nMemberCount; ++m)
            g.aMembers[size_t(m)] = {m % 2, text(random, 5, 60)};
        g.nBlockLength = random.bounded(GROUP_BLOCK_SIZE + 1);
        for (int b = 0; b < g.nBlockLength; ++b)
            g.abyBlock[size_t(b)] = quint8(random.bounded(256));
    }
    return contents;
}

} // namespace simline
