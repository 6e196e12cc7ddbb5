#pragma once
// The About dialog: the program's icon and version.

#include <QDialog>

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    static QString versionText() { return QStringLiteral("1.3"); }
};
