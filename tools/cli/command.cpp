#include "tools/cli/command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace cli {

namespace {

// The first failure to write the standard output (an errno value), 0 while none.
int g_outputError = 0;

} // namespace

void printOut(const std::string& text)
{
    if (g_outputError != 0)
        return;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        g_outputError = errno != 0 ? errno : EIO;
}

int finishOutput(int status)
{
    errno = 0;
    if (g_outputError == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout)))
        g_outputError = errno != 0 ? errno : EIO;
    if (g_outputError == 0)
        return status;
    printError("the output could not be written: " + std::string(std::strerror(g_outputError)));
    return EXIT_INPUT;
}

void printError(const std::string& text)
{
    std::cerr << "quillbox-cli: " << text << '\n';
}

void printError(const QString& text)
{
    printError(text.toStdString());
}

int parseCommand(QCommandLineParser& parser, const QStringList& args, const QString& usage,
                 int minPositional, int maxPositional)
{
    const QCommandLineOption help = parser.addHelpOption();
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    if (!parser.parse(args)) {
        printError(parser.errorText());
        printError(QStringLiteral("try '%1 --help'").arg(args.mid(0, 3).join(QLatin1Char(' '))));
        return EXIT_USAGE;
    }
    if (parser.isSet(help)) {
        // Qt's usage line names the program only; ours names the subcommand too.
        QString text = parser.helpText();
        text = QStringLiteral("Usage: ") + usage + text.mid(text.indexOf(QLatin1Char('\n')));
        printOut(text.toStdString());
        return EXIT_OK;
    }
    const auto count = parser.positionalArguments().size();
    if (count < minPositional || (maxPositional >= 0 && count > maxPositional)) {
        printError(QStringLiteral("wrong number of arguments; try '%1 --help'")
                       .arg(args.mid(0, 3).join(QLatin1Char(' '))));
        return EXIT_USAGE;
    }
    return -1;
}

bool intOption(const QCommandLineParser& parser, const QString& name, qint32 fallback,
               qint32* value)
{
    *value = fallback;
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int number = parser.value(name).toInt(&ok);
    if (!ok) {
        printError(
            QStringLiteral("--%1 takes a whole number, not '%2'").arg(name, parser.value(name)));
        return false;
    }
    *value = number;
    return true;
}

int dispatch(const QStringList& args, const char* command, std::initializer_list<Subcommand> subs)
{
    const QString sub = args.value(2);
    QStringList names;
    for (const Subcommand& s : subs) {
        names << QLatin1String(s.name);
        if (sub == QLatin1String(s.name)) {
            const QString words =
                QStringLiteral("quillbox-cli %1 %2").arg(QLatin1String(command), sub);
            return s.run(QStringList{words} + args.mid(3));
        }
    }
    const QString list = names.join(QLatin1Char('|'));
    if (sub == QStringLiteral("--help") || sub == QStringLiteral("-h")) {
        printOut(QStringLiteral("Usage: quillbox-cli %1 %2 ...; add --help to a subcommand for its "
                                "arguments.\n")
                     .arg(QLatin1String(command), list)
                     .toStdString());
        return EXIT_OK;
    }
    printError(
        QStringLiteral("%1: unknown subcommand '%2' (%3)").arg(QLatin1String(command), sub, list));
    return EXIT_USAGE;
}

} // namespace cli
