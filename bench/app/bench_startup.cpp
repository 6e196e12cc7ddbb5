// Start-up of the program until its main window is shown, with no folder database and with
// a large one, beside the time to read that database alone:
//   bench_startup [records=1000000]
// Each figure is the best of three runs, each run in a child process of its own with a
// fresh heap and its own temporary home, as a program starting up has. The window is drawn
// off screen unless QT_QPA_PLATFORM says otherwise.

#include "app/quillboxapp.h"
#include "frame/mainframe.h"
#include "messages/core/folderdb.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

constexpr int kRuns = 3;
constexpr int kFolders = 100;

void useHome(const QString& home)
{
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qunsetenv(name);
    qputenv("HOME", QFile::encodeName(home));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString databaseIn(const QString& home)
{
    return home + QStringLiteral("/.local/share/Quillbox/Quillbox/LocalFolderDb.psf");
}

// Local folders, each with its share of messages and their companions, texts of the sizes
// a pager delivers.
RecordList makeRecords(long long count)
{
    RecordList records;
    const long long perFolder = std::max<long long>(0, (count - kFolders) / kFolders);
    qint32 messageId = 2;
    for (int f = 0; f < kFolders && qint64(records.size()) < count; ++f) {
        MessageRecord folder;
        folder.strName = "Folder " + std::to_string(f);
        folder.strParentName = "LocalFolder";
        folder.nFolderId = FIRST_LOCAL_FOLDER_ID + f;
        folder.nParentId = PARENT_LOCAL;
        folder.nCount = qint32(perFolder / 2);
        records.push_back(folder);
        MessageRecord model;
        model.strName = folder.strName;
        model.strParentName = folder.strParentName;
        model.nKind = KIND_MESSAGE;
        model.nFolderId = folder.nFolderId;
        model.nParentId = folder.nParentId;
        model.strHeader = std::string("From: Dana Whitfield");
        model.strDate = std::string("2026-01-03 16:09");
        model.strOrigin = std::string("1");
        for (long long m = 0; m + 1 < perFolder && qint64(records.size()) + 1 < count; m += 2) {
            MessageRecord message = model;
            message.strAddress = "555" + std::to_string(1000 + m % 9000);
            message.strText =
                "Truck " + std::to_string(m) + " is back at the yard.\r\nKeys in the drop box.";
            message.strTitle = MessageTitle(message.strText);
            message.nMessageId = messageId++;
            MessageRecord companion = message;
            companion.nKind = KIND_COMPANION;
            companion.strAddress.clear();
            records.push_back(std::move(message));
            records.push_back(std::move(companion));
        }
    }
    return records;
}

// The seconds the step took in a child process of its own.
double inChild(const std::function<double()>& step)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        std::abort();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const double seconds = step();
        const ssize_t n = ::write(pipeEnds[1], &seconds, sizeof seconds);
        ::_exit(n == sizeof seconds ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    double seconds = -1;
    if (::read(pipeEnds[0], &seconds, sizeof seconds) != sizeof seconds)
        seconds = -1;
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return seconds;
}

double best(const std::function<double()>& step)
{
    double fastest = 1e30;
    for (int i = 0; i < kRuns; ++i) {
        const double seconds = inChild(step);
        if (seconds < 0) {
            std::fputs("a run failed\n", stderr);
            std::exit(1);
        }
        fastest = std::min(fastest, seconds);
    }
    return fastest;
}

// From the making of the application to a main window shown and painted once.
double startUp(const QString& home, int argc, char** argv)
{
    useHome(home);
    QElapsedTimer timer;
    timer.start();
    QApplication application(argc, argv);
    CQuillboxApp app;
    if (!app.InitInstance({QStringLiteral("quillbox")}))
        return -1;
    QApplication::processEvents();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    return app.mainFrame()->isVisible() ? seconds : -1;
}

} // namespace

int main(int argc, char** argv)
{
    const long long count = argc > 1 ? std::atoll(argv[1]) : 1000000;
    QTemporaryDir root;
    const QString empty = root.filePath(QStringLiteral("empty"));
    const QString full = root.filePath(QStringLiteral("full"));
    QDir().mkpath(empty);
    const QString database = databaseIn(full);
    QDir().mkpath(QFileInfo(database).path());
    {
        const RecordList records = makeRecords(count);
        QString error;
        if (!folderdb::writeFile(database, folderdb::DEFAULT_HEADER, records, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("database: %zu records, %.1f MB\n", records.size(),
                    double(QFileInfo(database).size()) / 1e6);
    }

    const double read = best([&database] {
        QElapsedTimer timer;
        timer.start();
        RecordList records;
        const bool ok = folderdb::readFile(database, records).ok;
        return ok ? double(timer.nsecsElapsed()) / 1e9 : -1;
    });
    const double bare = best([&] { return startUp(empty, argc, argv); });
    const double loaded = best([&] { return startUp(full, argc, argv); });

    std::printf("read the database alone:       %8.1f ms\n", read * 1e3);
    std::printf("start-up, no database:         %8.1f ms\n", bare * 1e3);
    std::printf("start-up, with the database:   %8.1f ms\n", loaded * 1e3);
    std::printf("goal (1.5 x read + no db):     %8.1f ms  -> %s (%.2f x read + no db)\n",
                (1.5 * read + bare) * 1e3, loaded <= 1.5 * read + bare ? "met" : "missed",
                (loaded - bare) / read);
    return 0;
}
