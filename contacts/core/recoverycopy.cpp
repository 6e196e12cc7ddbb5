#include "contacts/core/recoverycopy.h"

#include "contacts/core/addressbook.h"
#include "platform/atomicfile.h"
#include "platform/inputfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <limits>

namespace recoverycopy {

namespace {

constexpr int kFormat = 1;

QString text(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

struct Reader
{
    QString error;

    bool fail(const QString& where, const char* what)
    {
        if (error.isEmpty())
            error = where + QLatin1String(": ") +
                    QCoreApplication::translate("contacts::recovery", what);
        return false;
    }

    bool bytes(const QJsonValue& value, const QString& where, std::string* out)
    {
        if (!value.isString())
            return fail(where, QT_TRANSLATE_NOOP("contacts::recovery", "a string was expected"));
        const QString s = value.toString();
        if (std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0xFF; }))
            return fail(where, QT_TRANSLATE_NOOP("contacts::recovery", "a character above U+00FF"));
        *out = s.toLatin1().toStdString();
        return true;
    }

    bool int32(const QJsonValue& value, const QString& where, qint32* out)
    {
        const double d = value.toDouble(std::numeric_limits<double>::quiet_NaN());
        // The range first: converting a double outside it is undefined.
        if (!value.isDouble() || !(d >= std::numeric_limits<qint32>::min()) ||
            !(d <= std::numeric_limits<qint32>::max()) || d != std::trunc(d))
            return fail(where, QT_TRANSLATE_NOOP("contacts::recovery",
                                                 "a 32-bit whole number was expected"));
        *out = static_cast<qint32>(d);
        return true;
    }
};

} // namespace

QByteArray serialize(const Contents& contents)
{
    QJsonArray contacts;
    for (const ContactRecord& c : contents.contacts) {
        QJsonArray fields;
        for (const ContactField& f : kContactFields)
            fields.append(text(c.*f.member));
        contacts.append(QJsonObject{{QStringLiteral("nIndex"), c.nIndex},
                                    {QStringLiteral("nGroup"), c.nGroup},
                                    {QStringLiteral("fields"), fields}});
    }
    QJsonArray groups;
    for (const GroupRecord& g : contents.groups) {
        QJsonArray members;
        for (int i = 0; i < std::clamp(g.nMemberCount, 0, MAX_GROUP_MEMBERS); ++i) {
            const GroupMember& m = g.aMembers[static_cast<size_t>(i)];
            members.append(QJsonArray{m.nKind, text(m.strEntry)});
        }
        const int length = std::clamp(g.nBlockLength, 0, GROUP_BLOCK_SIZE);
        const QByteArray block(reinterpret_cast<const char*>(g.abyBlock.data()), length);
        groups.append(QJsonObject{{QStringLiteral("nGroupId"), g.nGroupId},
                                  {QStringLiteral("nParent"), g.nParent},
                                  {QStringLiteral("strName"), text(g.strName)},
                                  {QStringLiteral("members"), members},
                                  {QStringLiteral("block"), QString::fromLatin1(block.toHex())}});
    }
    const QJsonObject root{{QStringLiteral("format"), kFormat},
                           {QStringLiteral("addressFile"), contents.addressFile},
                           {QStringLiteral("contacts"), contacts},
                           {QStringLiteral("groups"), groups}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

bool parse(const QByteArray& bytes, Contents* contents, QString* error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    Reader r;
    Contents out;
    const QJsonObject root = document.object();
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        r.fail(QStringLiteral("document"),
               QT_TRANSLATE_NOOP("contacts::recovery", "not a JSON object"));
    } else if (root.value(QStringLiteral("format")).toInt() != kFormat) {
        r.fail(QStringLiteral("format"),
               QT_TRANSLATE_NOOP("contacts::recovery", "an unknown format"));
    } else if (!root.value(QStringLiteral("addressFile")).isString() ||
               !root.value(QStringLiteral("contacts")).isArray() ||
               !root.value(QStringLiteral("groups")).isArray()) {
        r.fail(QStringLiteral("document"),
               QT_TRANSLATE_NOOP("contacts::recovery", "a member is missing"));
    } else {
        out.addressFile = root.value(QStringLiteral("addressFile")).toString();
        const QJsonArray contacts = root.value(QStringLiteral("contacts")).toArray();
        for (qsizetype i = 0; i < contacts.size() && r.error.isEmpty(); ++i) {
            const QString where = QStringLiteral("contacts[%1]").arg(i);
            const QJsonObject o = contacts.at(i).toObject();
            const QJsonArray fields = o.value(QStringLiteral("fields")).toArray();
            ContactRecord& c = out.contacts.emplace_back();
            if (!r.int32(o.value(QStringLiteral("nIndex")), where, &c.nIndex) ||
                !r.int32(o.value(QStringLiteral("nGroup")), where, &c.nGroup))
                break;
            if (fields.size() != CONTACT_FIELD_COUNT) {
                r.fail(where,
                       QT_TRANSLATE_NOOP("contacts::recovery", "thirteen fields were expected"));
                break;
            }
            for (int f = 0; f < CONTACT_FIELD_COUNT; ++f) {
                if (!r.bytes(fields.at(f), where, &(c.*kContactFields[size_t(f)].member)))
                    break;
            }
            c.nKey = c.nIndex + 1;
        }
        const QJsonArray groups = root.value(QStringLiteral("groups")).toArray();
        for (qsizetype i = 0; i < groups.size() && r.error.isEmpty(); ++i) {
            const QString where = QStringLiteral("groups[%1]").arg(i);
            const QJsonObject o = groups.at(i).toObject();
            GroupRecord& g = out.groups.emplace_back();
            const QJsonArray members = o.value(QStringLiteral("members")).toArray();
            const QByteArray block =
                QByteArray::fromHex(o.value(QStringLiteral("block")).toString().toLatin1());
            if (!r.int32(o.value(QStringLiteral("nGroupId")), where, &g.nGroupId) ||
                !r.int32(o.value(QStringLiteral("nParent")), where, &g.nParent) ||
                !r.bytes(o.value(QStringLiteral("strName")), where, &g.strName))
                break;
            if (members.size() > MAX_GROUP_MEMBERS || block.size() > GROUP_BLOCK_SIZE) {
                r.fail(where, QT_TRANSLATE_NOOP("contacts::recovery",
                                                "too many members or a block too long"));
                break;
            }
            for (qsizetype m = 0; m < members.size(); ++m) {
                const QJsonArray pair = members.at(m).toArray();
                GroupMember& member = g.aMembers[size_t(m)];
                if (pair.size() != 2 || !r.int32(pair.at(0), where, &member.nKind) ||
                    !r.bytes(pair.at(1), where, &member.strEntry)) {
                    r.fail(where, QT_TRANSLATE_NOOP("contacts::recovery", "a member is damaged"));
                    break;
                }
            }
            g.nMemberCount = static_cast<qint32>(members.size());
            std::copy(block.begin(), block.end(), g.abyBlock.begin());
            g.nBlockLength = static_cast<qint32>(block.size());
        }
    }
    if (!r.error.isEmpty()) {
        if (error)
            *error = r.error;
        return false;
    }
    *contents = std::move(out);
    return true;
}

} // namespace recoverycopy

RecoveryCopyKeeper::RecoveryCopyKeeper(QString path, Source source, QObject* parent)
    : QObject(parent), m_path(std::move(path)), m_source(std::move(source))
{
    m_timer.setInterval(kCheckMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCopyKeeper::check);
}

void RecoveryCopyKeeper::start()
{
    m_last = m_source();
    m_timer.start();
}

void RecoveryCopyKeeper::check()
{
    recoverycopy::Contents now = m_source();
    if (now == m_last)
        return;
    QDir().mkpath(QFileInfo(m_path).path());
    QString error;
    if (platform::writeFileAtomically(m_path, recoverycopy::serialize(now), &error)) {
        m_last = std::move(now);
        Q_EMIT written();
        return;
    }
    if (!m_failedOnce) {
        m_failedOnce = true;
        Q_EMIT writeFailed(error);
    }
}

void RecoveryCopyKeeper::remove()
{
    m_timer.stop();
    QFile::remove(m_path);
}

bool RecoveryCopyKeeper::exists() const
{
    return QFileInfo(m_path).isFile();
}

bool RecoveryCopyKeeper::read(recoverycopy::Contents* contents, QString* error) const
{
    if (const QString why = platform::checkInputFile(m_path, platform::kMaxWholeFileBytes);
        !why.isEmpty()) {
        *error = why;
        return false;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    recoverycopy::Contents read;
    if (!recoverycopy::parse(file.readAll(), &read, error))
        return false;
    // Checked here, before the user is asked: a book the address memory would refuse could
    // not be restored after a Yes either.
    if (const int check =
            addressbook::checkBook(read.contacts, read.groups, MAX_CONTACTS, MAX_BOOK_GROUPS)) {
        *error = addressbook::errorText(check);
        return false;
    }
    *contents = std::move(read);
    return true;
}

void RecoveryCopyKeeper::setAside()
{
    const QString aside = m_path + QStringLiteral(".damaged");
    QFile::remove(aside);
    QFile::rename(m_path, aside);
}
