#include "devlink/protocol/errors.h"

namespace devlink::protocol {

QString errorText(int code)
{
    switch (code) {
    case ErrNone:
        return QStringLiteral("No error.");
    case ErrPortCannotOpen:
        return QStringLiteral("The serial port cannot be opened.");
    case ErrNoAnswer:
        return QStringLiteral("The pager does not answer.");
    case ErrLineCorrupt:
        return QStringLiteral("The line stays corrupt after the retries.");
    case ErrMemoryFull:
        return QStringLiteral("The pager refuses: memory full.");
    case ErrInvalidData:
        return QStringLiteral("The pager refuses: invalid data.");
    case ErrBusy:
        return QStringLiteral("A transfer is already running.");
    case ErrConnectionLost:
        return QStringLiteral("The connection to the pager was lost.");
    case ErrProtocol:
        return QStringLiteral("Protocol error.");
    case ErrUnsupportedPager:
        return QStringLiteral("The pager speaks another version of the protocol.");
    case ErrUnknownMode:
        return QStringLiteral("Unknown transfer mode.");
    case ErrUnsendableRecord:
        return QStringLiteral("The address book holds data the pager cannot store.");
    default:
        return QStringLiteral("Unknown error (code %1).").arg(code);
    }
}

} // namespace devlink::protocol
