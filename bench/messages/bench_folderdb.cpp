// Folder database and close-time figures on a large store:
//   bench_folderdb [records=1000000] [folder for the file=temporary]
// Writing and reading are compared with a plain sequential write and read of a file of the
// same size, in the same run and the same folder. Each figure is the best of three. Reads
// run in a child process each, so that every one starts on a fresh heap as a program
// starting up would (a heap warm from an earlier run would hide the cost of new pages).

#include "messages/core/folderdb.h"
#include "messages/core/messagestore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kRuns = 3;
constexpr int kFolders = 300;

// Every timed write starts with no other writes pending, so that the flushing of an
// earlier file does not land in its time.
double bestSeconds(const std::function<void()>& step)
{
    double best = 1e30;
    for (int i = 0; i < kRuns; ++i) {
        ::sync();
        QElapsedTimer t;
        t.start();
        step();
        best = std::min(best, static_cast<double>(t.nsecsElapsed()) / 1e9);
    }
    return best;
}

long rssBytes()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// Runs step in a child process and returns the numbers it reports.
template <size_t N>
std::array<double, N> inChild(const std::function<std::array<double, N>()>& step)
{
    int fds[2];
    if (pipe(fds) != 0)
        std::abort();
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        const std::array<double, N> result = step();
        if (write(fds[1], result.data(), sizeof result) != static_cast<ssize_t>(sizeof result))
            _exit(1);
        _exit(0);
    }
    std::array<double, N> result{};
    if (read(fds[0], result.data(), sizeof result) != static_cast<ssize_t>(sizeof result))
        std::abort();
    waitpid(pid, nullptr, 0);
    close(fds[0]);
    close(fds[1]);
    return result;
}

double userSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec) / 1e6;
}

double seconds(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

// A store as years of use might leave it: a few hundred folders, some nested, and
// messages with their companions, about 200 bytes of text each. Numbers have gaps, as
// deletions leave them, so that renumbering has work to do. The pager side holds a
// download, which the close leaves out of the file.
MessageStore makeStore(size_t records)
{
    MessageStore store;
    store.AddPagerFolders();
    store.counters().nextFolderId = 20;
    std::vector<qint32> folderIds;
    std::vector<const MessageRecord*> folders;
    for (int i = 0; i < kFolders; ++i) {
        const qint32 parent = i < 20 ? PARENT_LOCAL : folderIds[static_cast<size_t>(i % 20)];
        store.counters().nextFolderId += 3;
        const std::string name = "Folder " + std::to_string(i);
        folders.push_back(&store.InsertFolder(name, "LocalFolder", parent));
        folderIds.push_back(folders.back()->nFolderId);
    }
    std::vector<DeviceMessage> download(50);
    for (DeviceMessage& m : download) {
        m.nFolder = 1;
        m.strText = "pager side";
    }
    store.TakeDownloadedMessages(download, {});

    MessageRecord pattern;
    pattern.nKind = KIND_MESSAGE;
    pattern.strAddress = std::string(10, '5');
    pattern.strHeader = "From " + pattern.strAddress;
    pattern.strText = std::string(200, 't');
    pattern.strTitle = MessageTitle(pattern.strText);
    pattern.strDate = MessageDate(2024, 3, 9, 7, 5);
    pattern.strOrigin = std::to_string(1);
    qint32 id = 100;
    size_t i = 0;
    for (size_t local = kFolders; local + 2 <= records; local += 2) {
        const MessageRecord& f = *folders[i++ % folders.size()];
        MessageRecord m = pattern;
        m.strName = f.strName;
        m.strParentName = f.strParentName;
        m.nFolderId = f.nFolderId;
        m.nParentId = f.nParentId;
        m.nMessageId = id;
        id += 3;
        MessageRecord c = m;
        c.nKind = KIND_COMPANION;
        c.strAddress.clear();
        store.records().push_back(std::move(m));
        store.records().push_back(std::move(c));
    }
    store.counters().nextMessageId = id;
    return store;
}

void plainWrite(const QString& path, qint64 size, bool sync)
{
    std::vector<char> chunk(size_t(4) << 20, 'p');
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        std::abort();
    for (qint64 left = size; left > 0;) {
        const qint64 n = std::min<qint64>(left, static_cast<qint64>(chunk.size()));
        if (f.write(chunk.data(), n) != n)
            std::abort();
        left -= n;
    }
    if (sync)
        fdatasync(f.handle());
}

qint64 plainRead(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    QByteArray bytes(static_cast<qsizetype>(f.size()), Qt::Uninitialized);
    return f.read(bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    const size_t records = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    QTemporaryDir temp;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temp.path();
    const QString path = folderdb::databasePath(folder);
    const QString plainPath = folder + QStringLiteral("/plain.bin");

    // --- write and read -------------------------------------------------------------------
    {
        MessageStore store = makeStore(records);
        store.RemovePagerRecords(true);
        store.RenumberRecords();
        QString error;
        const double write = bestSeconds([&] {
            if (!folderdb::writeFile(path, 20, store.records(), &error))
                std::abort();
        });
        const qint64 size = QFile(path).size();
        const double mb = static_cast<double>(size) / 1e6;
        const double plainSynced = bestSeconds([&] { plainWrite(plainPath, size, true); });
        const double plainUnsynced = bestSeconds([&] { plainWrite(plainPath, size, false); });
        std::printf("records %zu, file %.1f MB\n", store.records().size(), mb);
        std::printf(
            "write  %7.0f MB/s   plain write + fdatasync %7.0f MB/s   (plain, no sync %.0f MB/s)\n",
            mb / write, mb / plainSynced, mb / plainUnsynced);

        double readTime = 1e30, plain = 1e30;
        std::array<double, 2> memory{};
        for (int i = 0; i < kRuns; ++i) {
            memory = inChild<2>([&] {
                const long rssBefore = rssBytes();
                QElapsedTimer t;
                t.start();
                RecordList read;
                if (!folderdb::readFile(path, read).ok)
                    std::abort();
                const double took = seconds(t);
                if (read != store.records())
                    std::abort();
                return std::array<double, 2>{took, static_cast<double>(rssBytes() - rssBefore)};
            });
            readTime = std::min(readTime, memory[0]);
            plain = std::min(plain, inChild<1>([&] {
                                 QElapsedTimer t;
                                 t.start();
                                 plainRead(path);
                                 return std::array<double, 1>{seconds(t)};
                             })[0]);
        }
        std::printf("read   %7.0f MB/s   plain read %7.0f MB/s   (records equal: yes)\n",
                    mb / readTime, mb / plain);
        const double file = static_cast<double>(size);
        std::printf("loaded: RSS +%.1f MB (%.2fx the file)\n", memory[1] / 1e6, memory[1] / file);

        // --- a drop of many messages: one or two walks of the list, whatever their number --
        for (const int k : {1, 1000}) {
            std::vector<qint32> ids(static_cast<size_t>(k));
            for (int i = 0; i < k; ++i)
                ids[static_cast<size_t>(i)] = 3 + k + 7 * i; // not yet deleted
            QElapsedTimer t;
            t.start();
            const int copied = store.CopyMessages(ids, FIRST_LOCAL_FOLDER_ID);
            const double copy = seconds(t);
            t.restart();
            const int moved = store.MoveMessages(ids, FIRST_LOCAL_FOLDER_ID + 1);
            const double move = seconds(t);
            t.restart();
            const size_t changed = store.DeleteMessages(ids).size();
            const double remove = seconds(t);
            if (copied != k || moved != k || changed == 0)
                std::abort();
            std::printf("%4d messages of %zu records: copy %.3f s, move %.3f s, delete %.3f s\n", k,
                        store.records().size(), copy, move, remove);
        }
    }
    QFile::remove(plainPath);

    // --- closing the store: renumbering and writing ---------------------------------------
    // Beside each, a plain write (with the same sync) of a file of the same size. The time
    // the program itself spends (user CPU) shows whether the close is linear; the wall time
    // also holds the kernel's page handling, which on a virtual machine varies a lot from
    // one run to the next once the process is large.
    for (const size_t n : {records, 2 * records}) {
        double renumber = 1e30, close = 1e30, closeUser = 1e30, plain = 1e30;
        for (int i = 0; i < kRuns + 2; ++i) {
            MessageStore store = makeStore(n);
            MessageStore copy = store;
            copy.RemovePagerRecords(true);
            QElapsedTimer t;
            t.start();
            copy.RenumberRecords();
            renumber = std::min(renumber, seconds(t));
            ::sync();
            const double user = userSeconds();
            t.restart();
            if (!store.SaveFolderDb(path, 20, nullptr))
                std::abort();
            close = std::min(close, seconds(t));
            closeUser = std::min(closeUser, userSeconds() - user);
            // The file holds the local side as renumbering gives it; memory is as it was.
            RecordList written;
            if (!folderdb::readFile(path, written).ok || written != copy.records())
                std::abort();
            const qint64 size = QFile(path).size();
            ::sync();
            t.restart();
            plainWrite(plainPath, size, true);
            plain = std::min(plain, seconds(t));
        }
        std::printf("close %zu records: %.3f s, user CPU %.3f s (renumbering %.3f s); plain "
                    "write of the same size + fdatasync %.3f s\n",
                    n, close, closeUser, renumber, plain);
    }
    QFile::remove(plainPath);
    QFile::remove(path);
    return 0;
}
