// The rate line's words and numbers: units, the estimated total of a download, the time
// left.

#include "devlink/transferrate.h"

#include <QTest>

using devlink::TransferRate;

class TestTransferRate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text();
};

void TestTransferRate::text()
{
    const struct
    {
        TransferRate rate;
        const char* text;
    } rows[] = {
        {{0, 0, 0, 0, 0, false}, "0 B"},
        {{900, 0, 0, 0, 500, false}, "900 B"}, // no rate before a second
        {{2048, 4096, 0, 0, 2000, false}, "2.0 of 4.0 KB \u00B7 1.0 KB/s \u00B7 2 s left"},
        // A download: the total follows from the items, until all are done.
        {{3072, 0, 3, 12, 1000, false}, "3.0 of ~12.0 KB \u00B7 3.0 KB/s \u00B7 3 s left"},
        {{3072, 0, 12, 12, 1000, true}, "3.0 of 3.0 KB \u00B7 3.0 KB/s"},
        {{3 << 20, 6 << 20, 0, 0, 60'000, false},
         "3.0 of 6.0 MB \u00B7 51.2 KB/s \u00B7 1 min 0 s left"},
        {{1000, 4'000'000, 0, 0, 1000, false},
         "0.0 of 3.8 MB \u00B7 1000 B/s \u00B7 1 h 6 min left"},
    };
    for (const auto& row : rows)
        QCOMPARE(devlink::rateLineText(row.rate), QString::fromUtf8(row.text));
}

QTEST_GUILESS_MAIN(TestTransferRate)
#include "tst_transferrate.moc"
