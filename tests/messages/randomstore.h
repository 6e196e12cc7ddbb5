#pragma once
// Small random record lists with few distinct numbers, so that duplicates, numbers out of
// order and collisions are common.

#include "messages/core/messagerecord.h"

#include <random>

inline RecordList randomRecords(std::mt19937& rng, int maxRecords, int numberRange)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static const std::string names[] = {"A", "B", "Inbox", "LocalFolder"};
    RecordList records;
    const int n = pick(0, maxRecords);
    for (int i = 0; i < n; ++i) {
        MessageRecord r;
        const int k = pick(0, 9);
        r.nKind = k < 4 ? KIND_FOLDER : k < 7 ? KIND_MESSAGE : k < 9 ? KIND_COMPANION : 3;
        r.nFolderId = pick(0, numberRange) + (pick(0, 1) ? FIRST_LOCAL_FOLDER_ID - 2 : 0);
        const int p = pick(0, 3);
        r.nParentId = p == 0 ? PARENT_PAGER : p == 1 ? PARENT_LOCAL : r.nFolderId - pick(-2, 2);
        r.nMessageId = r.nKind == KIND_FOLDER ? 0 : pick(0, numberRange);
        r.nCount = pick(0, 3);
        r.strName = names[pick(0, 3)];
        r.strParentName = names[pick(0, 3)];
        r.strText = std::string(static_cast<size_t>(pick(0, 3)), 'a' + static_cast<char>(i % 26));
        r.strAddress = std::to_string(i);
        r.strHeader = std::string("h").append(std::to_string(i));
        r.strTitle = std::string("t").append(std::to_string(i));
        r.strOrigin = std::to_string(pick(1, 14));
        r.strDate = "2024-01-02 03:04";
        records.push_back(r);
    }
    return records;
}
