#pragma once
// A running transfer's rate and time left, as one line of text:
// "12.4 of 70.4 KB · 3.7 KB/s · 16 s left".

#include <QString>
#include <QtGlobal>

namespace devlink {

struct TransferRate
{
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0; // 0: not known (a download)
    qint32 itemsDone = 0;
    qint32 itemsTotal = 0; // 0: not known yet
    qint64 elapsedMs = 0;  // since the transfer started
    bool ended = false;    // the last report of a transfer, finished or failed
};

// Sizes in B below a kilobyte, then KB and MB of 1,024 with one decimal. Without a byte
// total, a download's total is estimated from the items done and to come ("of ~70.4 KB").
// The rate is the mean since the start, shown once a second has passed; the time left
// follows from it, in s, min and s, or h and min.
QString rateLineText(const TransferRate& rate);

} // namespace devlink
