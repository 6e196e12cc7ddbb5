#include "carddav/syncstate.h"

#include "platform/atomicfile.h"
#include "platform/inputfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace carddav {

namespace {
constexpr int kFormat = 1;
constexpr qint64 kMaxStateFile = 512LL * 1024 * 1024;
} // namespace

QString stateFilePath(const QString& folder, const QString& url, const QString& user)
{
    const QByteArray key = QCryptographicHash::hash((url + QLatin1Char('\n') + user).toUtf8(),
                                                    QCryptographicHash::Sha256)
                               .toHex()
                               .left(16);
    return QDir(folder).filePath(QStringLiteral("carddav-%1.json").arg(QLatin1String(key)));
}

bool readSyncState(const QString& path, SyncState* state, QString* error)
{
    *state = SyncState();
    if (!QFileInfo::exists(path))
        return true;
    if (const QString why = platform::checkInputFile(path); !why.isEmpty()) {
        *error = why;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.size() > kMaxStateFile) {
        *error =
            QCoreApplication::translate("carddav::state", "the sync state is larger than %1 MB")
                .arg(kMaxStateFile >> 20);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject root = doc.object();
    if (parseError.error != QJsonParseError::NoError ||
        root.value(QLatin1String("format")).toInt() != kFormat) {
        *error = QCoreApplication::translate("carddav::state",
                                             "the sync state is damaged or of another version");
        return false;
    }
    state->account = root.value(QLatin1String("account")).toString();
    state->collection = root.value(QLatin1String("collection")).toString();
    state->syncToken = root.value(QLatin1String("syncToken")).toString();
    for (const QJsonValue& v : root.value(QLatin1String("cards")).toArray()) {
        const QJsonObject o = v.toObject();
        const QString href = o.value(QLatin1String("href")).toString();
        if (href.isEmpty()) {
            *error = QCoreApplication::translate("carddav::state",
                                                 "the sync state is damaged (a card without href)");
            return false;
        }
        StoredCard& card = state->cards[href];
        card.etag = o.value(QLatin1String("etag")).toString().toUtf8();
        card.bytes = QByteArray::fromBase64(o.value(QLatin1String("card")).toString().toLatin1());
        card.base = o.value(QLatin1String("base")).toBool();
    }
    return true;
}

bool writeSyncState(const QString& path, const SyncState& state, QString* error)
{
    QJsonArray cards;
    for (const auto& [href, card] : state.cards) {
        // The card's bytes as base64: they must come back exactly, whatever their encoding.
        cards.append(
            QJsonObject{{QLatin1String("href"), href},
                        {QLatin1String("etag"), QString::fromUtf8(card.etag)},
                        {QLatin1String("base"), card.base},
                        {QLatin1String("card"), QString::fromLatin1(card.bytes.toBase64())}});
    }
    const QJsonObject root{{QLatin1String("format"), kFormat},
                           {QLatin1String("account"), state.account},
                           {QLatin1String("collection"), state.collection},
                           {QLatin1String("syncToken"), state.syncToken},
                           {QLatin1String("cards"), cards}};
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QCoreApplication::translate("carddav::state", "the folder %1 cannot be made")
                     .arg(QFileInfo(path).absolutePath());
        return false;
    }
    return platform::writeFileAtomically(path, QJsonDocument(root).toJson(QJsonDocument::Compact),
                                         error);
}

} // namespace carddav
