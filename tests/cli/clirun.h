#pragma once
// quillbox-cli run as a script runs it, for the tests of its commands.

#include <QProcess>
#include <QStringList>

#include <csignal>

#include <sys/resource.h>

namespace clirun {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// With output, the standard output goes to that file, on a disk that is full after
// fullAfter bytes (the file size limit of the process makes every write past it fail).
inline Run cli(const QStringList& args, const QString& output = {},
               rlim_t fullAfter = RLIM_INFINITY)
{
    QProcess process;
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    process.setChildProcessModifier([fullAfter] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = fullAfter;
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(QStringLiteral(QUILLBOX_CLI), args);
    if (!process.waitForFinished(60000))
        qFatal("quillbox-cli did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// Arguments written as blank-separated words.
inline QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace clirun
