#pragma once
// Checks made before a file from outside is read, so that a pipe, a device or a huge file
// named by mistake is refused at once instead of hanging the reader or filling memory; and
// before a file is written over, so that nothing but a plain file is ever replaced.

#include <QString>
#include <QtGlobal>

namespace platform {

// A sane bound for files that are read whole (JSON documents): far above any real one.
inline constexpr qint64 kMaxWholeFileBytes = qint64(256) << 20;

// Empty when path names a regular file (after symbolic links) of at most maxBytes (no
// bound when maxBytes < 0); otherwise why it cannot be read, in words for the user:
// the system's reason ("No such file or directory", "Permission denied"), "it is a
// folder", "it is a pipe", "it is a device", "it is a socket", or its size over the bound.
QString checkInputFile(const QString& path, qint64 maxBytes = -1);

// Empty when path names a regular file (after symbolic links) or nothing yet; otherwise why
// it cannot be written over, in the same words: a pipe, a device or a socket replaced by a
// plain file would be lost to whatever else uses it.
QString checkOutputFile(const QString& path);

// Whether both paths name one existing file, whatever the names (a link, "./", "..").
bool isSameFile(const QString& a, const QString& b);

} // namespace platform
