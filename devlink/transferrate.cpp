#include "devlink/transferrate.h"

#include <cmath>

namespace devlink {

namespace {

constexpr double kKilo = 1024.0;

// The unit the larger number needs, so that "12.4 of 70.4 KB" shares it.
int unitFor(double bytes)
{
    return bytes < kKilo ? 0 : bytes < kKilo * kKilo ? 1 : 2;
}

QString number(double bytes, int unit)
{
    if (unit == 0)
        return QString::number(qRound64(bytes));
    return QString::number(bytes / std::pow(kKilo, unit), 'f', 1);
}

QString unitName(int unit)
{
    return unit == 0   ? QStringLiteral("B")
           : unit == 1 ? QStringLiteral("KB")
                       : QStringLiteral("MB");
}

QString duration(qint64 seconds)
{
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    return QStringLiteral("%1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
}

} // namespace

QString rateLineText(const TransferRate& rate)
{
    const double done = double(qMax<qint64>(0, rate.bytesDone));
    double total = double(qMax<qint64>(0, rate.bytesTotal));
    bool estimated = false;
    if (total <= 0 && rate.itemsTotal > 0 && rate.itemsDone > 0) {
        total = done * rate.itemsTotal / qMin(rate.itemsDone, rate.itemsTotal);
        estimated = rate.itemsDone < rate.itemsTotal;
    }
    QString text;
    if (total > 0) {
        const int unit = unitFor(qMax(done, total));
        text =
            QStringLiteral("%1 of %2%3 %4")
                .arg(number(qMin(done, total), unit), estimated ? QStringLiteral("~") : QString(),
                     number(total, unit), unitName(unit));
    } else {
        const int unit = unitFor(done);
        text = QStringLiteral("%1 %2").arg(number(done, unit), unitName(unit));
    }
    if (rate.elapsedMs < 1000 || done <= 0)
        return text;
    const double perSecond = done * 1000.0 / double(rate.elapsedMs);
    const int unit = unitFor(perSecond);
    text += QStringLiteral(" \u00B7 %1 %2/s").arg(number(perSecond, unit), unitName(unit));
    if (total > 0 && !rate.ended)
        text += QStringLiteral(" \u00B7 %1 left")
                    .arg(duration(qint64(std::ceil(qMax(0.0, total - done) / perSecond))));
    return text;
}

} // namespace devlink
