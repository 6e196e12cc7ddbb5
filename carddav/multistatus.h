#pragma once
// The WebDAV multistatus answer (207) of PROPFIND and REPORT, as far as address books need
// it: per resource its href, status, ETag, resource types, address data and the hrefs of
// the properties that point elsewhere (current-user-principal, addressbook-home-set); and
// the sync token of a sync-collection answer. Bytes from a server: anything is read
// without a crash, and a document that is not a multistatus says so.

#include <QByteArray>
#include <QString>

#include <vector>

namespace carddav {

struct DavResponse
{
    QString href;        // as sent, percent-encoded
    int status = 0;      // of the response, or of its first propstat with a 2xx status; 0: none
    QByteArray etag;     // getetag, quotes kept
    bool collection = false;
    bool addressBook = false;
    QString displayName;
    QByteArray addressData; // the card, as the server sent it (UTF-8)
    QString principal;      // current-user-principal's href
    QString homeSet;        // addressbook-home-set's href
    QString syncToken;      // a collection's sync-token property
};

struct Multistatus
{
    std::vector<DavResponse> responses;
    QString syncToken; // the sync-collection answer's new token
    QString error;     // not a multistatus document: why
};

// The limit on what one answer may hold, so that a hostile server cannot make us keep more.
inline constexpr int kMaxResponses = 100000;

Multistatus parseMultistatus(const QByteArray& body);

// The precondition a DAV error document (<D:error>) names, such as "valid-sync-token";
// empty when body is none.
QString davErrorCondition(const QByteArray& body);

} // namespace carddav
