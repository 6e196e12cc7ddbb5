#include "frame/quillboxdoc.h"

#include "messages/core/folderdb.h"
#include "messages/core/messagestore.h"
#include "messages/models/foldertreemodel.h"
#include "messages/models/messagelistmodel.h"
#include "messages/models/searchresultsmodel.h"
#include "platform/inputfile.h"
#include "platform/messageboxservice.h"
#include "platform/paths.h"
#include "platform/settings.h"

#include <QDir>
#include <QFileInfo>

CQuillboxDoc::CQuillboxDoc(MessageStore& store, Settings& settings)
    : m_dwFileHeader(folderdb::DEFAULT_HEADER), m_models(store), m_settings(settings)
{
}

CQuillboxDoc::~CQuillboxDoc() = default;

QString CQuillboxDoc::folderDbPath() const
{
    return m_strDbPath.isEmpty() ? folderdb::databasePath(m_settings.FilePath) : m_strDbPath;
}

int CQuillboxDoc::LoadFolderDb(QWidget* parent)
{
    store().SetUpFolders(!ReadFolderDb(parent));
    return 0;
}

bool CQuillboxDoc::ReadFolderDb(QWidget* parent)
{
    MessageStore& s = store();
    s.counters().nextMessageId = m_settings.ListItemDataCNT;
    s.counters().nextFolderId = m_settings.TreeItemDataCNT;

    const QString path = folderDbPath();
    m_strReadPath = path;
    const folderdb::ReadResult result = s.LoadFolderDb(path);
    if (!result.found)
        return false;
    m_dwFileHeader = result.header;
    if (result.ok)
        return true;
    if (result.unreadable) {
        // Not damage: the file stays where it is, and the close asks before writing over
        // it. This run starts with the default local folders.
        m_strUnreadPath = path;
        m_dwFileHeader = folderdb::DEFAULT_HEADER;
        s.records().clear();
        platform::showMessage(parent,
                              tr("%1\n\nThe file has not been changed. Quillbox starts with the "
                                 "default local folders, and asks before it writes over the file "
                                 "when it closes.")
                                  .arg(result.error),
                              {}, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
        return false;
    }

    // The next save would replace the file with what could be read of it: it goes out of
    // the way first, so that whatever lies beyond the damage can still be recovered.
    QString why;
    const QString aside = folderdb::setAside(path, &why);
    const QString name = QDir::toNativeSeparators(path);
    QString text =
        tr("The folder database\n%1\ncould not be read whole.\n\n%2\n\n").arg(name, result.error);
    if (!aside.isEmpty()) {
        text += tr("The damaged file has been kept as\n%1").arg(QDir::toNativeSeparators(aside));
    } else {
        m_strDamagedPath = path;
        text += tr("%1\nIt is not written over: Quillbox tries again to move it "
                   "aside when it closes.")
                    .arg(why);
    }
    if (!s.records().empty())
        text += tr("\n\nQuillbox goes on with the folders and messages read "
                   "before the damage.");
    platform::showMessage(parent, text, {}, platform::MessageButtons::Ok,
                          platform::MessageIcon::Warning);

    // Nothing read is a first run: the default local folders are created.
    return !s.records().empty();
}

QString CQuillboxDoc::CheckFolderDbFile(const QString& path)
{
    QString why = platform::checkInputFile(path);
    if (why.isEmpty()) {
        RecordList probe;
        const folderdb::ReadResult read = folderdb::readFile(path, probe);
        if (!read.ok)
            why = read.error;
    }
    return why;
}

int CQuillboxDoc::OpenFolderDb(const QString& path, QWidget* parent)
{
    OnCloseDocument();
    m_strDbPath = path;
    m_strDamagedPath.clear();
    m_strUnreadPath.clear();
    m_dwFileHeader = folderdb::DEFAULT_HEADER;
    return LoadFolderDb(parent);
}

bool CQuillboxDoc::SaveFolderDb(QString* error)
{
    const QString path = folderDbPath();
    if (!m_strDamagedPath.isEmpty() && m_strDamagedPath == path) {
        if (QFileInfo::exists(path) && folderdb::setAside(path, error).isEmpty())
            return false;
        m_strDamagedPath.clear();
    }
    QString question;
    if (!m_strUnreadPath.isEmpty() && m_strUnreadPath == path)
        question = tr("The folder database\n%1\ncould not be read when Quillbox started, so "
                      "its folders and messages are not among those of this run.\n\nWrite "
                      "the local folders of this run over it?");
    else if (!m_strReadPath.isEmpty() && QFileInfo(path) != QFileInfo(m_strReadPath))
        question = tr("The folder database\n%1\nis not the one Quillbox started with, so its "
                      "folders and messages are not among those of this run.\n\nWrite the "
                      "local folders of this run over it?");
    if (!question.isEmpty() && QFileInfo::exists(path)) {
        const platform::MessageAnswer answer =
            platform::showMessage(nullptr, question.arg(QDir::toNativeSeparators(path)), {},
                                  platform::MessageButtons::YesNo, platform::MessageIcon::Warning);
        if (answer != platform::MessageAnswer::Yes) {
            if (error) {
                *error = tr("The folder database %1 was not written: it is kept as "
                            "it was.")
                             .arg(QDir::toNativeSeparators(path));
            }
            return false;
        }
        m_strUnreadPath.clear();
        m_strReadPath = path;
    }
    // The per-user data folder is the program's own and is not there before its first
    // save; any other folder is the user's, who chose it and must see it missing.
    const QString folder = QFileInfo(path).absolutePath();
    if (folder == QDir(platform::defaultDataFolder()).absolutePath())
        QDir().mkpath(folder);
    // The counters kept for the next run are those of the file just written; the store's
    // own stay above every number still in memory, for as long as this run goes on.
    StoreCounters counters;
    const bool written = store().SaveFolderDb(path, m_dwFileHeader, error, &counters);
    if (written) {
        m_settings.ListItemDataCNT = counters.nextMessageId;
        m_settings.TreeItemDataCNT = counters.nextFolderId;
    }
    return written;
}

void CQuillboxDoc::TakeDownloadedMessages(const std::vector<DeviceMessage>& messages,
                                          const FolderNameSlots& folderNames)
{
    // The search's rows may be pager messages that the download replaces.
    m_models.searchModel().storeChanged();
    store().TakeDownloadedMessages(messages, folderNames);
}

void CQuillboxDoc::OnCloseDocument()
{
    // The models let go of the records before they are freed.
    m_models.listModel().clear();
    m_models.searchModel().storeChanged();
    store().DeleteAllRecords();
    m_models.folderModel().reload();
}
