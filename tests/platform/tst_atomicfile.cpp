// The atomic file writer against a disk that fills up at a chosen byte (the file size limit
// of the process makes every write past it fail, as a full disk would), and against what
// stands at its path: a link, a pipe.

#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Lowers the file size limit of this process for its lifetime.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    Q_DISABLE_COPY_MOVE(FileSizeLimit)

private:
    rlimit m_old{};
};

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failureKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("piece");    // bytes per write of the writer
        QTest::addColumn<qint64>("limit"); // the disk is full after this many bytes; -1: never
        QTest::addColumn<bool>("givesUp"); // the writer returns false at the end
        // Everything fits in the writer's buffer: only the final flush can fail.
        QTest::newRow("last flush fails") << 3000 << 7 << qint64(1000) << false;
        QTest::newRow("buffer drain fails") << 300000 << 1000 << qint64(100000) << false;
        QTest::newRow("large write fails") << 300000 << 300000 << qint64(200000) << false;
        QTest::newRow("writer gives up") << 3000 << 7 << qint64(-1) << true;
        QTest::newRow("written whole") << 300000 << 1000 << qint64(-1) << false;
    }

    void failureKeepsTheOldFile()
    {
        QFETCH(int, size);
        QFETCH(int, piece);
        QFETCH(qint64, limit);
        QFETCH(bool, givesUp);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.txt"));
        const QByteArray old(5000, 'o');
        QVERIFY(platform::writeFileAtomically(path, old, nullptr));

        QByteArray contents(size, 'n');
        for (int i = 0; i < size; i += 97)
            contents[i] = char('a' + i % 26);
        QString error;
        bool ok = false;
        {
            std::optional<FileSizeLimit> full;
            if (limit >= 0)
                full.emplace(static_cast<rlim_t>(limit));
            ok = platform::writeFileAtomically(
                path,
                [&](QIODevice& out) {
                    for (int at = 0; at < size; at += piece)
                        out.write(contents.constData() + at, qMin(piece, size - at));
                    return !givesUp;
                },
                &error);
        }
        const bool succeeds = limit < 0 && !givesUp;
        QCOMPARE(ok, succeeds);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), succeeds ? contents : old);
        if (limit >= 0)
            QCOMPARE(error, QStringLiteral("File too large"));
        else if (givesUp)
            QCOMPARE(error, QStringLiteral("the contents could not be made"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("book.txt")});
    }

    void onlyAPlainFileIsReplaced_data()
    {
        QTest::addColumn<QString>("target"); // what stands there: "file" or "pipe"
        QTest::addColumn<bool>("linked");    // written through a relative link to it
        QTest::addColumn<QString>("error");
        QTest::newRow("pipe") << "pipe" << false << "it is a pipe, not a file";
        QTest::newRow("link to a pipe") << "pipe" << true << "it is a pipe, not a file";
        QTest::newRow("link to a file") << "file" << true << "";
    }

    void onlyAPlainFileIsReplaced()
    {
        QFETCH(QString, target);
        QFETCH(bool, linked);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString targetPath = dir.filePath(QStringLiteral("target"));
        const QString path = linked ? dir.filePath(QStringLiteral("link")) : targetPath;
        if (target == QStringLiteral("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(targetPath).constData(), 0600), 0);
        else
            QVERIFY(platform::writeFileAtomically(targetPath, "old", nullptr));
        if (linked)
            QVERIFY(QFile::link(QStringLiteral("target"), path));

        QString why;
        QCOMPARE(platform::writeFileAtomically(path, "new", &why), error.isEmpty());
        QCOMPARE(why, error);
        if (linked)
            QCOMPARE(QFileInfo(path).symLinkTarget(), targetPath);
        // The pipe is still there, not made a file.
        QVERIFY(QFileInfo::exists(targetPath));
        QCOMPARE(QFileInfo(targetPath).isFile(), error.isEmpty());
        QFile file(targetPath);
        if (error.isEmpty())
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "new");
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
