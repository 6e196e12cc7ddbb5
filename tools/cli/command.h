#pragma once
// The small frame every subcommand of quillbox-cli shares: parsing with --help, and the
// exit statuses that scripts rely on.

#include <QCommandLineParser>
#include <QStringList>

#include <initializer_list>
#include <string>

namespace cli {

enum ExitStatus : int
{
    EXIT_OK = 0,
    EXIT_USAGE = 1,   // the command line is wrong
    EXIT_INPUT = 2,   // a file cannot be read or written, or is damaged
    EXIT_REFUSED = 3, // the operation was refused (a group block that does not fit)
};

// Writes to the standard output. The first failure is kept, and finishOutput reports it.
void printOut(const std::string& text);
// status, unless writing the standard output failed (then or now): the system's reason is
// told and the status is EXIT_INPUT, for a cut-off output must never pass for a whole one.
int finishOutput(int status);
void printError(const std::string& text);
void printError(const QString& text);

// Parses args (program and command words first) for one subcommand; usage is the
// subcommand's synopsis, shown by --help. Returns -1 when the
// command should go on; otherwise the exit status (help shown, or a usage error told).
int parseCommand(QCommandLineParser& parser, const QStringList& args, const QString& usage,
                 int minPositional, int maxPositional);

// A whole number option, or a usage error.
bool intOption(const QCommandLineParser& parser, const QString& name, qint32 fallback,
               qint32* value);

// One subcommand word and the function that runs it with its own arguments.
struct Subcommand
{
    const char* name;
    int (*run)(const QStringList& args);
};
// Runs the subcommand named by args[2] with "quillbox-cli COMMAND SUB" and the rest of the
// arguments, or tells what is wrong.
int dispatch(const QStringList& args, const char* command, std::initializer_list<Subcommand> subs);

int runFolderDb(const QStringList& args);
int runGroupBlock(const QStringList& args);
int runContacts(const QStringList& args);
int runPager(const QStringList& args);
int runCardDav(const QStringList& args);

} // namespace cli
