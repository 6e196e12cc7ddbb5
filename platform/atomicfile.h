#pragma once
// Writing a file so that it is either the new contents, whole, or exactly what it was.

#include <QByteArrayView>
#include <QString>

#include <functional>

class QIODevice;

namespace platform {

// Writes the new contents of a file to the device it is given. Returns false to give up;
// a write that fails need not be checked here, the device remembers it.
using FileWriter = std::function<bool(QIODevice& out)>;

// Writes the file at path through writer: the new contents go to a temporary file beside
// it, every write and the final flush and sync to disk are checked, and only then is the
// temporary file renamed over path. On any failure (a full disk, a folder that cannot be
// written, a writer that gives up) the old file, if there was one, is untouched, no
// temporary file is left behind, and error gets the system's reason ("No space left on
// device"), or "the contents could not be made" for a writer that gave up by itself.
// A symbolic link is followed: its target is written, the link stays. Anything at path that
// is not a regular file (a folder, a pipe, a device, a socket) is refused before the writer
// runs, with the words of platform::checkOutputFile ("it is a pipe, not a file").
bool writeFileAtomically(const QString& path, const FileWriter& writer, QString* error);

// The same for contents already in memory.
bool writeFileAtomically(const QString& path, QByteArrayView bytes, QString* error);

} // namespace platform
