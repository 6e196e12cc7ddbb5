#pragma once
// The address book's history: before every step that replaces or merges much of the book (a
// download, an upload, an import, a synchronisation, a restore) and at every close, the book
// is kept as a snapshot, so that any of those steps can be undone. A snapshot is a file of
// its own in the history folder, in the recovery copy's form, named by when it was taken and
// what happened; the newest ones and the recent ones are kept, older ones are let go.

#include "contacts/core/recoverycopy.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace contacthistory {

// What a snapshot was kept before (or at). Stored in its file's name.
enum class Event
{
    Download,
    Upload,
    Import,
    VCardImport,
    Synchronize,
    Restore,
    Close,
};

// The word an event is stored and shown by ("download", "vcard-import", ...).
QString eventName(Event event);

struct Snapshot
{
    QString id;     // its name without ".json": when it was taken, in UTC, to the millisecond
    QDateTime time; // UTC
    QString event;  // as eventName gives it
    int contacts = 0;
    int groups = 0;
};

// How many of the newest snapshots are always kept, and for how long any snapshot is kept.
inline constexpr int kKeepNewest = 30;
inline constexpr int kKeepDays = 30;

// The history folder's name in the per-user data folder.
inline constexpr const char* kFolderName = "ContactsHistory";

// What restoring a snapshot would do to the book as it is now, by name (a group's name
// followed by " (group)"). A contact of the snapshot is the same as one of the book when all
// its fields are equal, else changed when the two are the same person by the vCard import's
// duplicate rule; groups are the same by name.
struct Changes
{
    std::vector<std::string> added;   // in the snapshot only
    std::vector<std::string> removed; // in the book only
    std::vector<std::string> changed; // in both, with other values

    bool empty() const { return added.empty() && removed.empty() && changed.empty(); }
};
Changes compare(const recoverycopy::Contents& now, const recoverycopy::Contents& snapshot);

class History
{
public:
    explicit History(QString folder);

    QString folder() const { return m_folder; }

    // Keeps contents as a snapshot taken at now (before event), then lets go of the snapshots
    // that are neither among the newest kKeepNewest nor younger than kKeepDays. Returns the
    // new snapshot's id, or an empty string with the reason in error (the folder or the file
    // could not be written; nothing else is touched then).
    QString keep(Event event, const recoverycopy::Contents& contents, QString* error,
                 const QDateTime& now = QDateTime::currentDateTimeUtc());

    // The snapshots, newest first. A file of the folder that is not a snapshot is passed
    // over; a snapshot that cannot be read is not listed, and its name and reason go to
    // damaged when given.
    std::vector<Snapshot> list(QStringList* damaged = nullptr) const;

    // Reads the book of snapshot id back; false with a reason for an unknown id or a file
    // that cannot be read. An id is looked up among the folder's snapshots, never joined
    // into a path as given.
    bool read(const QString& id, recoverycopy::Contents* contents, QString* error) const;

    // Lets go of the snapshots that are neither among the kKeepNewest newest nor taken within
    // kKeepDays before now.
    void prune(const QDateTime& now) const;

private:
    QString m_folder;
};

} // namespace contacthistory
