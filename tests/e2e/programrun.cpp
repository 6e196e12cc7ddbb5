#include "programrun.h"

#include "messages/models/foldertreemodel.h"

#include "frame/mainframe.h"
#include "messages/models/messagelistmodel.h"
#include "messages/widgets/leftview.h"
#include "messages/widgets/rightdetailview.h"
#include "messages/widgets/rightlistview.h"
#include "messages/widgets/rightview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace e2e {

namespace {

QString homeFolder()
{
    return qEnvironmentVariable("HOME");
}

} // namespace

void useTemporaryHome()
{
    // Lives as long as the process; removed at its end.
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/quillbox-e2e-XXXXXX"));
    if (!home.isValid()) {
        std::fputs("cannot make a temporary home folder\n", stderr);
        std::abort();
    }
    const QString root = home.path();
    const auto set = [](const char* name, const QString& value) {
        QDir().mkpath(value);
        qputenv(name, QFile::encodeName(value));
    };
    set("HOME", root);
    set("XDG_CONFIG_HOME", root + QStringLiteral("/.config"));
    set("XDG_DATA_HOME", root + QStringLiteral("/.local/share"));
    set("XDG_CACHE_HOME", root + QStringLiteral("/.cache"));
    set("XDG_RUNTIME_DIR", root + QStringLiteral("/runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString defaultDatabase()
{
    return homeFolder() + QStringLiteral("/.local/share/Quillbox/Quillbox/LocalFolderDb.psf");
}

void wipeUserFiles()
{
    // Through QSettings as well: it keeps what it read of the file in memory.
    setApplicationIdentity();
    QSettings settings;
    settings.clear();
    settings.sync();
    QDir(homeFolder() + QStringLiteral("/.config/Quillbox")).removeRecursively();
    QDir(homeFolder() + QStringLiteral("/.local/share/Quillbox")).removeRecursively();
}

ProgramRun::ProgramRun() : m_app(std::make_unique<CQuillboxApp>()) {}

ProgramRun::~ProgramRun()
{
    // Whatever the test left, the window goes without the close sequence.
    m_app.reset();
}

bool ProgramRun::start(const QStringList& arguments)
{
    return m_app->InitInstance(QStringList{QStringLiteral("quillbox")} + arguments);
}

CMainFrame& ProgramRun::frame() const
{
    return *m_app->mainFrame();
}

CLeftView& ProgramRun::tree() const
{
    return *frame().leftView();
}

CRightListView& ProgramRun::list() const
{
    return *frame().rightView()->listView();
}

CRightDetailView& ProgramRun::detail() const
{
    return *frame().rightView()->detailView();
}

QModelIndex ProgramRun::childNamed(const QModelIndex& parent, const QString& name) const
{
    const QAbstractItemModel& model = tree().folderModel();
    for (int i = 0; i < model.rowCount(parent); ++i) {
        const QModelIndex child = model.index(i, 0, parent);
        // The stored name, whatever language the tree shows it in.
        if (child.data(Qt::EditRole).toString() == name)
            return child;
    }
    return {};
}

QModelIndex ProgramRun::pagerFolder(const QString& name) const
{
    return childNamed(tree().folderModel().pagerRoot(), name);
}

QModelIndex ProgramRun::localFolder(const QString& name) const
{
    return childNamed(tree().folderModel().localRoot(), name);
}

QModelIndex ProgramRun::localRoot() const
{
    return tree().folderModel().localRoot();
}

QStringList ProgramRun::childTexts(const QModelIndex& parent) const
{
    QStringList texts;
    const QAbstractItemModel& model = tree().folderModel();
    for (int i = 0; i < model.rowCount(parent); ++i)
        texts << model.index(i, 0, parent).data().toString();
    return texts;
}

void ProgramRun::selectFolder(const QModelIndex& folder)
{
    tree().setCurrentIndex(folder);
}

void ProgramRun::selectRows(const std::vector<int>& rows)
{
    QItemSelectionModel* selection = list().selectionModel();
    selection->clear();
    bool first = true;
    for (const int row : rows) {
        const QModelIndex index = list().model()->index(row, 0);
        const auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
        if (first)
            selection->setCurrentIndex(index, flags);
        else
            selection->select(index, flags);
        first = false;
    }
}

QStringList ProgramRun::column(int column) const
{
    QStringList texts;
    const QAbstractItemModel* model = list().model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

bool ProgramRun::close()
{
    return frame().close();
}

} // namespace e2e
