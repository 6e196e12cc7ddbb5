// quillbox-cli carddav: the address book kept in step with a CardDAV address book.

#include "carddav/carddavsync.h"
#include "carddav/syncstate.h"
#include "platform/atomicfile.h"
#include "platform/inputfile.h"
#include "platform/paths.h"
#include "tools/cli/bookjson.h"
#include "tools/cli/command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iostream>

namespace cli {
namespace {

using recordjson::Json;

// The first line of the password file, or of the standard input; false with a reason.
bool readPassword(const QCommandLineParser& parser, QString* password)
{
    if (!parser.isSet(QStringLiteral("password-file"))) {
        std::string line;
        std::getline(std::cin, line);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        *password = QString::fromStdString(line);
        return true;
    }
    const QString path = parser.value(QStringLiteral("password-file"));
    QFile file(path);
    if (const QString why = platform::checkInputFile(path); !why.isEmpty()) {
        printError(QStringLiteral("%1: Couldn't open source file: %2").arg(path, why));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("%1: Couldn't open source file: %2").arg(path, file.errorString()));
        return false;
    }
    QByteArray line = file.readLine(4096);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    *password = QString::fromUtf8(line);
    return true;
}

int exitStatus(carddav::Failure failure)
{
    switch (failure) {
    case carddav::Failure::None:
        return EXIT_OK;
    case carddav::Failure::Network:
    case carddav::Failure::Refused:
        return EXIT_INPUT; // a transfer failed, as the pager's
    case carddav::Failure::Login:
    case carddav::Failure::NotAddressBook:
    case carddav::Failure::MassDeletion:
    case carddav::Failure::Cancelled:
        break;
    }
    return EXIT_REFUSED;
}

int sync(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("URL"),
        QStringLiteral("The server: a host name, the server's URL or the address book's."));
    parser.addOption({QStringLiteral("user"), QStringLiteral("The account's user name."),
                      QStringLiteral("U")});
    parser.addOption({QStringLiteral("password-file"),
                      QStringLiteral("A file whose first line is the password (default: the "
                                     "first line of the standard input)."),
                      QStringLiteral("F")});
    parser.addOption({QStringLiteral("book"),
                      QStringLiteral("The address book, in the form 'contacts vcard-read' "
                                     "prints; replaced by the merged book. A missing file is "
                                     "an empty book."),
                      QStringLiteral("BOOK.json")});
    parser.addOption({QStringLiteral("state"),
                      QStringLiteral("The folder of the sync state (default: CardDAV in the "
                                     "per-user data folder)."),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("prefer"),
                      QStringLiteral("The side that conflicting fields take: local (default) "
                                     "or server."),
                      QStringLiteral("SIDE"), QStringLiteral("local")});
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QStringLiteral("Merge and report; change nothing."));
    parser.addOption(dryRun);
    const QCommandLineOption allowDeletes(
        QStringLiteral("allow-deletes"),
        QStringLiteral("Sync even when more than half of a side's contacts would go."));
    parser.addOption(allowDeletes);
    const int status = parseCommand(
        parser, args,
        QStringLiteral("quillbox-cli carddav sync URL --user U [--password-file F] --book "
                       "BOOK.json [--state DIR] [--prefer local|server] [--dry-run] "
                       "[--allow-deletes]\n"
                       "Merges BOOK.json with the CardDAV address book at URL, sends the\n"
                       "merged book to the server, replaces BOOK.json with it and prints\n"
                       "{\"merged\", \"conflicts\", \"counts\", \"unfit\", \"server\"} as JSON."),
        1, 1);
    if (status >= 0)
        return status;
    for (const char* required : {"user", "book"}) {
        if (!parser.isSet(QLatin1String(required))) {
            printError(QStringLiteral("--%1 is required").arg(QLatin1String(required)));
            return EXIT_USAGE;
        }
    }
    const QString prefer = parser.value(QStringLiteral("prefer"));
    if (prefer != QStringLiteral("local") && prefer != QStringLiteral("server")) {
        printError(QStringLiteral("--prefer takes local or server, not '%1'").arg(prefer));
        return EXIT_USAGE;
    }
    const QString url = parser.positionalArguments().at(0);
    const QString user = parser.value(QStringLiteral("user"));
    const QString bookPath = parser.value(QStringLiteral("book"));
    QString password;
    if (!readPassword(parser, &password))
        return EXIT_INPUT;

    JsonBook book;
    if (QFileInfo::exists(bookPath) && !readJsonBook(bookPath, &book))
        return EXIT_INPUT;
    if (book.contacts.size() > size_t(MAX_CONTACTS)) {
        printError(QStringLiteral("%1: more than the %2 contacts the address book holds")
                       .arg(bookPath)
                       .arg(MAX_CONTACTS));
        return EXIT_INPUT;
    }
    const QString stateFolder =
        parser.isSet(QStringLiteral("state"))
            ? parser.value(QStringLiteral("state"))
            : QDir(platform::defaultDataFolder()).filePath(QStringLiteral("CardDAV"));
    const QString statePath = carddav::stateFilePath(stateFolder, url, user);
    carddav::SyncState state;
    QString error;
    if (!carddav::readSyncState(statePath, &state, &error)) {
        printError(QStringLiteral("%1: %2").arg(statePath, error));
        return EXIT_INPUT;
    }

    carddav::DavClient client(user, password);
    carddav::Sync sync(client);
    carddav::Options options;
    options.prefer =
        prefer == QStringLiteral("local") ? contactmerge::Side::Local : contactmerge::Side::Remote;
    options.dryRun = parser.isSet(dryRun);
    options.allowDeletes = parser.isSet(allowDeletes);
    const carddav::Outcome outcome =
        sync.run(url, user, {book.contacts, book.uids, book.groups}, state, options);
    if (outcome.failure != carddav::Failure::None) {
        printError(QStringLiteral("%1: %2; nothing was changed in %3")
                       .arg(url, outcome.error, bookPath));
        for (const QString& found : outcome.addressBooks)
            printError(QStringLiteral("address book: %1").arg(found));
        return exitStatus(outcome.failure);
    }

    if (!options.dryRun) {
        // The book first: when the state cannot be kept after it, the next sync merges
        // from the older base and finds both sides alike.
        const Json merged =
            bookToJson(outcome.book.contacts, outcome.book.groups, outcome.book.uids);
        if (!platform::writeFileAtomically(bookPath, QByteArray::fromStdString(merged.dump(2) + "\n"),
                                           &error)) {
            printError(QStringLiteral("%1: %2").arg(bookPath, error));
            return EXIT_INPUT;
        }
        if (!carddav::writeSyncState(statePath, outcome.state, &error)) {
            printError(QStringLiteral("%1: %2").arg(statePath, error));
            return EXIT_INPUT;
        }
    }
    Json report = mergeReport(*outcome.merge);
    // The book as kept: the merge's, with what the server's cards read back as.
    report["merged"] = bookToJson(outcome.book.contacts, outcome.book.groups, outcome.book.uids);
    Json left = Json::array();
    for (const carddav::LeftOnServer& l : outcome.left) {
        left.push_back({{"href", l.href.toStdString()},
                        {"uid", l.uid},
                        {"name", recordjson::bytesToUtf8(l.name)},
                        {"reason", l.reason.toStdString()}});
    }
    report["server"] = {{"collection", outcome.state.collection.toStdString()},
                        {"created", outcome.created},
                        {"updated", outcome.updated},
                        {"deleted", outcome.deleted},
                        {"fetched", outcome.fetched},
                        {"retries", outcome.retries},
                        {"fullListing", outcome.fullListing},
                        {"requests", client.requests()},
                        {"dryRun", options.dryRun},
                        {"left", left}};
    printOut(report.dump(2) + "\n");
    return EXIT_OK;
}

} // namespace

int runCardDav(const QStringList& args)
{
    return dispatch(args, "carddav", {{"sync", sync}});
}

} // namespace cli
