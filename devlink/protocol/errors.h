#pragma once
// Results of transfers with the pager. The numbers travel on the wire (the pager's answer
// to a request carries one) and are what CPager::GetErrorMessage turns into text, so they
// never change meaning. Transfer errors keep below 100; the address book uses 100..199.

#include <QString>

namespace devlink::protocol {

enum ErrorCode : int
{
    ErrNone = 0,
    ErrPortCannotOpen = 1,
    ErrNoAnswer = 2,
    ErrLineCorrupt = 3,
    ErrMemoryFull = 4,
    ErrInvalidData = 5,
    ErrBusy = 6,
    ErrConnectionLost = 7,
    ErrProtocol = 8,
    ErrUnsupportedPager = 9,
    ErrUnknownMode = 10,
    ErrUnsendableRecord = 11,
};

constexpr int kLastTransferError = 99;

constexpr bool isTransferError(int code)
{
    return code > ErrNone && code <= kLastTransferError;
}

// The text shown to the user for a transfer result, in the user's language; a neutral text
// with the number for a code this version does not know.
QString errorText(int code);
// The same in English, as the link log keeps it.
QString errorLogText(int code);

} // namespace devlink::protocol
