#pragma once
// The application object: it starts the program in its fixed order, holds the settings
// that the rest of the program reads and changes in place, writes them back when the main
// window has closed, and carries the two application-wide commands, Help and About.
//
// It runs inside a QApplication that its caller made (main(), or a test), so that several
// runs of the program can follow each other in one process.

#include "contacts/core/addressbook.h"
#include "messages/core/messagestore.h"
#include "platform/settings.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CMainFrame;
class CQuillboxDoc;
class QLockFile;

class CQuillboxApp : public QObject
{
    Q_OBJECT

public:
    explicit CQuillboxApp(QObject* parent = nullptr);
    ~CQuillboxApp() override;
    CQuillboxApp(const CQuillboxApp&) = delete;
    CQuillboxApp& operator=(const CQuillboxApp&) = delete;

    // Start-up: settings, document, main frame and panes, the frame's set-up, the window
    // shown on the Contacts window. arguments as QCoreApplication::arguments() gives them
    // (program name first); an optional folder database file may follow. False ends the
    // program: a file named that cannot be read, or a command line that asked only for
    // help or the version.
    bool InitInstance(const QStringList& arguments);
    // InitInstance with the process's arguments, then the event loop; the exit status.
    int run();
    // What the command line alone answers, before any window is made: -1 when the program
    // should start (file then holds the folder database named, if any), otherwise the exit
    // status after the help, the version or a usage error was printed. Both need only a
    // QCoreApplication.
    static int answerCommandLine(const QStringList& arguments, QString* file = nullptr);
    // A well-formed command line with --help or --version.
    static bool asksForHelpOrVersion(const QStringList& arguments);

    void LoadSettings();
    // The seven "Config" values and the progress window's place.
    void SaveSettings() const;

    Settings& settings() { return m_settings; }
    MessageStore& store() { return m_store; }
    AddressBook& book() { return m_book; }
    CQuillboxDoc* document() const { return m_pDoc.get(); }
    CMainFrame* mainFrame() const { return m_pFrame.get(); }

    // The help that comes with the program: installed beside it, or in the source tree it
    // was built from. Empty when neither is there.
    static QString shippedHelpFile();
    // The program's icon, from its resources.
    static QIcon programIcon();

public Q_SLOTS:
    void OnAppAbout();
    void OnHelp();

private:
    void useDesktopIcons();
    void closeOnStopSignals();
    // A stop signal during start-up: the program ends at once, writing nothing.
    [[noreturn]] void endStartUp(int number);
    // Takes the lock beside the folder database of this run; false when another program
    // holds it (the user has been told).
    bool lockFolderDb();
    // The Settings dialog moves the database: the lock moves with it, unless another
    // program holds the one at the new place (false, the user has been told).
    bool moveFolderDbLock(const QString& from, const QString& to);

    // Held until everything else has gone: declared first, destroyed last.
    std::unique_ptr<QLockFile> m_pLock;
    Settings m_settings;
    // The records outlive the document and the frame: the messages, and the address book
    // (which the frame's device link and Contacts window work on).
    MessageStore m_store;
    AddressBook m_book;
    std::unique_ptr<CQuillboxDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    int m_nExitCode = 0;
    bool m_bStarting = false; // run() has not yet finished start-up
};
