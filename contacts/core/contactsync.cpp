#include "contacts/core/contactsync.h"

#include "contacts/core/duplicatereview.h"
#include "contacts/core/recoverycopy.h"
#include "platform/atomicfile.h"
#include "platform/inputfile.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

namespace contactsync {

namespace {

constexpr int kFormat = 1;

// Still the contact the base holds in that slot, edited perhaps, rather than another one
// that took the freed slot.
bool recognisable(const ContactRecord& now, const ContactRecord& base)
{
    return duplicates::matches(now, base) ||
           std::any_of(kContactFields.begin(), kContactFields.end(), [&](const ContactField& f) {
               return !(now.*f.member).empty() && now.*f.member == base.*f.member;
           });
}

// A side's identities: the slot a contact was known by, where the base has that slot and
// the contact is still recognisably the base's there; "" for the rest. The first claim of
// a slot counts.
std::vector<std::string> identities(std::span<const ContactRecord> contacts,
                                    std::span<const std::string> uids,
                                    const std::map<qint32, const ContactRecord*>& base)
{
    std::vector<std::string> out(contacts.size());
    std::set<qint32> claimed;
    for (size_t i = 0; i < contacts.size() && i < uids.size(); ++i) {
        const qint32 slot = slotOf(uids[i]);
        const auto it = base.find(slot);
        if (it != base.end() && recognisable(contacts[i], *it->second) &&
            claimed.insert(slot).second)
            out[i] = uids[i];
    }
    return out;
}

bool sameGroup(const GroupRecord& a, const GroupRecord& b)
{
    if (a.nGroupId != b.nGroupId || a.nParent != b.nParent || a.strName != b.strName ||
        a.nMemberCount != b.nMemberCount || a.nBlockLength != b.nBlockLength)
        return false;
    const auto count = size_t(std::clamp(a.nMemberCount, 0, MAX_GROUP_MEMBERS));
    const auto length = size_t(std::clamp(a.nBlockLength, 0, GROUP_BLOCK_SIZE));
    return std::equal(a.aMembers.begin(), a.aMembers.begin() + count, b.aMembers.begin()) &&
           std::equal(a.abyBlock.begin(), a.abyBlock.begin() + length, b.abyBlock.begin());
}

// Whether two books hold the same contacts in the same slots and the same groups, in any
// order; nKey is the program's and does not count.
bool sameBook(const AddressBookCopy& a, const AddressBookCopy& b)
{
    if (a.contacts.size() != b.contacts.size() || a.groups.size() != b.groups.size())
        return false;
    std::map<qint32, ContactRecord> contacts;
    for (ContactRecord contact : a.contacts) {
        contact.nKey = 0;
        contacts.emplace(contact.nIndex, std::move(contact));
    }
    for (ContactRecord contact : b.contacts) {
        contact.nKey = 0;
        const auto it = contacts.find(contact.nIndex);
        if (it == contacts.end() || it->second != contact)
            return false;
        contacts.erase(it);
    }
    std::map<qint32, const GroupRecord*> groups;
    for (const GroupRecord& group : a.groups)
        groups.emplace(group.nGroupId, &group);
    for (const GroupRecord& group : b.groups) {
        const auto it = groups.find(group.nGroupId);
        if (it == groups.end() || !sameGroup(*it->second, group))
            return false;
        groups.erase(it);
    }
    return contacts.empty() && groups.empty();
}

// "12 of the 40 contacts on the pager", "all 40 contacts in Quillbox".
QString deletedText(int deleted, int contacts, const QString& where)
{
    if (deleted < contacts)
        return QCoreApplication::translate("contacts::sync", "%1 of the %n contacts %2", nullptr,
                                           contacts)
            .arg(deleted)
            .arg(where);
    if (contacts == 1)
        return QCoreApplication::translate("contacts::sync", "the one contact %1").arg(where);
    return QCoreApplication::translate("contacts::sync", "all %n contacts %1", nullptr, contacts)
        .arg(where);
}

} // namespace

QString defaultBaseFolder()
{
    return QDir(platform::defaultDataFolder()).filePath(QLatin1String(kBaseFolderName));
}

BaseStore::BaseStore(QString folder) : m_folder(std::move(folder)) {}

QString BaseStore::path(const PagerKey& pager) const
{
    // Readable for whoever looks into the folder; the digest tells the pagers apart.
    QString name;
    for (const QChar ch : pager.model) {
        if (ch.unicode() < 0x80 && ch.isLetterOrNumber())
            name += ch;
        else if (!name.isEmpty() && !name.endsWith(QLatin1Char('-')))
            name += QLatin1Char('-');
    }
    name.truncate(32);
    if (!name.isEmpty() && !name.endsWith(QLatin1Char('-')))
        name += QLatin1Char('-');
    const QByteArray digest =
        QCryptographicHash::hash(pager.device.toUtf8() + '\n' + pager.model.toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QDir(m_folder).filePath(name + QString::fromLatin1(digest) + QLatin1String(".json"));
}

bool BaseStore::read(const PagerKey& pager, AddressBookCopy* base, bool* found,
                     QString* error) const
{
    const QString file = path(pager);
    *found = false;
    if (!QFileInfo(file).exists() && !QFileInfo(file).isSymLink())
        return true;
    if (QString why = platform::checkInputFile(file, platform::kMaxWholeFileBytes);
        !why.isEmpty()) {
        *error = std::move(why);
        return false;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    const QJsonObject root = QJsonDocument::fromJson(in.readAll()).object();
    const QJsonValue book = root.value(QStringLiteral("book"));
    if (root.value(QStringLiteral("format")).toInt() != kFormat || !book.isObject()) {
        *error = QCoreApplication::translate("contacts::sync", "not a base of the address book");
        return false;
    }
    const QString device = root.value(QStringLiteral("device")).toString();
    const QString model = root.value(QStringLiteral("model")).toString();
    if (device != pager.device || model != pager.model) {
        *error =
            QCoreApplication::translate("contacts::sync", "the base of another pager (%1 on %2)")
                .arg(model, device);
        return false;
    }
    recoverycopy::Contents contents;
    if (!recoverycopy::parse(QJsonDocument(book.toObject()).toJson(QJsonDocument::Compact),
                             &contents, error))
        return false;
    // The slots are the contacts' identities: one given twice would make two contacts one.
    if (const int check = addressbook::checkBook(contents.contacts, contents.groups, MAX_CONTACTS,
                                                 MAX_BOOK_GROUPS)) {
        *error = addressbook::errorText(check);
        return false;
    }
    base->contacts = std::move(contents.contacts);
    base->groups = std::move(contents.groups);
    *found = true;
    return true;
}

bool BaseStore::write(const PagerKey& pager, const AddressBookCopy& base, QString* error) const
{
    if (!QDir().mkpath(m_folder)) {
        *error = QCoreApplication::translate("contacts::sync", "the folder %1 could not be made")
                     .arg(QDir::toNativeSeparators(m_folder));
        return false;
    }
    const QByteArray book = recoverycopy::serialize({base.contacts, base.groups, {}});
    const QJsonObject root{{QStringLiteral("format"), kFormat},
                           {QStringLiteral("device"), pager.device},
                           {QStringLiteral("model"), pager.model},
                           {QStringLiteral("book"), QJsonDocument::fromJson(book).object()}};
    return platform::writeFileAtomically(path(pager), QJsonDocument(root).toJson(), error);
}

std::vector<std::string> slotUids(std::span<const ContactRecord> contacts)
{
    std::vector<std::string> uids;
    uids.reserve(contacts.size());
    for (const ContactRecord& contact : contacts)
        uids.push_back(contact.nIndex >= 0 ? std::to_string(contact.nIndex) : std::string());
    return uids;
}

qint32 slotOf(const std::string& uid)
{
    qint32 slot = -1;
    const char* end = uid.data() + uid.size();
    const auto [at, error] = std::from_chars(uid.data(), end, slot);
    if (uid.empty() || error != std::errc() || at != end || uid.front() == '-' ||
        (uid.size() > 1 && uid.front() == '0') || slot >= MAX_CONTACTS)
        return -1;
    return slot;
}

contactmerge::Result merge(const AddressBookCopy& base, const AddressBookCopy& desktop,
                           std::span<const std::string> desktopUids, const AddressBookCopy& pager)
{
    std::map<qint32, const ContactRecord*> bySlot;
    for (const ContactRecord& contact : base.contacts) {
        if (contact.nIndex >= 0)
            bySlot.emplace(contact.nIndex, &contact);
    }
    const std::vector<std::string> baseUids = slotUids(base.contacts);
    const std::vector<std::string> pagerUids =
        identities(pager.contacts, slotUids(pager.contacts), bySlot);
    const std::vector<std::string> localUids = identities(desktop.contacts, desktopUids, bySlot);
    // The desktop's own slot numbers mean nothing to the pager: a contact keeps the slot it
    // is known by, and a new one takes the pager's or a free one.
    std::vector<ContactRecord> local = desktop.contacts;
    for (size_t i = 0; i < local.size(); ++i)
        local[i].nIndex = localUids[i].empty() ? -1 : slotOf(localUids[i]);
    return contactmerge::merge({base.contacts, baseUids, base.groups},
                               {local, localUids, desktop.groups},
                               {pager.contacts, pagerUids, pager.groups});
}

Guard guard(const contactmerge::Result& result)
{
    using contactmerge::Side;
    return {result.massDeletion(), result.deleted(Side::Local), result.sideContacts(Side::Local),
            result.deleted(Side::Remote), result.sideContacts(Side::Remote)};
}

QString massDeletionQuestion(const Guard& guard)
{
    QStringList sides;
    if (guard.desktopDeleted > 0)
        sides << deletedText(guard.desktopDeleted, guard.desktopContacts,
                             QCoreApplication::translate("contacts::sync", "in Quillbox"));
    if (guard.pagerDeleted > 0)
        sides << deletedText(guard.pagerDeleted, guard.pagerContacts,
                             QCoreApplication::translate("contacts::sync", "on the pager"));
    const QString deleted =
        sides.size() == 2
            ? QCoreApplication::translate("contacts::sync", "%1 and %2").arg(sides[0], sides[1])
            : sides.join(QString());
    return QCoreApplication::translate(
               "contacts::sync", "Synchronize Contacts would delete %1.\nSynchronize all the same?")
        .arg(deleted);
}

Outcome outcome(const contactmerge::Result& result, const AddressBookCopy& pager)
{
    Outcome out;
    out.book.contacts = result.contacts();
    out.book.groups = result.groups();
    // A group deleted on one side while the other filed a contact (or a group) in it: what it
    // held goes back to the top, for the pager keeps no folder that names nothing.
    std::set<qint32> ids;
    for (const GroupRecord& group : out.book.groups)
        ids.insert(group.nGroupId);
    for (ContactRecord& contact : out.book.contacts) {
        if (!ids.count(contact.nGroup))
            contact.nGroup = KEY_CONTACTS;
    }
    for (GroupRecord& group : out.book.groups) {
        if (!ids.count(group.nParent))
            group.nParent = -1;
    }
    out.uids = slotUids(out.book.contacts);
    out.pagerHoldsIt = sameBook(out.book, pager);
    return out;
}

} // namespace contactsync
