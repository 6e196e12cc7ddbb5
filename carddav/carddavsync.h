#pragma once
// The desktop's address book kept in step with one CardDAV address book: the address book
// is found from a host or a URL (/.well-known/carddav, the principal, its address-book
// home), the server's changes are read since the last sync (sync-collection with the stored
// token; without one, or when the server refuses it, the ETag listing of every card), the
// three books are merged, and the merged book goes back card by card: conditional PUTs that
// edit the stored card, conditional DELETEs. A 412 means the card changed meanwhile: the
// server's changes are read again and the merge is made once more, never overwritten.
// Nothing here writes a local file: the caller keeps the book and the state once run() has
// succeeded.

#include "carddav/davclient.h"
#include "carddav/multistatus.h"
#include "carddav/syncstate.h"
#include "contacts/core/contactmerge.h"
#include "contacts/core/contactrecord.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace carddav {

struct LocalBook
{
    std::vector<ContactRecord> contacts;
    std::vector<std::string> uids; // one per contact, "" for none yet
    std::vector<GroupRecord> groups;
};

enum class Failure
{
    None,
    Network,        // no answer from the server
    Login,          // the server refused the login
    NotAddressBook, // the URL leads to no CardDAV address book, or to several
    Refused,        // the server refused a request (a card, a listing)
    MassDeletion,   // the merge would delete more than half of a side
    Cancelled,      // the user stopped it (the conflict review, the deletion question, Cancel)
};

// A server card the address book does not take: it stays on the server untouched.
struct LeftOnServer
{
    QString href;
    std::string uid;
    std::string name; // "First Last" or FN, as read
    QString reason;
};

struct Options
{
    contactmerge::Side prefer = contactmerge::Side::Local;
    bool dryRun = false;       // merge and tell, send no change
    bool allowDeletes = false; // go on with a mass deletion
};

struct Outcome
{
    Failure failure = Failure::None;
    QString error;
    std::optional<contactmerge::Result> merge; // the last merge made
    LocalBook book;                            // the merged book (with every contact's UID)
    SyncState state;                           // to be kept for the next sync
    std::vector<LeftOnServer> left;
    QStringList addressBooks; // NotAddressBook with several to choose from: their URLs
    int fetched = 0;          // cards read from the server
    int created = 0;
    int updated = 0;
    int deleted = 0;
    int retries = 0;         // merges made again after a 412
    bool fullListing = false; // the server's cards were listed (no token, or refused)
};

class Sync
{
public:
    explicit Sync(DavClient& client) : m_client(client) {}

    // Syncs local with the address book at url (a host name, a server or a collection URL),
    // from state (as read from the state file; empty for a first sync).
    Outcome run(const QString& url, const QString& user, const LocalBook& local,
                const SyncState& state, const Options& options);

    // Finds the address books that url leads to (one, or several to choose from) in
    // out.addressBooks, sending nothing else.
    Outcome findAddressBooks(const QString& url, const QString& user);

    // Called after the merge, before the first change is sent (tests change the server
    // there).
    std::function<void()> beforeChanges;
    // Called with a merge that has conflicts, each resolved for options.prefer: the user
    // chooses there (Result::choose); false drops the sync (Failure::Cancelled).
    std::function<bool(contactmerge::Result& merge)> review;
    // Asked when the merge would delete more than half of a side and options.allowDeletes is
    // not set: true goes on.
    std::function<bool(int bookDeleted, int bookContacts, int serverDeleted, int serverCards)>
        confirmDeletes;
    // Asked before every request: true stops the sync there (Failure::Cancelled). Cards
    // already sent stay sent; nothing local changes, and the next sync finds them alike.
    std::function<bool()> cancelled;

    static constexpr int kMultigetBatch = 50;
    static constexpr int kMaxRounds = 3;

private:
    struct Stop
    {
        Failure failure;
        QString error;
    };

    QUrl startUrl(const QString& url) const;
    HttpReply request(const QByteArray& verb, const QUrl& url, const QByteArray& body = {},
                      const Headers& headers = {});
    [[noreturn]] void refused(const HttpReply& reply, const QString& what);
    QUrl discover(const QUrl& start, Outcome& out);
    std::vector<DavResponse> propfind(const QUrl& url, const char* depth, const QByteArray& props,
                                      bool allowFail = false, int* status = nullptr);
    void readChanges(SyncState& state, Outcome& out);
    void listAll(SyncState& state, Outcome& out, std::vector<QString>& fetch);
    void fetchCards(SyncState& state, const std::vector<QString>& hrefs, Outcome& out);
    QString key(const QString& href) const;

    DavClient& m_client;
    QUrl m_collection;
    QString m_user;
};

// The words of a failure's kind for the report ("network", "login", ...).
const char* failureName(Failure failure);

} // namespace carddav
