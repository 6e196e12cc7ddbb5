// Search and export figures on a large store:
//   bench_archive [records=1000000] [exported messages=100000] [folder for the file=temporary]
// The store holds messages of about 200 bytes of words (mixed case, some Latin-1) with their
// companions, in 300 folders. One word is planted in 300 messages, another in none.
// "keystroke to results" is the search of the typed text plus the folder path of every
// result, as the result list shows them. Each figure is the median of 9 runs.

#include "messages/core/archive.h"
#include "messages/core/mailexport.h"
#include "messages/core/messagestore.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>

#include <time.h>

namespace {

constexpr int kFolders = 300;
constexpr int kPlanted = 300;

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Wall and CPU time of a step: the machine may be shared, and the CPU time tells what the
// step costs when it has a core to itself.
struct Times
{
    double wallMs, cpuMs;
};

Times median(const std::function<void()>& step, int runs = 9)
{
    std::vector<double> walls, cpus;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        const double c = cpuMs();
        t.start();
        step();
        walls.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        cpus.push_back(cpuMs() - c);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

MessageStore makeStore(size_t records)
{
    static const char* const kWords[] = {
        "meeting",        "Call",    "me",        "back",   "TODAY",   "at",    "the",
        "office",
        "Gr\xFC\xDF\x65", // "e" written as an escape: it would extend \xDF
        "caf\xE9",        "Lunch",   "tomorrow",  "please", "confirm", "order", "shipped",
        "delayed",        "Bonjour", "\xC9T\xC9", "price",  "quote",   "ref",   "#4411",
        "urgent",         "ok",      "thanks",    "see",    "you",     "soon",  "Paris",
        "Berlin"};
    std::mt19937 rng(42);
    MessageStore store;
    store.AddPagerFolders();
    std::vector<const MessageRecord*> folders;
    std::vector<qint32> ids;
    for (int i = 0; i < kFolders; ++i) {
        const qint32 parent = i < 20 ? PARENT_LOCAL : ids[static_cast<size_t>(i % 20)];
        folders.push_back(
            &store.InsertFolder("Folder " + std::to_string(i), "LocalFolder", parent));
        ids.push_back(folders.back()->nFolderId);
    }
    const size_t messages = (records - kFolders - PAGER_FOLDER_COUNT) / 2;
    const size_t plantEvery = messages / kPlanted;
    std::uniform_int_distribution<size_t> word(0, std::size(kWords) - 1);
    qint32 id = 2;
    for (size_t i = 0; i < messages; ++i) {
        const MessageRecord& f = *folders[i % folders.size()];
        MessageRecord m;
        m.nKind = KIND_MESSAGE;
        m.strName = f.strName;
        m.strParentName = f.strParentName;
        m.nFolderId = f.nFolderId;
        m.nParentId = f.nParentId;
        m.nMessageId = id++;
        m.strAddress = std::to_string(5550000 + i % 10000);
        m.strHeader = "From " + m.strAddress;
        std::string text;
        while (text.size() < 200) {
            text += kWords[word(rng)];
            text += (text.size() % 7 == 0) ? "\r\n" : " ";
        }
        if (i % plantEvery == 0 && i / plantEvery < kPlanted)
            text += " Zanzibar";
        m.strText = text;
        m.strTitle = MessageTitle(m.strText);
        m.strDate = MessageDate(2020 + int(i % 5), 1 + int(i % 12), 1 + int(i % 28), 9, 30);
        m.strOrigin = std::string(1, '1'); // (a literal here trips a false -Wrestrict of GCC 12)
        MessageRecord c = m;
        c.nKind = KIND_COMPANION;
        c.strAddress.clear();
        store.records().push_back(std::move(m));
        store.records().push_back(std::move(c));
    }
    return store;
}

} // namespace

int main(int argc, char** argv)
{
    const size_t records = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const size_t exported = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 100000;
    QTemporaryDir temp;
    const QString folder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : temp.path();

    MessageStore store = makeStore(records);
    std::printf("store: %zu records\n", store.records().size());

    // --- search ---------------------------------------------------------------------------
    archive::MessageSearch index;
    std::unique_ptr<archive::FolderPaths> folderPaths;
    const Times build = median(
        [&] {
            index.build(store.records());
            folderPaths = std::make_unique<archive::FolderPaths>(store.records());
        },
        3);
    std::printf("search index and folder paths built once: %.1f ms wall, %.1f ms CPU, for %zu "
                "messages\n",
                build.wallMs, build.cpuMs, index.messageCount());
    for (const char* typed : {"zanzibar", "ZANZIBAR paris", "quixotic", "caf\xC9 urgent ok"}) {
        size_t found = 0;
        const Times t = median([&] {
            const archive::FolderPaths& paths = *folderPaths;
            const std::vector<MessageRecord*> hits = index.find(archive::searchWords(typed));
            size_t pathBytes = 0;
            for (const MessageRecord* m : hits)
                pathBytes += paths.pathOf(*m).size();
            found = hits.size();
            if (pathBytes == size_t(-1))
                std::abort(); // keeps the path lookups from being optimised away
        });
        std::printf("keystroke to results \"%s\": %.1f ms wall, %.1f ms CPU, %zu messages\n",
                    QString::fromLatin1(typed).toUtf8().constData(), t.wallMs, t.cpuMs, found);
    }
    {
        const std::vector<std::string> words = archive::searchWords("zanzibar");
        size_t found = 0;
        const Times t = median(
            [&] {
                found = 0;
                for (const MessageRecord& r : store.records())
                    found += archive::matches(r, words) ? 1u : 0u;
            },
            3);
        std::printf("for comparison, the rule record by record (no index) \"zanzibar\": %.1f ms "
                    "wall, %.1f ms CPU, %zu messages\n",
                    t.wallMs, t.cpuMs, found);
    }
    index.clear();

    // --- export -------------------------------------------------------------------------------
    std::vector<const MessageRecord*> chosen;
    for (const MessageRecord& r : store.records()) {
        if (r.nKind == KIND_MESSAGE && chosen.size() < exported)
            chosen.push_back(&r);
    }
    const archive::FolderPaths paths(store.records());
    {
        std::string out;
        const Times t = median(
            [&] {
                out.clear();
                for (const MessageRecord* m : chosen)
                    mailexport::appendMbox(out, *m, paths.pathOf(*m));
            },
            5);
        const double mb = static_cast<double>(out.size()) / 1e6;
        std::printf("mbox encoding alone, to memory: %.1f MB in %.1f ms wall (%.0f MB/s), %.1f ms "
                    "CPU (%.0f MB/s)\n",
                    mb, t.wallMs, mb / t.wallMs * 1e3, t.cpuMs, mb / t.cpuMs * 1e3);
    }
    for (const auto format : {mailexport::Format::Mbox, mailexport::Format::Csv}) {
        const QString path =
            folder + (format == mailexport::Format::Mbox ? QStringLiteral("/export.mbox")
                                                         : QStringLiteral("/export.csv"));
        QString error;
        const Times t = median(
            [&] {
                if (!mailexport::writeFile(path, format, chosen, paths,
                                           mailexport::CsvFormulas::Guard, &error)) {
                    std::fprintf(stderr, "%s\n", qPrintable(error));
                    std::exit(1);
                }
            },
            5);
        const double mb = static_cast<double>(QFileInfo(path).size()) / 1e6;
        std::printf("export of %zu messages to %s: %.1f MB in %.1f ms wall (%.0f MB/s), %.1f ms "
                    "CPU (%.0f MB/s)\n",
                    chosen.size(), format == mailexport::Format::Mbox ? "mbox" : "csv", mb,
                    t.wallMs, mb / t.wallMs * 1e3, t.cpuMs, mb / t.cpuMs * 1e3);
    }
    return 0;
}
