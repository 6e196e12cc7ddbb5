// What the user waits for in the Contacts window itself: Import of a file of 250 contacts
// into an empty address book (every contact added to the mirror and given its sorted list
// row, up to the box that says the memory is full) and Export of that full address book.
// The file dialog and the message boxes are answered by the scripted services; the rows are
// painted on the off-screen platform before the clock stops.
//
//   bench_contactswindow [RUNS]      (default 5; the best run is printed)

#include "bench/contacts/fullbook.h"
#include "contacts/core/addressbook.h"
#include "contacts/core/contactstext.h"
#include "contacts/widgets/contactsdlg.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "tests/support/scripteddialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "bench_contactswindow: %s\n", what);
    std::exit(1);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read a file back");
    return file.readAll();
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir dir;
    if (!dir.isValid())
        fail("no temporary folder");
    const QString source = dir.filePath(QStringLiteral("full.txt"));
    const QString target = dir.filePath(QStringLiteral("export.txt"));
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly) || !contactstext::write(file, fullBook()))
            fail("cannot write the contacts file");
    }

    platform::ScriptedMessageBoxes boxes;
    platform::ScriptedFileDialogs files;
    AddressBook book;
    QString addressPath = dir.path();
    CContactsDlg window;
    window.SetAddressPath(&addressPath);
    window.SetBook(&book);
    window.resize(1000, 600);
    window.show();
    QApplication::processEvents();

    const QString full = QString::fromLatin1(kExceededContactsLimits);
    const QString exported = QStringLiteral("Export Completed ! ");
    double bestImport = std::numeric_limits<double>::max();
    double bestExport = std::numeric_limits<double>::max();
    QElapsedTimer clock;
    for (int run = 0; run < runs; ++run) {
        // An empty address book with its (empty) Contacts folder listed.
        book.UpdatePagerAddress(nullptr, OP_CLEAR_ALL, -1);
        window.FillTree();
        QApplication::processEvents();

        files.answers = {source};
        boxes.requests.clear();
        clock.start();
        window.ImportContacts();
        QApplication::processEvents();
        bestImport = std::min(bestImport, double(clock.nsecsElapsed()) / 1e6);
        if (book.m_AddressList.size() != size_t(MAX_CONTACTS) ||
            window.list()->model()->rowCount() != MAX_CONTACTS ||
            boxes.texts() != QStringList{full})
            fail("the import did not fill the address book");

        // Asked for a file: the import made the imported one current, which Export would
        // otherwise overwrite.
        book.m_strAddressFile.clear();
        QFile::remove(target);
        files.answers = {target};
        boxes.requests.clear();
        clock.start();
        window.ExportContacts();
        bestExport = std::min(bestExport, double(clock.nsecsElapsed()) / 1e6);
        if (boxes.texts() != QStringList{exported} || window.IsModified())
            fail("the export did not complete");
        if (readAll(target) != readAll(source))
            fail("the exported file differs from the imported one");
    }
    if (boxes.unexpected != 0 || files.unexpected != 0)
        fail("an unexpected dialog came up");

    std::printf("import of %d contacts, rows included: %.2f ms (best of %d)\n", MAX_CONTACTS,
                bestImport, runs);
    std::printf("export of %d contacts:                %.2f ms (best of %d)\n", MAX_CONTACTS,
                bestExport, runs);
    return 0;
}
