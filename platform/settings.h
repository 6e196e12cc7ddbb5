#pragma once
// The program's persistent settings: read once at start, changed in place by whoever uses
// them, written back when the main window closes. A plain value: what the values mean to
// the parts that use them (where the folder database lives, say) is theirs to know.

#include <QPoint>
#include <QString>
#include <QtGlobal>

#include <optional>

class QSettings;

struct Settings
{
    // Section "Config", each member named by its stored value.
    qint32 CommPort = 1;         // 1 = COM1 ... 8 = COM8
    qint32 ListItemDataCNT = 1;  // next free message number
    qint32 TreeItemDataCNT = 20; // next free folder number
    qint32 szAddressItemData = 1;
    QString FilePath;      // folder of the folder database
    QString szAddressPath; // where the contacts file dialogs open
    QString HelpFilename;  // stored as "Help Filename"

    // Section "CardDAV": the address book's account on a server (its password is in the
    // system's keychain, never here). Empty when none was set up.
    QString CardDavUrl;  // as the user gave it: a host name or a URL
    QString CardDavUser;
    QString CardDavBook; // the address book's collection URL, found or chosen

    // Section "Link", "DownloadWhenPluggedIn": Download Messages starts by itself when the
    // pager's port appears while the program runs.
    bool DownloadWhenPluggedIn = false;

    // Section "Settings": the progress window's top-left corner, -1 when never placed.
    qint32 X = -1;
    qint32 Y = -1;

    // X and Y as a place on the screen; nullopt when the window was never placed.
    std::optional<QPoint> progressPosition() const;
    void setProgressPosition(std::optional<QPoint> at);

    // The defaults of a first run on this platform.
    static Settings defaults();

    // Every value that is missing or unreadable gets its default.
    void load(QSettings& store);
    // Writes the seven "Config" values, the "Link" one and the "CardDAV" account.
    void save(QSettings& store) const;
    // Writes "X" and "Y" of section "Settings", when the window has been placed.
    void saveProgressPosition(QSettings& store) const;
};

// The per-user store: organisation "Quillbox", application "Quillbox".
void setApplicationIdentity();
