#pragma once
// The HTTP side of CardDAV: one request at a time, waited for, over Qt Network. The login
// goes with every request (Basic), redirects are followed with the same method, and every
// request sent is counted.

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

#include <functional>
#include <utility>
#include <vector>

namespace carddav {

struct HttpReply
{
    int status = 0;     // the HTTP status; 0 when no answer came (errorText says why)
    QByteArray body;
    QByteArray etag;    // the ETag header, quotes kept
    QUrl url;           // where the answer came from, after redirects
    QString errorText;  // the network's reason when status is 0
};

using Headers = std::vector<std::pair<QByteArray, QByteArray>>;

class DavClient
{
public:
    DavClient(QString user, QString password);

    HttpReply send(const QByteArray& verb, const QUrl& url, const QByteArray& body = {},
                   const Headers& headers = {});

    int requests() const { return m_requests; }
    // The longest wait for one answer.
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }
    // Told of every request before it goes out (progress, and the tests' log).
    std::function<void(const QByteArray& verb, const QUrl& url)> onRequest;

    // The largest answer taken: an address book of 250 cards is far below it.
    static constexpr qint64 kMaxBody = 256LL * 1024 * 1024;

private:
    HttpReply sendOnce(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                       const Headers& headers);

    QNetworkAccessManager m_network;
    QByteArray m_authorization;
    int m_requests = 0;
    int m_timeout = 60000;
};

} // namespace carddav
