#pragma once
// A CardDAV server of Debian's for tests and benchmarks, started on 127.0.0.1 on a free
// port with a temporary folder, and stopped with this object: Radicale (with an htpasswd
// file) or Xandikos (no login).

#include "carddav/davclient.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

class DavServer
{
public:
    enum Kind
    {
        Radicale,
        Xandikos,
    };

    explicit DavServer(Kind kind) : m_kind(kind) {}
    ~DavServer() { stop(); }

    const QString user = QStringLiteral("alice");
    const QString password = QStringLiteral("secret");

    // Empty when it runs; else why it cannot (the test skips).
    QString start()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        const QString root = m_dir.path();
        QStringList args;
        QString program;
        if (m_kind == Radicale) {
            program = QStringLiteral("/usr/bin/python3");
            if (QProcess::execute(program, {QStringLiteral("-c"), QStringLiteral("import radicale")}) != 0)
                return QStringLiteral("python3-radicale is not installed (scripts/bootstrap.sh installs it)");
            // bob has no address book.
            writeFile(root + QStringLiteral("/users"),
                      user + QLatin1Char(':') + password + QStringLiteral("\nbob:secret\n"));
            writeFile(root + QStringLiteral("/config"),
                      QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n"
                                     "[auth]\ntype = htpasswd\nhtpasswd_filename = %2/users\n"
                                     "htpasswd_encryption = plain\n"
                                     "[storage]\nfilesystem_folder = %2/store\n"
                                     "[rights]\ntype = owner_only\n"
                                     "[logging]\nlevel = warning\n")
                          .arg(m_port)
                          .arg(root));
            args = {QStringLiteral("-m"), QStringLiteral("radicale"), QStringLiteral("--config"),
                    root + QStringLiteral("/config")};
        } else {
            program = QStandardPaths::findExecutable(QStringLiteral("xandikos"));
            if (program.isEmpty())
                return QStringLiteral("xandikos is not installed (scripts/bootstrap.sh installs it)");
            args = {QStringLiteral("--defaults"), QStringLiteral("-d"), root + QStringLiteral("/data"),
                    QStringLiteral("-l"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                    QString::number(m_port)};
        }
        // The server ends with the test even when the test aborts.
        m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(program, args);
        if (!m_process.waitForStarted(5000))
            return program + QStringLiteral(" did not start");
        for (int i = 0; i < 100; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(100))
                return m_kind == Radicale ? makeBook() : QString();
            if (m_process.state() != QProcess::Running)
                return program + QStringLiteral(" ended at its start");
            QThread::msleep(100);
        }
        return program + QStringLiteral(" did not listen");
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_port); }
    // The address book's collection.
    QString bookUrl() const
    {
        return url() + (m_kind == Radicale ? QStringLiteral("alice/book/")
                                           : QStringLiteral("user/contacts/addressbook/"));
    }

    // Radicale's folder of the address book: cards written there are the server's at once.
    QString bookFolder() const { return m_dir.path() + QStringLiteral("/store/collection-root/alice/book"); }

    // PUT, GET and DELETE of one card of the address book, as another client would.
    carddav::HttpReply send(const QByteArray& verb, const QString& name, const QByteArray& body = {})
    {
        carddav::DavClient client(user, password);
        return client.send(verb, QUrl(bookUrl() + name), body,
                           {{"Content-Type", "text/vcard; charset=utf-8"}});
    }

private:
    static void writeFile(const QString& path, const QString& text)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }

    QString makeBook()
    {
        carddav::DavClient client(user, password);
        const carddav::HttpReply reply = client.send(
            "MKCOL", QUrl(bookUrl()),
            "<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" "
            "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype>"
            "<D:collection/><C:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>");
        return reply.status == 201 ? QString()
                                   : QStringLiteral("MKCOL answered %1").arg(reply.status);
    }

    Kind m_kind;
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};
