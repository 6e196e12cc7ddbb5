#include "contacts/core/contacthistory.h"

#include "contacts/core/duplicatereview.h"
#include "platform/atomicfile.h"
#include "platform/bytes.h"
#include "platform/inputfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>

namespace contacthistory {

namespace {

// A snapshot's file: "<id>-<event>.json", the id being "yyyyMMddTHHmmsszzzZ".
constexpr qsizetype kIdLength = 19;
const QString kIdFormat = QStringLiteral("yyyyMMdd'T'HHmmsszzz'Z'");
constexpr std::array kEventNames{"download", "upload",  "import", "vcard-import",
                                 "synchronize", "restore", "close"};

QString idOf(const QDateTime& time)
{
    return time.toUTC().toString(kIdFormat);
}

// The snapshot a file name stands for, without its counts; false for any other name.
bool fromFileName(const QString& name, Snapshot* snapshot)
{
    if (name.size() <= kIdLength + 1 || name.at(kIdLength) != QLatin1Char('-') ||
        !name.endsWith(QLatin1String(".json")))
        return false;
    QDateTime time = QDateTime::fromString(name.left(kIdLength), kIdFormat);
    time.setTimeSpec(Qt::UTC);
    const QString event = name.mid(kIdLength + 1, name.size() - kIdLength - 1 - 5);
    if (!time.isValid() ||
        std::none_of(kEventNames.begin(), kEventNames.end(),
                     [&event](const char* known) { return event == QLatin1String(known); }))
        return false;
    *snapshot = {name.left(kIdLength), time, event};
    return true;
}

struct Entry
{
    Snapshot snapshot;
    QString fileName;
};

// The folder's snapshots by their names alone, newest first.
std::vector<Entry> entries(const QString& folder)
{
    std::vector<Entry> found;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (Entry entry{{}, name}; fromFileName(name, &entry.snapshot))
            found.push_back(std::move(entry));
    }
    std::reverse(found.begin(), found.end()); // the id sorts by time
    return found;
}

bool readBook(const QString& path, recoverycopy::Contents* contents, QString* error)
{
    if (QString why = platform::checkInputFile(path, platform::kMaxWholeFileBytes);
        !why.isEmpty()) {
        *error = std::move(why);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    return recoverycopy::parse(file.readAll(), contents, error);
}

std::string groupLabel(const GroupRecord& group)
{
    // Kept as bytes like the contacts' names beside it, so the label is mapped the same way.
    return platform::fromDisplay(QCoreApplication::translate("contacts::history", "%1 (group)")
                                     .arg(platform::toDisplay(group.strName)));
}

bool sameGroup(const GroupRecord& a, const GroupRecord& b)
{
    if (a.strName != b.strName || a.nParent != b.nParent || a.nMemberCount != b.nMemberCount)
        return false;
    return std::equal(a.aMembers.begin(), a.aMembers.begin() + a.nMemberCount,
                      b.aMembers.begin());
}

} // namespace

Changes compare(const recoverycopy::Contents& now, const recoverycopy::Contents& snapshot)
{
    Changes changes;
    std::vector<bool> paired(now.contacts.size());
    std::vector<const ContactRecord*> unpaired;
    // Equal contacts first, so that a changed one is never paired with another's twin.
    for (const ContactRecord& contact : snapshot.contacts) {
        size_t i = 0;
        while (i < now.contacts.size() && (paired[i] || !sameContactFields(now.contacts[i], contact)))
            ++i;
        if (i < now.contacts.size())
            paired[i] = true;
        else
            unpaired.push_back(&contact);
    }
    for (const ContactRecord* contact : unpaired) {
        size_t i = 0;
        while (i < now.contacts.size() && (paired[i] || !duplicates::matches(now.contacts[i], *contact)))
            ++i;
        if (i < now.contacts.size()) {
            paired[i] = true;
            changes.changed.push_back(contactDisplayName(*contact));
        } else {
            changes.added.push_back(contactDisplayName(*contact));
        }
    }
    for (size_t i = 0; i < now.contacts.size(); ++i) {
        if (!paired[i])
            changes.removed.push_back(contactDisplayName(now.contacts[i]));
    }
    for (const GroupRecord& group : snapshot.groups) {
        const auto same = std::find_if(now.groups.begin(), now.groups.end(),
                                       [&](const GroupRecord& g) { return g.strName == group.strName; });
        if (same == now.groups.end())
            changes.added.push_back(groupLabel(group));
        else if (!sameGroup(*same, group))
            changes.changed.push_back(groupLabel(group));
    }
    for (const GroupRecord& group : now.groups) {
        if (std::none_of(snapshot.groups.begin(), snapshot.groups.end(),
                         [&](const GroupRecord& g) { return g.strName == group.strName; }))
            changes.removed.push_back(groupLabel(group));
    }
    return changes;
}

QString eventName(Event event)
{
    return QLatin1String(kEventNames[static_cast<size_t>(event)]);
}

History::History(QString folder) : m_folder(std::move(folder)) {}

QString History::keep(Event event, const recoverycopy::Contents& contents, QString* error,
                      const QDateTime& now)
{
    if (!QDir().mkpath(m_folder)) {
        *error = QCoreApplication::translate("contacts::history", "the folder %1 could not be made")
                     .arg(QDir::toNativeSeparators(m_folder));
        return {};
    }
    // Two snapshots within one millisecond: the later one takes the next free millisecond,
    // so that ids stay unique and in order.
    QDateTime time = now.toUTC();
    const std::vector<Entry> existing = entries(m_folder);
    if (!existing.empty() && existing.front().snapshot.time >= time)
        time = existing.front().snapshot.time.addMSecs(1);
    const QString id = idOf(time);
    const QString path =
        QDir(m_folder).filePath(id + QLatin1Char('-') + eventName(event) + QLatin1String(".json"));
    if (!platform::writeFileAtomically(path, recoverycopy::serialize(contents), error))
        return {};
    prune(now);
    return id;
}

std::vector<Snapshot> History::list(QStringList* damaged) const
{
    std::vector<Snapshot> snapshots;
    for (Entry& entry : entries(m_folder)) {
        recoverycopy::Contents contents;
        QString why;
        if (!readBook(QDir(m_folder).filePath(entry.fileName), &contents, &why)) {
            if (damaged)
                damaged->append(entry.fileName + QLatin1String(": ") + why);
            continue;
        }
        entry.snapshot.contacts = static_cast<int>(contents.contacts.size());
        entry.snapshot.groups = static_cast<int>(contents.groups.size());
        snapshots.push_back(std::move(entry.snapshot));
    }
    return snapshots;
}

bool History::read(const QString& id, recoverycopy::Contents* contents, QString* error) const
{
    for (const Entry& entry : entries(m_folder)) {
        if (entry.snapshot.id == id)
            return readBook(QDir(m_folder).filePath(entry.fileName), contents, error);
    }
    *error = QCoreApplication::translate("contacts::history", "there is no snapshot %1").arg(id);
    return false;
}

void History::prune(const QDateTime& now) const
{
    const std::vector<Entry> all = entries(m_folder);
    const QDateTime oldest = now.toUTC().addDays(-kKeepDays);
    for (size_t i = kKeepNewest; i < all.size(); ++i) {
        if (all[i].snapshot.time < oldest)
            QFile::remove(QDir(m_folder).filePath(all[i].fileName));
    }
}

} // namespace contacthistory
