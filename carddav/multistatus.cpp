#include "carddav/multistatus.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace carddav {

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");

// "HTTP/1.1 404 Not Found" -> 404; 0 when it cannot be read.
int statusCode(const QString& line)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '));
    return words.size() >= 2 ? words.at(1).toInt() : 0;
}

bool is(const QXmlStreamReader& xml, const QString& ns, const char* name)
{
    return xml.namespaceUri() == ns && xml.name() == QLatin1String(name);
}

// The text of the first <D:href> inside the current element; the element is read to its end.
QString innerHref(QXmlStreamReader& xml)
{
    QString href;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (href.isEmpty() && is(xml, kDav, "href")) {
                href = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                continue;
            }
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return href;
}

void readResourceType(QXmlStreamReader& xml, DavResponse& r)
{
    while (xml.readNextStartElement()) {
        if (is(xml, kDav, "collection"))
            r.collection = true;
        else if (is(xml, kCardDav, "addressbook"))
            r.addressBook = true;
        xml.skipCurrentElement();
    }
}

// One <D:prop> of a propstat whose status is ok: its values go into r.
void readProp(QXmlStreamReader& xml, DavResponse& r)
{
    while (xml.readNextStartElement()) {
        if (is(xml, kDav, "getetag")) {
            r.etag = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toUtf8();
        } else if (is(xml, kDav, "resourcetype")) {
            readResourceType(xml, r);
        } else if (is(xml, kDav, "displayname")) {
            r.displayName = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (is(xml, kCardDav, "address-data")) {
            r.addressData = xml.readElementText(QXmlStreamReader::SkipChildElements).toUtf8();
        } else if (is(xml, kDav, "current-user-principal")) {
            r.principal = innerHref(xml);
        } else if (is(xml, kCardDav, "addressbook-home-set")) {
            r.homeSet = innerHref(xml);
        } else if (is(xml, kDav, "sync-token")) {
            r.syncToken = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
}

void readPropstat(QXmlStreamReader& xml, DavResponse& r)
{
    // The status follows the prop in the document: the values are read aside and kept
    // only for a 2xx status (a 404 propstat lists the properties the resource lacks).
    DavResponse values;
    int status = 0;
    while (xml.readNextStartElement()) {
        if (is(xml, kDav, "prop"))
            readProp(xml, values);
        else if (is(xml, kDav, "status"))
            status = statusCode(xml.readElementText(QXmlStreamReader::SkipChildElements));
        else
            xml.skipCurrentElement();
    }
    if (status < 200 || status > 299)
        return;
    if (r.status == 0)
        r.status = status;
    if (!values.etag.isEmpty())
        r.etag = values.etag;
    r.collection = r.collection || values.collection;
    r.addressBook = r.addressBook || values.addressBook;
    if (!values.displayName.isEmpty())
        r.displayName = values.displayName;
    if (!values.addressData.isEmpty())
        r.addressData = values.addressData;
    if (!values.principal.isEmpty())
        r.principal = values.principal;
    if (!values.homeSet.isEmpty())
        r.homeSet = values.homeSet;
    if (!values.syncToken.isEmpty())
        r.syncToken = values.syncToken;
}

DavResponse readResponse(QXmlStreamReader& xml)
{
    DavResponse r;
    int ownStatus = 0;
    while (xml.readNextStartElement()) {
        if (is(xml, kDav, "href") && r.href.isEmpty())
            r.href = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        else if (is(xml, kDav, "status"))
            ownStatus = statusCode(xml.readElementText(QXmlStreamReader::SkipChildElements));
        else if (is(xml, kDav, "propstat"))
            readPropstat(xml, r);
        else
            xml.skipCurrentElement();
    }
    // A response's own status (a sync-collection's 404 for a deleted card) wins.
    if (ownStatus != 0)
        r.status = ownStatus;
    return r;
}

} // namespace

Multistatus parseMultistatus(const QByteArray& body)
{
    Multistatus out;
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !is(xml, kDav, "multistatus")) {
        out.error = QCoreApplication::translate("carddav::sync",
                                                "the answer is not a WebDAV multistatus document");
        return out;
    }
    while (xml.readNextStartElement()) {
        if (is(xml, kDav, "response")) {
            if (out.responses.size() >= size_t(kMaxResponses)) {
                out.error = QCoreApplication::translate("carddav::sync",
                                                        "the answer lists more than %1 resources")
                                .arg(kMaxResponses);
                out.responses.clear();
                return out;
            }
            DavResponse r = readResponse(xml);
            if (!r.href.isEmpty())
                out.responses.push_back(std::move(r));
        } else if (is(xml, kDav, "sync-token")) {
            out.syncToken = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        out.error = QCoreApplication::translate("carddav::sync",
                                                "the server's XML answer is damaged (line %1: %2)")
                        .arg(xml.lineNumber())
                        .arg(xml.errorString());
        out.responses.clear();
    }
    return out;
}

QString davErrorCondition(const QByteArray& body)
{
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !is(xml, kDav, "error"))
        return {};
    if (xml.readNextStartElement())
        return xml.name().toString();
    return {};
}

} // namespace carddav
