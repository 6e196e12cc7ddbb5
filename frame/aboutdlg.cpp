#include "frame/aboutdlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Quillbox"));

    // The program's icon once the application has one; a neutral one until then.
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("icon"));
    picture->setPixmap(icon.pixmap(side, side));

    auto* label = new QLabel(tr("Quillbox &Version"), this);
    auto* version = new QLineEdit(this);
    version->setObjectName(QStringLiteral("version"));
    version->setReadOnly(true);
    version->setText(versionText());
    label->setBuddy(version);

    auto* box = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = box->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(label, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(box, 0, 2, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}
