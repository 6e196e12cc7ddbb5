#include "frame/aboutdlg.h"
#include "frame/rateline.h"
#include "frame/settingsdlg.h"
#include "tests/support/scripteddialogs.h"

#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "platform/paths.h"
#include "tests/platform/widgettest.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using platform::MessageAnswer;

namespace {

template <typename T> T* child(QWidget* in, const char* name)
{
    T* found = in->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

} // namespace

class TestFrameDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    qint32 m_nPort = 1;
    std::unique_ptr<CSettingsDlg> m_dlg;

    // The dialog as the frame runs it: port and folder handed in, then opened.
    CSettingsDlg* open(qint32 port, const QString& path)
    {
        m_nPort = port;
        m_dlg = std::make_unique<CSettingsDlg>(m_nPort);
        m_dlg->setPath(path);
        m_dlg->show();
        return m_dlg.get();
    }
    QComboBox* port() { return child<QComboBox>(m_dlg.get(), "port"); }
    QLineEdit* field() { return child<QLineEdit>(m_dlg.get(), "path"); }
    void set() { child<QPushButton>(m_dlg.get(), "set")->click(); }

private Q_SLOTS:
    void cleanup() { m_dlg.reset(); }

    void about()
    {
        CAboutDlg about;
        QVERIFY(!child<QLabel>(&about, "icon")->pixmap().isNull());
        child<QPushButton>(&about, "ok")->click();
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void portAndPathOnSetAndCancel()
    {
        platform::ScriptedMessageBoxes boxes;
        open(3, m_dir.path());
        QCOMPARE(port()->currentText(), QStringLiteral("COM3"));
        QCOMPARE(field()->text(), m_dir.path());
        port()->setCurrentIndex(4);
        set();
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
        QCOMPARE(m_nPort, 5);
        QCOMPARE(m_dlg->path(), m_dir.path());

        // Cancel keeps both, whatever was changed in the dialog.
        open(2, m_dir.path());
        port()->setCurrentIndex(7);
        field()->setText(QStringLiteral("/elsewhere"));
        child<QPushButton>(m_dlg.get(), "cancel")->click();
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
        QCOMPARE(m_nPort, 2);
        QCOMPARE(m_dlg->path(), m_dir.path());

        // A stored port that is not COM1..COM8 shows no selection, and OK keeps it.
        for (const qint32 stored : {0, 9, -1}) {
            open(stored, m_dir.path());
            QCOMPARE(port()->currentIndex(), -1);
            set();
            QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
            QCOMPARE(m_nPort, stored);
        }
        QCOMPARE(boxes.requests.size(), 0);
    }

    void browseFillsTheFieldOrKeepsIt()
    {
        QCOMPARE(CSettingsDlg::TrimRootSeparator(QStringLiteral("D:\\")), QStringLiteral("D:"));
        QCOMPARE(CSettingsDlg::TrimRootSeparator(QStringLiteral("D:/")), QStringLiteral("D:"));
        QCOMPARE(CSettingsDlg::TrimRootSeparator(QStringLiteral("/")), QStringLiteral("/"));

        platform::ScriptedFileDialogs dialogs;
        const QString chosen = m_dir.filePath(QStringLiteral("pager"));
        dialogs.answers = {chosen, QString()};
        open(1, m_dir.path());
        child<QToolButton>(m_dlg.get(), "browse")->click();
        QCOMPARE(
            dialogs.folderRequests.value(0),
            (platform::FolderDialogRequest{QStringLiteral(" Choose PathFolder."), m_dir.path()}));
        QCOMPARE(field()->text(), chosen);
        QCOMPARE(m_dlg->path(), chosen);

        field()->setText(QStringLiteral("/typed"));
        child<QToolButton>(m_dlg.get(), "browse")->click(); // cancelled
        QCOMPARE(field()->text(), QStringLiteral("/typed"));
        QCOMPARE(m_dlg->path(), QStringLiteral("/typed"));
        QCOMPARE(dialogs.unexpected, 0);
    }

    void folderMustExistAndBeWritable()
    {
        platform::ScriptedMessageBoxes boxes;
        const QString missing = m_dir.filePath(QStringLiteral("new/db"));
        boxes.answers = {MessageAnswer::No, MessageAnswer::Yes};
        open(1, missing);
        set(); // "No": nothing is created and the dialog stays
        QVERIFY(m_dlg->isVisible() && !QFileInfo::exists(missing));
        QCOMPARE(boxes.requests.value(0).text,
                 QStringLiteral("The folder\n%1\ndoes not exist.\nCreate it?").arg(missing));
        set(); // "Yes"
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
        QVERIFY(QFileInfo(missing).isDir());
        QCOMPARE(m_dlg->path(), missing);

        const QString file = m_dir.filePath(QStringLiteral("file"));
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        boxes.answers = {MessageAnswer::Yes};
        const QList<QPair<QString, QString>> refused = {
            {QStringLiteral("  "),
             QStringLiteral("Input the Path of the folder for the local folders.")},
            {file, file + QStringLiteral("\nis not a folder.")},
            {file + QStringLiteral("/sub"),
             QStringLiteral("The folder\n%1/sub\ncould not be created.").arg(file)},
            {QStringLiteral("/proc"),
             QStringLiteral("The folder\n/proc\ncannot be written.\nChoose another folder.")}};
        for (const auto& [typed, text] : refused) {
            open(4, m_dir.path());
            field()->setText(typed);
            port()->setCurrentIndex(0);
            set();
            QVERIFY2(m_dlg->isVisible() && m_dlg->result() != QDialog::Accepted, qPrintable(typed));
            QCOMPARE(m_nPort, 4);
            QCOMPARE(boxes.requests.last().text, text);
            QCOMPARE(boxes.requests.last().icon, platform::MessageIcon::Stop);
        }
        QCOMPARE(boxes.unexpected, 0);

        // A relative folder is kept as the absolute one it means today.
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        open(1, QStringLiteral("new/../new"));
        set();
        QDir::setCurrent(before);
        QCOMPARE(m_dlg->path(), m_dir.filePath(QStringLiteral("new")));
    }

    void foundPortBecomesItsCom()
    {
        // The stored mappings live in the settings: a temporary folder's.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        open(2, m_dir.path());
        QVERIFY(m_dlg->ChooseFoundPort({QStringLiteral("COM5"), QStringLiteral("/dev/ttyS4"), {}}));
        set();
        QCOMPARE(m_nPort, 5);
        QCOMPARE(platform::storedSerialPortDevice(5), QString());

        // A USB adapter is kept with what identifies it, to be followed after a replug.
        open(2, m_dir.path());
        QVERIFY(m_dlg->ChooseFoundPort({QStringLiteral("COM3"), QStringLiteral("/dev/ttyUSB1"),
                                        QStringLiteral("usb:0403:6001:A1")}));
        set();
        QCOMPARE(platform::storedSerialPortDevice(3), QStringLiteral("/dev/ttyUSB1"));
        QCOMPARE(platform::storedSerialPortIdentity(3), QStringLiteral("usb:0403:6001:A1"));

        // A device of no COMn: COM2 (selected) is set by the environment, so COM1 gets it.
        qputenv("QUILLBOX_COM2", "/dev/from-environment");
        open(2, m_dir.path());
        QVERIFY(m_dlg->ChooseFoundPort({QString(), QStringLiteral("/dev/ttyUSB7"), {}}));
        QCOMPARE(platform::storedSerialPortDevice(1), QString()); // not before Set
        set();
        QCOMPARE(m_nPort, 1);
        QCOMPARE(platform::serialPortDevice(1), QStringLiteral("/dev/ttyUSB7"));
        qputenv("QUILLBOX_COM1", "/dev/above-it"); // the environment still comes first
        QCOMPARE(platform::serialPortDevice(1), QStringLiteral("/dev/above-it"));
        qunsetenv("QUILLBOX_COM1");
        qunsetenv("QUILLBOX_COM2");
        platform::storeSerialPortDevice(1, QString());
        QCOMPARE(platform::serialPortDevice(1), QStringLiteral("/dev/ttyS0"));
    }

    void rateLine()
    {
        QStatusBar bar;
        CRateLine line(&bar);
        QCOMPARE(bar.currentMessage(), QStringLiteral("Ready"));
        // 12,698 of 72,090 bytes in 3.351 s: 3,789 bytes a second, 15.7 s to go.
        line.update({12'698, 72'090, 10, 40, 3'351, false});
        const QString running = QStringLiteral("12.4 of 70.4 KB \u00B7 3.7 KB/s \u00B7 16 s left");
        QCOMPARE(bar.currentMessage(), running);
        bar.showMessage(QStringLiteral("Downloads the pager's messages")); // a command's prompt
        bar.clearMessage();
        QCOMPARE(bar.currentMessage(), running);
        line.update({72'090, 72'090, 40, 40, 19'000, true});
        QCOMPARE(bar.currentMessage(), QStringLiteral("Ready"));
    }
};

QUILLBOX_WIDGET_TEST_MAIN(TestFrameDialogs)
#include "tst_framedialogs.moc"
