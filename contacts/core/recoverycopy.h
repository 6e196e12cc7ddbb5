#pragma once
// The recovery copy of the address book: the book lives only in memory until it is exported
// or uploaded, so the program keeps a copy of it in the per-user data folder after each
// change and removes it at a normal close. A copy found at start-up was left by a run that
// did not close normally.

#include "contacts/core/contactrecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace recoverycopy {

struct Contents
{
    std::vector<ContactRecord> contacts; // with nIndex and nGroup; nKey is not kept
    std::vector<GroupRecord> groups;     // with nGroupId, nParent, members and block
    QString addressFile;                 // the current contacts file, or empty

    bool operator==(const Contents&) const = default;
};

// The file's name in the per-user data folder.
inline constexpr const char* kFileName = "AddressBook.recovery.json";

// The bytes of a copy (JSON; text fields as Latin-1 characters, one per byte).
QByteArray serialize(const Contents& contents);
// Reads a copy back strictly; false (with a reason) for anything not written by
// serialize(). Whether the book it holds is one the address memory keeps is the book's to
// check.
bool parse(const QByteArray& bytes, Contents* contents, QString* error);

} // namespace recoverycopy

#include <QObject>
#include <QTimer>

#include <functional>

// Keeps the recovery copy of one address book: a moment after each change it writes the
// book's contents again, atomically. It looks at the book itself, a few times a second,
// so that every change counts, whatever path made it (the window's commands, a download,
// an import). Runs on the window thread.
class RecoveryCopyKeeper : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<recoverycopy::Contents()>;
    static constexpr int kCheckMs = 400;

    // path: the copy's file; source gives the book's contents as they are now.
    RecoveryCopyKeeper(QString path, Source source, QObject* parent = nullptr);

    QString path() const { return m_path; }
    // Takes the book as it is now for unchanged and starts looking every kCheckMs.
    void start();
    // Writes the copy when the book differs from what was last written (or taken at start).
    void check();
    // A normal close: nothing more is written and the copy is removed.
    void remove();

    // At start-up: whether a copy was left behind, and reading it (false with a reason when
    // it cannot be read, or holds a book the address memory would not keep).
    bool exists() const;
    bool read(recoverycopy::Contents* contents, QString* error) const;
    // A copy that cannot be read is moved aside (its name with ".damaged"), not lost.
    void setAside();

Q_SIGNALS:
    void written();
    // Told once per run: the copy could not be written (the reason says why).
    void writeFailed(const QString& reason);

private:
    QString m_path;
    Source m_source;
    QTimer m_timer;
    recoverycopy::Contents m_last;
    bool m_failedOnce = false;
};
