#pragma once
// The message document: the store of folders and messages, the folder database it is read
// from at start and written to at close, and the item and selection models that the views
// of the Messages window show. It knows no view.

#include "messages/core/messagerecord.h"
#include "messages/models/messagemodels.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

class MessageStore;
class QWidget;
struct Settings;

class CQuillboxDoc
{
    Q_DECLARE_TR_FUNCTIONS(CQuillboxDoc)

public:
    // The store outlives the document; the settings hold the two number counters between
    // runs and the folder of the database.
    CQuillboxDoc(MessageStore& store, Settings& settings);
    ~CQuillboxDoc();
    CQuillboxDoc(const CQuillboxDoc&) = delete;
    CQuillboxDoc& operator=(const CQuillboxDoc&) = delete;

    MessageStore& store() const { return m_models.store(); }
    // The models of the folder tree, the message list and the search, and their selections.
    MessageModels& models() { return m_models; }

    // The database of this run: "<FilePath>/LocalFolderDb.psf", unless a file was named.
    QString folderDbPath() const;
    void setFolderDbPath(const QString& path) { m_strDbPath = path; }

    // Reads the database, if there is one, into the store (the counters start from the
    // settings and are raised above every number read). A damaged file is set aside under
    // another name before anything can be written over it, the user is told which and why
    // (parent owns the box), and the records read before the damage stay. A file that
    // could not be read (a folder, no permission) is not damaged: it stays where it is,
    // the run starts with the default folders, and the save asks before writing over it.
    // Then the store's folders are set up: the pager's, and on a first run (or one that read
    // nothing) the default local folders. Always 0.
    int LoadFolderDb(QWidget* parent);

    // Why a file cannot be taken as a folder database, or an empty string: only a whole one
    // is taken, and a pipe or a device is refused before anything reads from it.
    static QString CheckFolderDbFile(const QString& path);
    // The database of the rest of the run: every record goes, the local folders are read from
    // path (as LoadFolderDb reads them), and the tree is to be built again. The caller has
    // written the folders of the database before.
    int OpenFolderDb(const QString& path, QWidget* parent);

    // Writes the local folders and their messages. The pager side stays in memory, so a
    // close that does not go ahead loses nothing. The settings take the counters that
    // renumbering gave. On failure the old file is whole and error says why.
    bool SaveFolderDb(QString* error);

    // After a finished message download: the pager folders take the pager's names and
    // exactly the messages of that download.
    void TakeDownloadedMessages(const std::vector<DeviceMessage>& messages,
                                const FolderNameSlots& folderNames);

    // Frees every record: the document is closing.
    void OnCloseDocument();

    // Written as the first word of the database; replaced by the word a file held.
    quint32 m_dwFileHeader;

private:
    // Reads the database into the store; true when it was read (whole, or the part before
    // some damage), false when there was none or nothing of it could be read.
    bool ReadFolderDb(QWidget* parent);

    MessageModels m_models;
    Settings& m_settings;
    QString m_strDbPath;
    // A damaged database that could not be set aside at start: tried again before the
    // next write, which must not land on it.
    QString m_strDamagedPath;
    // A database that was there but could not be read at start: written over only when the
    // user says so.
    QString m_strUnreadPath;
    // Where this run's local folders were read from (or would have been, on a first run).
    // A database elsewhere, which the Settings may point the run to, holds folders that are
    // not among this run's: it too is written over only when the user says so.
    QString m_strReadPath;
};
