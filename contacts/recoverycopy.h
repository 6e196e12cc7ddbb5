#pragma once
// The recovery copy of the address book: the book lives only in memory until it is exported
// or uploaded, so the program keeps a copy of it in the per-user data folder after each
// change and removes it at a normal close. A copy found at start-up was left by a run that
// did not close normally.

#include "contacts/contactrecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace recoverycopy {

struct Contents
{
    std::vector<ContactRecord> contacts; // with nIndex and nGroup; nKey is not kept
    std::vector<GroupRecord> groups;     // with nGroupId, nParent, members and block
    QString addressFile;                 // the current contacts file, or empty
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
// book's contents again, atomically. Runs on the window thread.
class RecoveryCopyKeeper : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<recoverycopy::Contents()>;
    static constexpr int kDelayMs = 250;

    // path: the copy's file; source gives the book's contents when the copy is written.
    RecoveryCopyKeeper(QString path, Source source, QObject* parent = nullptr);

    QString path() const { return m_path; }
    // The book changed: the copy is written kDelayMs later (changes in between are
    // written together).
    void noteChange();
    // Writes at once when a change waits.
    void flush();
    // A normal close: nothing more is written and the copy is removed.
    void remove();

    // At start-up: whether a copy was left behind, and reading it (false with a reason when
    // it cannot be read).
    bool exists() const;
    bool read(recoverycopy::Contents* contents, QString* error) const;
    // A copy that cannot be read is moved aside (its name with ".damaged"), not lost.
    void setAside();

Q_SIGNALS:
    void written();
    // Told once per run: the copy could not be written (the reason says why).
    void writeFailed(const QString& reason);

private:
    void write();

    QString m_path;
    Source m_source;
    QTimer m_timer;
    bool m_failedOnce = false;
};
