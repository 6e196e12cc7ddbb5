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
    // The rate as RateMeter smooths it, in bytes a second; 0 when not known.
    double bytesPerSecond = 0;
};

// Smooths a transfer's rate from report to report: an exponential moving average of the
// rate between two reports with a half-life of 2 s, whatever the reports' spacing, so that
// a burst or a stall moves the rate, and the time left that follows from it, gently. The
// average starts with the first bytes (the greeting before them is no part of the rate) and
// weighs only what it has seen: a steady rate is shown as it is from the first report.
class RateMeter
{
public:
    static constexpr double kHalfLifeMs = 2000;

    // Sets rate.bytesPerSecond from this report and those before it of the same transfer.
    void update(TransferRate& rate);

private:
    qint64 m_bytes = 0;
    qint64 m_ms = 0;
    double m_average = 0; // the moving average, started at 0 ...
    double m_weight = 0;  // ... and the weight it holds so far, which corrects that start
};

// Sizes in B below a kilobyte, then KB and MB of 1,024 with one decimal. Without a byte
// total, a download's total is estimated from the items done and to come ("of ~70.4 KB").
// The rate is shown once a second has passed: the smoothed one while the transfer runs
// (the mean since the start when it is not known), the mean of the whole on the last report.
// The time left follows from it once three seconds have passed, in s, min and s, or h and
// min.
QString rateLineText(const TransferRate& rate);

} // namespace devlink
