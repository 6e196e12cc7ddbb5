#pragma once
// Every file and folder dialog of the program goes through here, so that tests can choose
// the file and see what the program asked for.
//
// Filters are written the way the program has always written them, "Text|pattern||"
// (pairs of a description and its patterns, patterns separated by ';', the list ended by
// an empty pair), and translated for the dialog here.

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QFileDialog;
class QWidget;

namespace platform {

enum class FileDialogMode
{
    Open,
    Save,
};

struct FileDialogRequest
{
    FileDialogMode mode = FileDialogMode::Open;
    QString filter;           // "Quillbox File( *.txt )|*.txt||"
    QString defaultExtension; // added to a name typed without one, "txt"
    QString initialFolder;    // the home folder when empty or missing
    QString initialName;
    bool overwritePrompt = true; // Save only: ask before replacing an existing file
    bool mustExist = true;       // Open only: refuse a name that names no file
    QString title;               // the dialog's own title when empty
    // When given: set to the index of the filter entry the user left chosen (the dialog
    // starts on the first). Not part of what a test compares.
    int* chosenFilter = nullptr;
    // When not empty: a check box with this text below the file name, an option of what
    // is done with the file. It starts as *checked says, and *checked is set to the
    // user's choice when a file was chosen.
    QString checkBox;
    bool* checked = nullptr;

    friend bool operator==(const FileDialogRequest& a, const FileDialogRequest& b)
    {
        return a.mode == b.mode && a.filter == b.filter &&
               a.defaultExtension == b.defaultExtension && a.initialFolder == b.initialFolder &&
               a.initialName == b.initialName && a.overwritePrompt == b.overwritePrompt &&
               a.mustExist == b.mustExist && a.title == b.title && a.checkBox == b.checkBox;
    }
};

struct FolderDialogRequest
{
    QString title;
    QString initialFolder;

    friend bool operator==(const FolderDialogRequest&, const FolderDialogRequest&) = default;
};

// "Quillbox File( *.txt )|*.txt||" -> {"Quillbox File( *.txt ) (*.txt)"}. A description
// without patterns matches every file; an empty filter gives no entry at all.
QStringList toNameFilters(const QString& filter);

// The path with ".<extension>" added when its file name has no extension of its own.
QString withDefaultExtension(const QString& path, const QString& extension);

class FileDialogService
{
public:
    virtual ~FileDialogService();
    // The chosen file's full path, or an empty string when the user cancelled.
    virtual QString getFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // The chosen folder's path, or an empty string when the user cancelled.
    virtual QString getFolder(QWidget* parent, const FolderDialogRequest& request) = 0;
};

// The one that runs real dialogs on screen. It always uses the toolkit's own dialog rather
// than the desktop's: only then is the default extension added before the name is checked
// for a file to replace, and that question goes through the message-box service like every
// other.
class QtFileDialogService : public FileDialogService
{
public:
    QString getFile(QWidget* parent, const FileDialogRequest& request) override;
    QString getFolder(QWidget* parent, const FolderDialogRequest& request) override;

    // The dialogs the two functions above run, ready for exec().
    static std::unique_ptr<QFileDialog> createFileDialog(QWidget* parent,
                                                         const FileDialogRequest& request);
    static std::unique_ptr<QFileDialog> createFolderDialog(QWidget* parent,
                                                           const FolderDialogRequest& request);
};

// The service in use: the on-screen one unless another has been installed.
FileDialogService& fileDialogService();
// Installs a service (nullptr puts the on-screen one back) and returns the one it replaces.
FileDialogService* installFileDialogService(FileDialogService* service);

// The ways the program asks for a file or a folder. Whatever the dialog returns, a saved
// name gets the default extension when it has none, and an opened name that does not exist
// is tried with the default extension added.
QString openFile(QWidget* parent, FileDialogRequest request);
QString saveFile(QWidget* parent, FileDialogRequest request);
QString chooseFolder(QWidget* parent, const QString& title, const QString& initialFolder);

} // namespace platform
