#pragma once
// A full pager for the device-link benchmarks, the same in every run: 400 messages, 250
// contacts (one in five filed in a group) and 20 groups with members and blocks.

#include "tools/common/pagerimage.h"

#include <QRandomGenerator>

#include <string>

namespace benchpager {

inline std::string text(QRandomGenerator& random, int shortest, int longest)
{
    std::string out(size_t(shortest + random.bounded(longest - shortest + 1)), ' ');
    for (char& ch : out)
        ch = static_cast<char>('a' + random.bounded(26));
    return out;
}

// A full pager: 400 messages, 250 contacts, 20 groups with members and blocks.
inline PagerImage fullPager()
{
    QRandomGenerator random(2026);
    PagerImage image;
    image.folderNames[0] = "Work";
    for (int i = 0; i < 400; ++i)
        image.messages.push_back({quint16(1 + i % 14), 1, quint16(1 + i % 28), 2026,
                                  quint16(i % 24), quint16(i % 60), "From: " + text(random, 8, 40),
                                  text(random, 40, 400), text(random, 7, 30)});
    for (int i = 0; i < MAX_CONTACTS; ++i) {
        ContactRecord& c = image.contacts.emplace_back();
        c.nIndex = i;
        c.nGroup = i % 5 == 0 ? i % 20 : -1;
        for (const ContactField& field : kContactFields)
            c.*field.member = text(random, 0, field.nMax);
    }
    for (int i = 0; i < 20; ++i) {
        GroupRecord& g = image.groups.emplace_back();
        g.nGroupId = i;
        g.strName = "Group " + std::to_string(i);
        g.nMemberCount = random.bounded(MAX_GROUP_MEMBERS + 1);
        for (int m = 0; m < g.nMemberCount; ++m)
            g.aMembers[size_t(m)] = {m % 2, text(random, 7, 40)};
        g.nBlockLength = random.bounded(GROUP_BLOCK_SIZE + 1);
        for (int b = 0; b < g.nBlockLength; ++b)
            g.abyBlock[size_t(b)] = quint8(random.bounded(256));
    }
    return image;
}

} // namespace benchpager
