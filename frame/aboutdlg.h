#pragma once
// The About dialog: the program's icon and version.

#include <QDialog>

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The version of the build, set once in the top CMakeLists.txt.
    static QString versionText() { return QStringLiteral(QUILLBOX_VERSION); }
};
