#include "devlink/transferrate.h"

#include <QCoreApplication>
#include <cmath>

namespace devlink {

namespace {

constexpr double kKilo = 1024.0;
// Before then the rate still moves too much to promise a time from it.
constexpr qint64 kTimeLeftAfterMs = 3000;

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
    return unit == 0   ? QCoreApplication::translate("devlink::rate", "B")
           : unit == 1 ? QCoreApplication::translate("devlink::rate", "KB")
                       : QCoreApplication::translate("devlink::rate", "MB");
}

QString duration(qint64 seconds)
{
    if (seconds < 60)
        return QCoreApplication::translate("devlink::rate", "%1 s").arg(seconds);
    if (seconds < 3600)
        return QCoreApplication::translate("devlink::rate", "%1 min %2 s")
            .arg(seconds / 60)
            .arg(seconds % 60);
    return QCoreApplication::translate("devlink::rate", "%1 h %2 min")
        .arg(seconds / 3600)
        .arg(seconds % 3600 / 60);
}

} // namespace

void RateMeter::update(TransferRate& rate)
{
    const qint64 spanMs = rate.elapsedMs - m_ms;
    if (spanMs > 0) {
        if (rate.bytesDone > 0 || m_weight > 0) {
            const double rateSince = double(rate.bytesDone - m_bytes) * 1000.0 / double(spanMs);
            const double share = 1.0 - std::exp2(-double(spanMs) / kHalfLifeMs);
            m_average += share * (rateSince - m_average);
            m_weight += share * (1.0 - m_weight);
        }
        m_bytes = rate.bytesDone;
        m_ms = rate.elapsedMs;
    }
    rate.bytesPerSecond = m_weight > 0 ? m_average / m_weight : 0;
}

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
            QCoreApplication::translate("devlink::rate", "%1 of %2%3 %4")
                .arg(number(qMin(done, total), unit), estimated ? QStringLiteral("~") : QString(),
                     number(total, unit), unitName(unit));
    } else {
        const int unit = unitFor(done);
        text = QStringLiteral("%1 %2").arg(number(done, unit), unitName(unit));
    }
    if (rate.elapsedMs < 1000 || done <= 0)
        return text;
    const double mean = done * 1000.0 / double(rate.elapsedMs);
    const double perSecond = rate.ended || rate.bytesPerSecond <= 0 ? mean : rate.bytesPerSecond;
    const int unit = unitFor(perSecond);
    text += QCoreApplication::translate("devlink::rate", " \u00B7 %1 %2/s")
                .arg(number(perSecond, unit), unitName(unit));
    // (A line that moves less than a byte a second has stalled: no time can be promised.)
    if (total > 0 && !rate.ended && rate.elapsedMs >= kTimeLeftAfterMs && perSecond >= 1)
        text += QCoreApplication::translate("devlink::rate", " \u00B7 %1 left")
                    .arg(duration(qint64(std::ceil(qMax(0.0, total - done) / perSecond))));
    return text;
}

} // namespace devlink
