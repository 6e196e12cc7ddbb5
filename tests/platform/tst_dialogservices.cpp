#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "tests/support/scripteddialogs.h"

#include "tests/platform/widgettest.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace platform;

namespace {

// Types a name into the dialog and presses its accept button; the dialog's result. (QFileDialog
// hides QDialog's accept(); through the base it is the dialog's own.)
int choose(QFileDialog& dialog, const QString& name)
{
    dialog.selectFile(name);
    static_cast<QDialog&>(dialog).accept();
    return dialog.result();
}

FileDialogRequest txtRequest(FileDialogMode mode, const QString& folder)
{
    FileDialogRequest request;
    request.mode = mode;
    request.filter = QStringLiteral("Quillbox File( *.txt )|*.txt||");
    request.defaultExtension = QStringLiteral("txt");
    request.initialFolder = folder;
    return request;
}

} // namespace

class TestDialogServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onScreenBoxShowsPlainTextAndReturnsTheButton()
    {
        const auto box = QtMessageBoxService::createBox(
            nullptr,
            {QStringLiteral("Max Group Count = 20EA\r\nCan't Add <b>x</b>"),
             QStringLiteral("Group Name"), MessageButtons::YesNoCancel, MessageIcon::Stop});
        QCOMPARE(box->text(), QStringLiteral("Max Group Count = 20EA\nCan't Add <b>x</b>"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

        QtMessageBoxService service;
        const MessageRequest question{QStringLiteral("Save?"), QStringLiteral("Quillbox"),
                                      MessageButtons::YesNoCancel, MessageIcon::None};
        whenModal<QMessageBox>([](QMessageBox* shown) { shown->button(QMessageBox::No)->click(); });
        QCOMPARE(service.show(nullptr, question), MessageAnswer::No);
        whenModal<QMessageBox>([](QMessageBox* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
        QCOMPARE(service.show(nullptr, question), MessageAnswer::Cancel);
    }

    void filtersAndDefaultExtensions()
    {
        // The pairs "description|patterns" up to "||"; ';' separates patterns.
        const std::pair<const char*, QStringList> filters[] = {
            {"Quillbox File( *.txt )|*.txt||", {QStringLiteral("Quillbox File( *.txt ) (*.txt)")}},
            {"Text|*.txt;*.TXT|All|*.*||",
             {QStringLiteral("Text (*.txt *.TXT)"), QStringLiteral("All (*.*)")}},
            {"Help File( *.chm )|*.chm", {QStringLiteral("Help File( *.chm ) (*.chm)")}},
            {"Anything", {QStringLiteral("Anything (*)")}},
            {"", {}}};
        for (const auto& [filter, names] : filters)
            QCOMPARE(toNameFilters(QLatin1String(filter)), names);
        // name, extension, result
        const char* const names[][3] = {{"/d.v2/contacts", ".txt", "/d.v2/contacts.txt"},
                                        {"/d/contacts.csv", "txt", "/d/contacts.csv"},
                                        {"/d/", "txt", "/d/"}};
        for (const auto& [name, extension, result] : names)
            QCOMPARE(withDefaultExtension(QLatin1String(name), QLatin1String(extension)),
                     QLatin1String(result));
    }

    void saveAsAsksBeforeReplacingAndOpenSaysNotFound()
    {
        QTemporaryDir dir;
        const QString existing = dir.filePath(QStringLiteral("contacts.txt"));
        QVERIFY(QFile(existing).open(QIODevice::WriteOnly));
        ScriptedMessageBoxes boxes;
        boxes.answers = {MessageAnswer::No, MessageAnswer::Yes};

        auto dialog = QtFileDialogService::createFileDialog(
            nullptr, txtRequest(FileDialogMode::Save, dir.path()));
        // The extension is added before the check; "No": the dialog stays.
        QCOMPARE(choose(*dialog, QStringLiteral("contacts")), int(QDialog::Rejected));
        QCOMPARE(
            boxes.texts(),
            QStringList{existing + QStringLiteral(" already exists.\nDo you want to replace it?")});
        QCOMPARE(choose(*dialog, QStringLiteral("contacts")), int(QDialog::Accepted));
        QCOMPARE(dialog->selectedFiles(), QStringList{existing});

        boxes.requests.clear();
        dialog = QtFileDialogService::createFileDialog(
            nullptr, txtRequest(FileDialogMode::Open, dir.path()));
        QCOMPARE(choose(*dialog, QStringLiteral("nothing.txt")), int(QDialog::Rejected));
        QCOMPARE(boxes.texts(), QStringList{dir.filePath(QStringLiteral("nothing.txt")) +
                                            QStringLiteral("\nFile not found.\nCheck the file "
                                                           "name and try again.")});
        choose(*dialog, QStringLiteral("contacts"));
        QCOMPARE(dialog->selectedFiles(), QStringList{existing});

        // An Open dialog that need not find its file takes the typed name as it is.
        boxes.requests.clear();
        FileDialogRequest anyName = txtRequest(FileDialogMode::Open, dir.path());
        anyName.mustExist = false;
        dialog = QtFileDialogService::createFileDialog(nullptr, anyName);
        QCOMPARE(choose(*dialog, QStringLiteral("nothing.txt")), int(QDialog::Accepted));
        QVERIFY(boxes.requests.isEmpty());

        // A check box of the dialog starts as asked and reports what the user left there.
        bool checked = true;
        FileDialogRequest option = txtRequest(FileDialogMode::Save, dir.path());
        option.checkBox = QStringLiteral("Option");
        option.checked = &checked;
        QTimer::singleShot(0, [] {
            auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* box = shown ? shown->findChild<QCheckBox*>() : nullptr;
            if (box && box->isChecked() && box->text() == QStringLiteral("Option"))
                box->setChecked(false);
            choose(*shown, QStringLiteral("new"));
        });
        QCOMPARE(QtFileDialogService().getFile(nullptr, option),
                 dir.filePath(QStringLiteral("new.txt")));
        QVERIFY(!checked);
    }

    void scriptedDialogsRecordRequestsAndFinishNames()
    {
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath(QStringLiteral("in.txt"))).open(QIODevice::WriteOnly));
        ScriptedFileDialogs dialogs;
        dialogs.answers = {dir.filePath(QStringLiteral("out")), dir.filePath(QStringLiteral("in"))};
        const FileDialogRequest request = txtRequest(FileDialogMode::Open, dir.path());
        QCOMPARE(saveFile(nullptr, request), dir.filePath(QStringLiteral("out.txt")));
        QCOMPARE(openFile(nullptr, request), dir.filePath(QStringLiteral("in.txt")));
        QCOMPARE(openFile(nullptr, request), QString());
        QCOMPARE(dialogs.unexpected, 1);
    }
};

QUILLBOX_WIDGET_TEST_MAIN(TestDialogServices)
#include "tst_dialogservices.moc"
