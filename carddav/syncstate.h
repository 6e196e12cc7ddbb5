#pragma once
// What a CardDAV sync keeps between runs, one file per account in the state folder: the
// address book's collection, the sync token, and every card of the server as it stood
// after the last sync (its href, ETag and bytes). The cards that took part in the merge
// are the base of the next one; their UIDs are the contacts' identity.

#include <QByteArray>
#include <QString>

#include <map>

namespace carddav {

struct StoredCard
{
    QByteArray etag;
    QByteArray bytes;
    bool base = false; // in the merged book after the last sync
};

struct SyncState
{
    QString account;    // the URL and user the sync was asked for
    QString collection; // the address book found for them
    QString syncToken;
    std::map<QString, StoredCard> cards; // by href (the path, percent-encoded)
};

// The state file of an account in folder.
QString stateFilePath(const QString& folder, const QString& url, const QString& user);

// A missing file is an empty state; false with a reason for a file that cannot be read.
bool readSyncState(const QString& path, SyncState* state, QString* error);
// Replaces the file whole or not at all (the folder is made when missing).
bool writeSyncState(const QString& path, const SyncState& state, QString* error);

} // namespace carddav
