#include "tools/common/recordjson.h"

#include "platform/bytes.h"
#include "platform/inputfile.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <cstring>
#include <limits>
#include <set>

namespace recordjson {

std::string bytesToUtf8(std::string_view bytes)
{
    return platform::latin1ToUtf8(bytes);
}

std::string utf8ToBytes(const std::string& utf8, const std::string& where)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (const QChar ch : text) {
        if (ch.unicode() > 0xFF)
            throw FormError(where + ": the character U+" +
                            QStringLiteral("%1")
                                .arg(ch.unicode(), 4, 16, QLatin1Char('0'))
                                .toUpper()
                                .toStdString() +
                            " has no single byte (only U+0000 to U+00FF can be stored)");
        out.push_back(static_cast<char>(ch.unicode()));
    }
    return out;
}

qint32 int32Member(const Json& object, const char* key, const std::string& where, qint32 fallback)
{
    const auto it = object.find(key);
    if (it == object.end())
        return fallback;
    if (!it->is_number_integer())
        throw FormError(where + ": \"" + key + "\" must be a whole number");
    // An unsigned number above the signed 64-bit range would wrap if read as signed.
    const bool huge = it->is_number_unsigned() &&
                      it->get<std::uint64_t>() > std::uint64_t(std::numeric_limits<qint32>::max());
    const auto value = huge ? std::int64_t(0) : it->get<std::int64_t>();
    if (huge || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max())
        throw FormError(where + ": \"" + key + "\" is outside the 32-bit range");
    return static_cast<qint32>(value);
}

std::string stringMember(const Json& object, const char* key, const std::string& where)
{
    const auto it = object.find(key);
    if (it == object.end())
        return {};
    if (!it->is_string())
        throw FormError(where + ": \"" + key + "\" must be a string");
    return utf8ToBytes(it->get<std::string>(), where + "." + key);
}

void requireMembers(const Json& object, std::initializer_list<const char*> required,
                    const std::string& where)
{
    if (!object.is_object())
        throw FormError(where + ": an object was expected");
    for (const char* key : required) {
        if (!object.contains(key))
            throw FormError(where + ": \"" + key + "\" is missing");
    }
}

void rejectUnknownMembers(const Json& object, std::initializer_list<const char*> known,
                          const std::string& where)
{
    if (!object.is_object())
        throw FormError(where + ": an object was expected");
    for (const auto& item : object.items()) {
        const bool isKnown =
            std::any_of(known.begin(), known.end(), [&](const char* k) { return item.key() == k; });
        if (!isKnown)
            throw FormError(where + ": unknown member \"" + item.key() + "\"");
    }
}

Json messageRecordToJson(const MessageRecord& r)
{
    // File order of the fields.
    return Json{
        {"strName", bytesToUtf8(r.strName)},
        {"nReserved", r.nReserved},
        {"strParentName", bytesToUtf8(r.strParentName)},
        {"nKind", r.nKind},
        {"nFolderId", r.nFolderId},
        {"nParentId", r.nParentId},
        {"nCount", r.nCount},
        {"nMessageId", r.nMessageId},
        {"strText", bytesToUtf8(r.strText)},
        {"strDate", bytesToUtf8(r.strDate)},
        {"strOrigin", bytesToUtf8(r.strOrigin)},
        {"strTitle", bytesToUtf8(r.strTitle)},
        {"strHeader", bytesToUtf8(r.strHeader)},
        {"strAddress", bytesToUtf8(r.strAddress)},
    };
}

MessageRecord messageRecordFromJson(const Json& o, const std::string& where)
{
    const auto fields = {"strName",   "nReserved", "strParentName", "nKind",     "nFolderId",
                         "nParentId", "nCount",    "nMessageId",    "strText",   "strDate",
                         "strOrigin", "strTitle",  "strHeader",     "strAddress"};
    rejectUnknownMembers(o, fields, where);
    MessageRecord r;
    r.strName = stringMember(o, "strName", where);
    r.nReserved = int32Member(o, "nReserved", where, 0);
    r.strParentName = stringMember(o, "strParentName", where);
    r.nKind = int32Member(o, "nKind", where, 0);
    r.nFolderId = int32Member(o, "nFolderId", where, 0);
    r.nParentId = int32Member(o, "nParentId", where, 0);
    r.nCount = int32Member(o, "nCount", where, 0);
    r.nMessageId = int32Member(o, "nMessageId", where, 0);
    r.strText = stringMember(o, "strText", where);
    r.strDate = stringMember(o, "strDate", where);
    r.strOrigin = stringMember(o, "strOrigin", where);
    r.strTitle = stringMember(o, "strTitle", where);
    r.strHeader = stringMember(o, "strHeader", where);
    r.strAddress = stringMember(o, "strAddress", where);
    // Every field is given: a record with one left out is a mistake, not an empty field.
    requireMembers(o, fields, where);
    return r;
}

Json contactFieldsToJson(const contactstext::Fields& fields)
{
    Json o = Json::object();
    for (size_t i = 0; i < kContactFields.size(); ++i)
        o[kContactFields[i].fieldName] = bytesToUtf8(fields[i]);
    return o;
}

contactstext::Fields contactFieldsFromJson(const Json& o, const std::string& where)
{
    if (!o.is_object())
        throw FormError(where + ": an object was expected");
    contactstext::Fields fields;
    for (size_t i = 0; i < kContactFields.size(); ++i)
        fields[i] = stringMember(o, kContactFields[i].fieldName, where);
    for (const auto& item : o.items()) {
        const bool known =
            std::any_of(kContactFields.begin(), kContactFields.end(),
                        [&](const ContactField& f) { return item.key() == f.fieldName; });
        if (!known)
            throw FormError(where + ": unknown member \"" + item.key() + "\"");
    }
    return fields;
}

std::string bytesToHex(std::span<const quint8> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const quint8 b : bytes) {
        if (!out.empty())
            out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

bool hexToBytes(std::string_view text, std::vector<quint8>* bytes)
{
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size())
            return false;
        const int high = platform::hexDigitValue(text[i]);
        const int low = platform::hexDigitValue(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes->push_back(static_cast<quint8>(high * 16 + low));
        i += 2;
    }
    return true;
}

Json readJsonFile(const std::string& path)
{
    const QString name = QString::fromLocal8Bit(path.c_str());
    // Checked before reading: a pipe or a device would be read without end.
    const QString refused = platform::checkInputFile(name, platform::kMaxWholeFileBytes);
    if (!refused.isEmpty())
        throw FormError(path + ": cannot be read: " + refused.toStdString());
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw FormError(path + ": cannot be read: " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FormError(path + ": cannot be read: " + file.errorString().toStdString());
    // A key given twice in one object would silently lose one of its values.
    std::vector<std::set<std::string>> keys;
    std::string duplicate;
    const auto checkKeys = [&](int, nlohmann::json::parse_event_t event, Json& parsed) {
        using Event = nlohmann::json::parse_event_t;
        if (event == Event::object_start) {
            keys.emplace_back();
        } else if (event == Event::object_end) {
            keys.pop_back();
        } else if (event == Event::key && !keys.empty() &&
                   !keys.back().insert(parsed.get<std::string>()).second && duplicate.empty()) {
            duplicate = parsed.get<std::string>();
        }
        return true;
    };
    Json document;
    try {
        document = Json::parse(bytes.constBegin(), bytes.constEnd(), checkKeys);
    } catch (const nlohmann::json::exception& e) {
        throw FormError(path + ": not valid JSON: " + e.what());
    }
    if (!duplicate.empty())
        throw FormError(path + ": the key \"" + duplicate + "\" is given twice in one object");
    return document;
}

} // namespace recordjson
