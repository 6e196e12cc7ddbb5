#include "carddav/davclient.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace carddav {

namespace {
constexpr int kMaxRedirects = 5;
}

DavClient::DavClient(QString user, QString password)
{
    m_authorization = "Basic " + (user.toUtf8() + ':' + password.toUtf8()).toBase64();
}

HttpReply DavClient::send(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                          const Headers& headers)
{
    QUrl at = url;
    for (int hop = 0;; ++hop) {
        HttpReply reply = sendOnce(verb, at, body, headers);
        const bool redirect = reply.status == 301 || reply.status == 302 || reply.status == 307 ||
                              reply.status == 308;
        if (!redirect || hop == kMaxRedirects)
            return reply;
        const QUrl next = reply.url;
        // The login goes only where the first request went: a redirect to another host is
        // not followed.
        if (next.host() != url.host() || next.port() != url.port() || next.scheme() != url.scheme())
            return reply;
        at = next;
    }
}

HttpReply DavClient::sendOnce(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                              const Headers& headers)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setRawHeader("Authorization", m_authorization);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    if (!body.isEmpty() && !request.hasRawHeader("Content-Type"))
        request.setRawHeader("Content-Type", "application/xml; charset=utf-8");
    ++m_requests;
    if (onRequest)
        onRequest(verb, url);

    QBuffer upload;
    upload.setData(body);
    upload.open(QIODevice::ReadOnly);
    QNetworkReply* net = m_network.sendCustomRequest(request, verb, &upload);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    bool tooLarge = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        net->abort();
    });
    QObject::connect(net, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        if (received > kMaxBody) {
            tooLarge = true;
            net->abort();
        }
    });
    QObject::connect(net, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(m_timeout);
    if (!net->isFinished())
        loop.exec();

    HttpReply reply;
    reply.status = net->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    reply.url = url;
    if (reply.status == 0 || timedOut || tooLarge) {
        reply.status = 0;
        reply.errorText =
            timedOut
                ? QCoreApplication::translate("carddav::sync", "the server did not answer in %1 s")
                      .arg(m_timeout / 1000)
            : tooLarge ? QCoreApplication::translate("carddav::sync",
                                                     "the server's answer is larger than %1 MB")
                             .arg(kMaxBody / (1024 * 1024))
                       : net->errorString();
    } else {
        reply.body = net->readAll();
        reply.etag = net->rawHeader("ETag");
        const QByteArray location = net->rawHeader("Location");
        if (!location.isEmpty())
            reply.url = url.resolved(QUrl::fromEncoded(location));
    }
    delete net;
    return reply;
}

} // namespace carddav
