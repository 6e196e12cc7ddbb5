#pragma once
// What the Contacts window asks of whoever moves the address book to and from the pager:
// the transfers start there (beside the message download), and their ends come back to the
// window as DownloadCompleted, UploadCompleted or a failure. The window knows nothing of the
// device link behind it.

class ContactsTransfers
{
public:
    virtual ~ContactsTransfers() = default;

    // Start a contacts download or upload and return at once: 0 when it has begun,
    // otherwise the error code, whose text the user has been shown.
    virtual int DownloadContacts() = 0;
    virtual int UploadContacts() = 0;
};
