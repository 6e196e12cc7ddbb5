#include "carddav/carddavsync.h"

#include "carddav/cardedit.h"
#include "carddav/multistatus.h"

#include <QCoreApplication>
#include <QSet>
#include <QUuid>

#include <algorithm>
#include <map>

namespace carddav {

namespace {

const QByteArray kXmlHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

QByteArray propfindBody(const QByteArray& props)
{
    return kXmlHead +
           "<D:propfind xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\">"
           "<D:prop>" +
           props + "</D:prop></D:propfind>";
}

QByteArray xmlEscape(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

std::string displayName(const ContactRecord& c)
{
    std::string name = c.strFirstName;
    if (!name.empty() && !c.strLastName.empty())
        name += ' ';
    name += c.strLastName;
    if (name.empty())
        name = !c.strEmail1.empty() ? c.strEmail1 : c.strWireless;
    return name;
}

bool ok(int status)
{
    return status >= 200 && status <= 299;
}

} // namespace

const char* failureName(Failure failure)
{
    switch (failure) {
    case Failure::None:
        break;
    case Failure::Network:
        return "network";
    case Failure::Login:
        return "login";
    case Failure::NotAddressBook:
        return "not-an-address-book";
    case Failure::Refused:
        return "refused";
    case Failure::MassDeletion:
        return "mass-deletion";
    case Failure::Cancelled:
        return "cancelled";
    }
    return "none";
}

HttpReply Sync::request(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                        const Headers& headers)
{
    if (cancelled && cancelled())
        throw Stop{Failure::Cancelled,
                   QCoreApplication::translate("carddav::sync", "the sync was cancelled")};
    HttpReply reply = m_client.send(verb, url, body, headers);
    if (reply.status == 0) {
        throw Stop{Failure::Network,
                   QCoreApplication::translate("carddav::sync", "no connection to %1: %2")
                       .arg(url.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemovePath),
                            reply.errorText)};
    }
    if (reply.status == 401) {
        throw Stop{Failure::Login, QCoreApplication::translate(
                                       "carddav::sync", "the server refused the login of user '%1'")
                                       .arg(m_user)};
    }
    return reply;
}

void Sync::refused(const HttpReply& reply, const QString& what)
{
    throw Stop{Failure::Refused,
               QCoreApplication::translate("carddav::sync", "the server refused %1 (HTTP %2)")
                   .arg(what)
                   .arg(reply.status)};
}

std::vector<DavResponse> Sync::propfind(const QUrl& url, const char* depth, const QByteArray& props,
                                        bool allowFail, int* status)
{
    const HttpReply reply = request("PROPFIND", url, propfindBody(props), {{"Depth", depth}});
    if (status)
        *status = reply.status;
    if (reply.status != 207) {
        if (allowFail)
            return {};
        refused(
            reply,
            QCoreApplication::translate("carddav::sync", "to list %1").arg(url.toDisplayString()));
    }
    Multistatus ms = parseMultistatus(reply.body);
    if (!ms.error.isEmpty()) {
        if (allowFail)
            return {};
        throw Stop{Failure::NotAddressBook,
                   QStringLiteral("%1: %2").arg(url.toDisplayString(), ms.error)};
    }
    // Hrefs made absolute: servers give paths or whole URLs.
    for (DavResponse& r : ms.responses) {
        r.href = reply.url.resolved(QUrl(r.href)).toString();
        if (!r.principal.isEmpty())
            r.principal = reply.url.resolved(QUrl(r.principal)).toString();
        if (!r.homeSet.isEmpty())
            r.homeSet = reply.url.resolved(QUrl(r.homeSet)).toString();
    }
    return std::move(ms.responses);
}

QString Sync::key(const QString& href) const
{
    return m_collection.resolved(QUrl(href)).path(QUrl::FullyEncoded);
}

// RFC 6764: the URL itself when it is an address book; else its principal (or that of
// /.well-known/carddav), the principal's address-book home, and the address books there.
QUrl Sync::discover(const QUrl& start, Outcome& out)
{
    const QByteArray props =
        "<D:resourcetype/><D:current-user-principal/><C:addressbook-home-set/>";
    QString principal;
    bool isPrincipal = false;
    for (const DavResponse& r : propfind(start, "0", props, true)) {
        if (r.addressBook)
            return QUrl(r.href);
        if (!r.principal.isEmpty())
            principal = r.principal;
        if (!r.homeSet.isEmpty()) {
            principal = r.href;
            isPrincipal = true;
        }
    }
    // A URL with a path names what to sync: when it is neither an address book nor a
    // principal, another address book of the account is not taken in its place.
    if (!isPrincipal && start.path() != QLatin1String("/")) {
        throw Stop{Failure::NotAddressBook,
                   QCoreApplication::translate("carddav::sync", "%1 is not a CardDAV address book")
                       .arg(start.toDisplayString())};
    }
    if (principal.isEmpty()) {
        const QUrl wellKnown = start.resolved(QUrl(QStringLiteral("/.well-known/carddav")));
        for (const DavResponse& r : propfind(wellKnown, "0", props, true)) {
            if (!r.principal.isEmpty())
                principal = r.principal;
        }
    }
    if (principal.isEmpty()) {
        throw Stop{Failure::NotAddressBook,
                   QCoreApplication::translate(
                       "carddav::sync", "%1 is not a CardDAV address book, and no address book was "
                                        "found from it")
                       .arg(start.toDisplayString())};
    }
    QString home;
    for (const DavResponse& r : propfind(QUrl(principal), "0", "<C:addressbook-home-set/>", true)) {
        if (!r.homeSet.isEmpty())
            home = r.homeSet;
    }
    if (home.isEmpty()) {
        throw Stop{Failure::NotAddressBook,
                   QCoreApplication::translate("carddav::sync",
                                               "the account at %1 has no address-book home")
                       .arg(start.toDisplayString())};
    }
    QStringList books;
    for (const DavResponse& r : propfind(QUrl(home), "1", "<D:resourcetype/><D:displayname/>")) {
        if (r.addressBook)
            books.append(r.href);
    }
    if (books.size() == 1)
        return QUrl(books.front());
    out.addressBooks = books;
    throw Stop{
        Failure::NotAddressBook,
        books.isEmpty()
            ? QCoreApplication::translate("carddav::sync", "the account at %1 has no address book")
                  .arg(start.toDisplayString())
            : QCoreApplication::translate(
                  "carddav::sync", "the account at %1 has %2 address books; give the URL of one")
                  .arg(start.toDisplayString())
                  .arg(books.size())};
}

// The ETag of every card: those not known with that ETag are fetched, those known and not
// listed are gone.
void Sync::listAll(SyncState& state, Outcome& out, std::vector<QString>& fetch)
{
    out.fullListing = true;
    QSet<QString> listed;
    for (const DavResponse& r :
         propfind(m_collection, "1", "<D:resourcetype/><D:getetag/><D:sync-token/>")) {
        const QString href = key(r.href);
        if (href == m_collection.path(QUrl::FullyEncoded) || r.collection) {
            if (!r.syncToken.isEmpty())
                state.syncToken = r.syncToken;
            continue;
        }
        listed.insert(href);
        const auto it = state.cards.find(href);
        if (it == state.cards.end() || it->second.etag != r.etag || r.etag.isEmpty())
            fetch.push_back(href);
    }
    for (auto it = state.cards.begin(); it != state.cards.end();) {
        it = listed.contains(it->first) ? std::next(it) : state.cards.erase(it);
    }
}

void Sync::readChanges(SyncState& state, Outcome& out)
{
    std::vector<QString> fetch;
    bool listed = false;
    if (!state.syncToken.isEmpty()) {
        const QByteArray body =
            kXmlHead + "<D:sync-collection xmlns:D=\"DAV:\"><D:sync-token>" +
            xmlEscape(state.syncToken) +
            "</D:sync-token><D:sync-level>1</D:sync-level><D:prop><D:getetag/></D:prop>"
            "</D:sync-collection>";
        const HttpReply reply = request("REPORT", m_collection, body, {{"Depth", "0"}});
        if (reply.status == 207) {
            const Multistatus ms = parseMultistatus(reply.body);
            if (!ms.error.isEmpty())
                throw Stop{Failure::Refused, ms.error};
            for (const DavResponse& r : ms.responses) {
                const QString href = key(r.href);
                if (href == m_collection.path(QUrl::FullyEncoded))
                    continue;
                if (r.status == 404) {
                    state.cards.erase(href);
                    continue;
                }
                const auto it = state.cards.find(href);
                if (it == state.cards.end() || it->second.etag != r.etag || r.etag.isEmpty())
                    fetch.push_back(href);
            }
            if (!ms.syncToken.isEmpty())
                state.syncToken = ms.syncToken;
            listed = true;
        }
        // Any other answer falls back to the listing: a stale token (403 or 409 with
        // valid-sync-token), a server without sync-collection, or one that fails on a token
        // it no longer knows (500). A server that is down fails the listing too.
    }
    if (!listed) {
        state.syncToken.clear();
        listAll(state, out, fetch);
    }
    fetchCards(state, fetch, out);
}

void Sync::fetchCards(SyncState& state, const std::vector<QString>& hrefs, Outcome& out)
{
    for (size_t at = 0; at < hrefs.size(); at += kMultigetBatch) {
        QByteArray body = kXmlHead + "<C:addressbook-multiget xmlns:D=\"DAV:\" "
                                     "xmlns:C=\"urn:ietf:params:xml:ns:carddav\">"
                                     "<D:prop><D:getetag/><C:address-data/></D:prop>";
        const size_t end = std::min(hrefs.size(), at + kMultigetBatch);
        for (size_t i = at; i < end; ++i)
            body += "<D:href>" + xmlEscape(hrefs[i]) + "</D:href>";
        body += "</C:addressbook-multiget>";
        const HttpReply reply = request("REPORT", m_collection, body, {{"Depth", "1"}});
        if (reply.status != 207)
            refused(reply, QCoreApplication::translate("carddav::sync", "to send the cards"));
        const Multistatus ms = parseMultistatus(reply.body);
        if (!ms.error.isEmpty())
            throw Stop{Failure::Refused, ms.error};
        QSet<QString> asked;
        for (size_t i = at; i < end; ++i)
            asked.insert(hrefs[i]);
        for (const DavResponse& r : ms.responses) {
            const QString href = key(r.href);
            if (!asked.contains(href))
                continue;
            asked.remove(href);
            if (!ok(r.status) || r.addressData.isEmpty()) {
                state.cards.erase(href); // gone since it was listed
                continue;
            }
            StoredCard& card = state.cards[href];
            const bool wasBase = card.base;
            card = StoredCard{r.etag, r.addressData, wasBase};
            ++out.fetched;
        }
        for (const QString& href : asked)
            state.cards.erase(href);
    }
}

QUrl Sync::startUrl(const QString& url) const
{
    QString given = url.trimmed();
    if (!given.contains(QLatin1String("://")))
        given.prepend(QLatin1String("https://"));
    QUrl start(given);
    if (start.path().isEmpty())
        start.setPath(QStringLiteral("/"));
    if (!start.isValid() || start.host().isEmpty())
        throw Stop{
            Failure::NotAddressBook,
            QCoreApplication::translate("carddav::sync", "'%1' is not a server address").arg(url)};
    return start;
}

Outcome Sync::findAddressBooks(const QString& url, const QString& user)
{
    Outcome out;
    m_user = user;
    try {
        out.addressBooks = QStringList{discover(startUrl(url), out).toString()};
    } catch (const Stop& stop) {
        // Several address books are an answer here: the caller lets the user choose.
        if (out.addressBooks.size() < 2) {
            out.failure = stop.failure;
            out.error = stop.error;
        }
    }
    return out;
}

Outcome Sync::run(const QString& url, const QString& user, const LocalBook& local,
                  const SyncState& stored, const Options& options)
{
    Outcome out;
    m_user = user;
    SyncState state = stored;
    const QString account = url + QLatin1Char('\n') + user;
    try {
        const QUrl start = startUrl(url);
        if (state.account != account || state.collection.isEmpty()) {
            state = SyncState();
            state.account = account;
            m_collection = discover(start, out);
            state.collection = m_collection.toString();
        } else {
            m_collection = QUrl(state.collection);
        }
        // The base: the cards of the last merged book, as they stood then.
        std::vector<ContactRecord> baseContacts;
        std::vector<std::string> baseUids;
        for (const auto& [href, card] : state.cards) {
            if (!card.base)
                continue;
            const ServerCard read = readServerCard(card.bytes);
            baseContacts.push_back(read.contact);
            baseUids.push_back(read.uid.empty() ? href.toStdString() : read.uid);
        }
        // Every local contact gets its UID now, so that a new one is the same contact in
        // every round; a UID given twice gets a new one for its second contact, which would
        // otherwise go to the first one's card.
        LocalBook mine = local;
        mine.uids.resize(mine.contacts.size());
        QSet<std::string> seen;
        for (std::string& uid : mine.uids) {
            if (uid.empty() || seen.contains(uid))
                uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
            seen.insert(uid);
        }

        for (int round = 0;; ++round) {
            out.left.clear();
            readChanges(state, out);

            std::vector<ContactRecord> remoteContacts;
            std::vector<std::string> remoteUids;
            std::map<std::string, QString> hrefOf;
            int v4 = 0;
            int v3 = 0;
            for (const auto& [href, card] : state.cards) {
                const ServerCard read = readServerCard(card.bytes);
                const std::string uid = read.uid.empty() ? href.toStdString() : read.uid;
                QString reason;
                if (!read.readable)
                    reason = QCoreApplication::translate(
                        "carddav::sync", "not a single vCard the address book can read");
                else if (read.isGroup)
                    reason = QCoreApplication::translate("carddav::sync", "a group card");
                else if (!read.report.cut.empty())
                    reason = QCoreApplication::translate(
                                 "carddav::sync", "fields longer than the address book holds: %1")
                                 .arg(read.report.describe());
                else if (hrefOf.count(uid))
                    reason = QCoreApplication::translate("carddav::sync",
                                                         "another card has the same UID");
                if (!reason.isEmpty()) {
                    out.left.push_back({href, read.uid, displayName(read.contact), reason});
                    continue;
                }
                (read.version == vcard::Version::V40 ? v4 : v3)++;
                hrefOf[uid] = href;
                remoteContacts.push_back(read.contact);
                remoteUids.push_back(uid);
            }
            contactmerge::Result result =
                contactmerge::merge({baseContacts, baseUids, {}}, {mine.contacts, mine.uids, {}},
                                    {remoteContacts, remoteUids, {}});
            result.chooseAll(options.prefer);
            if (!result.conflicts().empty() && review && !review(result))
                throw Stop{Failure::Cancelled,
                           QCoreApplication::translate("carddav::sync", "the sync was cancelled")};
            out.merge = result;
            // What goes to the server: cards edited or made, cards deleted.
            struct Change
            {
                QString href;
                QByteArray card; // empty: a delete
                bool create = false;
                std::string name;
                size_t index = 0; // in the merged book
            };
            std::vector<Change> changes;
            QSet<QString> kept;
            const vcard::Version newVersion = v4 > v3 ? vcard::Version::V40 : vcard::Version::V30;
            for (size_t i = 0; i < result.contacts().size(); ++i) {
                const ContactRecord& contact = result.contacts()[i];
                const std::string& uid = result.uids()[i];
                const auto found = hrefOf.find(uid);
                if (found != hrefOf.end()) {
                    kept.insert(found->second);
                    const StoredCard& card = state.cards[found->second];
                    const QByteArray edited = editCard(card.bytes, contact);
                    if (edited != card.bytes)
                        changes.push_back({found->second, edited, false, displayName(contact), i});
                    continue;
                }
                const QString name =
                    QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".vcf");
                const QString href = key(m_collection.resolved(QUrl(name)).toString());
                changes.push_back(
                    {href, newCard(contact, uid, newVersion), true, displayName(contact), i});
            }
            QSet<std::string> unfitUids;
            for (const contactmerge::Unfit& u : result.unfit())
                unfitUids.insert(u.uid);
            for (const auto& [uid, href] : hrefOf) {
                if (!kept.contains(href) && !unfitUids.contains(uid))
                    changes.push_back({href, {}, false, uid});
            }

            // The guard against mass deletion counts what would really go: a card the book
            // cannot hold stays on the server and is not deleted, whatever the merge's own
            // count of contacts left out says.
            const int serverDeletes = int(std::count_if(
                changes.begin(), changes.end(), [](const Change& c) { return c.card.isEmpty(); }));
            // On the book's side the merge's own count: a contact without a UID (the
            // program's book keeps none) is paired with its card by the duplicate rules and
            // takes the card's UID, so the UIDs given here are not found in the merged book.
            const int localDeletes =
                result.deleted(contactmerge::Side::Local) -
                int(std::count_if(mine.uids.begin(), mine.uids.end(),
                                  [&](const std::string& uid) { return unfitUids.contains(uid); }));
            const int serverCards = int(remoteUids.size());
            const int localContacts = int(mine.uids.size());
            if (!options.allowDeletes &&
                (serverDeletes * 2 > serverCards || localDeletes * 2 > localContacts) &&
                !(confirmDeletes &&
                  confirmDeletes(localDeletes, localContacts, serverDeletes, serverCards))) {
                throw Stop{Failure::MassDeletion,
                           QCoreApplication::translate(
                               "carddav::sync",
                               "the sync would delete %1 of the %2 contacts of the "
                               "book and %3 of the %4 cards on the server; "
                               "--allow-deletes syncs all the same")
                               .arg(localDeletes)
                               .arg(localContacts)
                               .arg(serverDeletes)
                               .arg(serverCards)};
            }

            if (options.dryRun) {
                for (const Change& c : changes)
                    (c.card.isEmpty() ? out.deleted : c.create ? out.created : out.updated)++;
                out.book = {result.contacts(), result.uids(), local.groups};
                out.state = stored;
                return out;
            }
            if (round == 0 && beforeChanges)
                beforeChanges();

            // The book keeps what the server's cards read as, so that a field the card
            // cannot give back as it was (an empty e-mail before a filled one) does not
            // count as a change at every sync.
            std::vector<ContactRecord> contacts = result.contacts();
            bool again = false;
            for (const Change& c : changes) {
                const QUrl target = m_collection.resolved(QUrl(c.href));
                if (c.card.isEmpty()) {
                    const HttpReply reply =
                        request("DELETE", target, {}, {{"If-Match", state.cards[c.href].etag}});
                    if (reply.status == 412) {
                        again = true;
                        continue;
                    }
                    if (!ok(reply.status) && reply.status != 404)
                        refused(reply, QCoreApplication::translate("carddav::sync",
                                                                   "to delete the card of %1")
                                           .arg(QString::fromStdString(c.name)));
                    state.cards.erase(c.href);
                    ++out.deleted;
                    continue;
                }
                Headers headers{{"Content-Type", "text/vcard; charset=utf-8"}};
                if (c.create)
                    headers.push_back({"If-None-Match", "*"});
                else
                    headers.push_back({"If-Match", state.cards[c.href].etag});
                const HttpReply reply = request("PUT", target, c.card, headers);
                if (reply.status == 412) {
                    again = true;
                    continue;
                }
                if (!ok(reply.status))
                    refused(reply,
                            QCoreApplication::translate("carddav::sync", "the card of %1")
                                .arg(QString::fromLatin1(c.name.data(), qsizetype(c.name.size()))));
                StoredCard& card = state.cards[c.href];
                card.bytes = c.card;
                card.etag = reply.etag;
                if (card.etag.isEmpty()) {
                    // No ETag: the server may have changed the card; what it holds is read back.
                    const HttpReply back = request("GET", target);
                    if (!ok(back.status))
                        refused(back, QCoreApplication::translate("carddav::sync",
                                                                  "to send back the card it took"));
                    card.bytes = back.body;
                    card.etag = back.etag;
                }
                const ContactRecord readBack = readServerCard(card.bytes).contact;
                for (const ContactField& field : kContactFields)
                    contacts[c.index].*field.member = readBack.*field.member;
                (c.create ? out.created : out.updated)++;
            }
            if (!again || round + 1 >= kMaxRounds) {
                if (again) {
                    throw Stop{Failure::Refused,
                               QCoreApplication::translate(
                                   "carddav::sync", "cards kept changing on the server during the "
                                                    "sync; try again")};
                }
                // The new base: the cards of the merged book.
                QSet<std::string> merged(result.uids().begin(), result.uids().end());
                for (auto& [href, card] : state.cards) {
                    const ServerCard read = readServerCard(card.bytes);
                    card.base = merged.contains(read.uid.empty() ? href.toStdString() : read.uid);
                }
                out.book = {contacts, result.uids(), local.groups};
                out.state = state;
                return out;
            }
            ++out.retries;
        }
    } catch (const Stop& stop) {
        out.failure = stop.failure;
        out.error = stop.error;
        out.state = stored;
    }
    return out;
}

} // namespace carddav
