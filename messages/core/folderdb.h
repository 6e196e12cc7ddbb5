#pragma once
// The folder database file: the local folders and their messages between runs.
// A sequential stream of little-endian 32-bit integers and counted strings; see
// docs/folder-database.md.

#include "messages/core/messagerecord.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace folderdb {

constexpr quint32 DEFAULT_HEADER = 20;
inline constexpr const char* BASE_NAME = "LocalFolderDb";

// "<folder>/LocalFolderDb.psf"
QString databasePath(const QString& folder);

struct ReadResult
{
    bool found = false; // a file of that name existed
    bool ok = false;    // read to its end without damage (true when there was no file)
    // The file is there but could not be read (a folder, no permission, a read error): no
    // damage is known, and the file must not be set aside or written over unasked.
    bool unreadable = false;
    quint32 header = DEFAULT_HEADER;
    qint64 errorOffset = -1; // byte offset where reading failed (-1: the file could not be opened)
    QString error;           // what went wrong, for the user
};

// Reads a database into records (emptied first). Records read before any damage are
// kept, in order. Never trusts a count or a length: each is checked against the bytes
// left, so nothing larger than the file is allocated.
ReadResult readBytes(const char* data, qint64 size, RecordList& records);
// As readBytes; when there is no file, records are left as they are (found false, ok true).
ReadResult readFile(const QString& path, RecordList& records);

// The bytes of a database holding these records, as given (no renumbering).
QByteArray toBytes(quint32 header, const RecordList& records);

// The numbers a record is written with.
struct RecordNumbers
{
    qint32 nFolderId = 0;
    qint32 nParentId = 0;
    qint32 nMessageId = 0;
};
// Which records go to the file, and with which numbers: renumber is called once for each
// record kept, in list order, with numbers set to the record's own.
struct RecordFilter
{
    std::function<bool(const MessageRecord&)> keep;
    std::function<void(const MessageRecord&, RecordNumbers& numbers)> renumber;
};

// Writes the file atomically: a temporary file in the same folder, flushed, then renamed
// over the old one. On failure the old file is whole and error says why. With a filter,
// the records it keeps, with the numbers it gives; the list itself is not changed.
bool writeFile(const QString& path, quint32 header, const RecordList& records, QString* error,
               const RecordFilter& filter = {});

// Moves a damaged file out of the way ("<name>.damaged-<yyyyMMdd-hhmmss>", with a
// number added if needed) so that the next save cannot overwrite it. Returns the new
// path, or an empty string with error set.
QString setAside(const QString& path, QString* error);

} // namespace folderdb
