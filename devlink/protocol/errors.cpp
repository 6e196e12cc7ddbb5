#include "devlink/protocol/errors.h"

#include <QCoreApplication>

namespace devlink::protocol {

namespace {

const char* sourceText(int code)
{
    switch (code) {
    case ErrNone:
        return QT_TRANSLATE_NOOP("devlink::errors", "No error.");
    case ErrPortCannotOpen:
        return QT_TRANSLATE_NOOP("devlink::errors", "The serial port cannot be opened.");
    case ErrNoAnswer:
        return QT_TRANSLATE_NOOP("devlink::errors", "The pager does not answer.");
    case ErrLineCorrupt:
        return QT_TRANSLATE_NOOP("devlink::errors", "The line stays corrupt after the retries.");
    case ErrMemoryFull:
        return QT_TRANSLATE_NOOP("devlink::errors", "The pager refuses: memory full.");
    case ErrInvalidData:
        return QT_TRANSLATE_NOOP("devlink::errors", "The pager refuses: invalid data.");
    case ErrBusy:
        return QT_TRANSLATE_NOOP("devlink::errors", "A transfer is already running.");
    case ErrConnectionLost:
        return QT_TRANSLATE_NOOP("devlink::errors", "The connection to the pager was lost.");
    case ErrProtocol:
        return QT_TRANSLATE_NOOP("devlink::errors", "Protocol error.");
    case ErrUnsupportedPager:
        return QT_TRANSLATE_NOOP("devlink::errors",
                                 "The pager speaks another version of the protocol.");
    case ErrUnknownMode:
        return QT_TRANSLATE_NOOP("devlink::errors", "Unknown transfer mode.");
    case ErrUnsendableRecord:
        return QT_TRANSLATE_NOOP("devlink::errors",
                                 "The address book holds data the pager cannot store.");
    default:
        return QT_TRANSLATE_NOOP("devlink::errors", "Unknown error (code %1).");
    }
}

QString withCode(QString text, int code)
{
    return text.contains(QLatin1String("%1")) ? text.arg(code) : text;
}

} // namespace

QString errorText(int code)
{
    return withCode(QCoreApplication::translate("devlink::errors", sourceText(code)), code);
}

QString errorLogText(int code)
{
    return withCode(QString::fromLatin1(sourceText(code)), code);
}

} // namespace devlink::protocol
