#pragma once
// The status bar's one pane: "Ready" when idle; while a transfer runs, its bytes, rate and
// time left; the prompt of the command under the pointer for as long as it points there.

#include "devlink/transferrate.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

class QStatusBar;

class CRateLine : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(CRateLine)

public:
    // Takes over the bar's idle text; a child of the bar.
    explicit CRateLine(QStatusBar* bar);

    // A report of the running transfer; the ended one brings "Ready" back.
    void update(const devlink::TransferRate& rate);
    // What the pane shows when no prompt is up.
    QString idleText() const;

private:
    QStatusBar* m_bar;
    QString m_transfer; // empty when no transfer runs
};
