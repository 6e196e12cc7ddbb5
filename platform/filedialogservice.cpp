#include "platform/filedialogservice.h"

#include "platform/messageboxservice.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

#include <algorithm>

namespace platform {

namespace {

QtFileDialogService& onScreenService()
{
    static QtFileDialogService service;
    return service;
}

FileDialogService* g_installed = nullptr;

QString bareExtension(const QString& extension)
{
    QString bare = extension.trimmed();
    while (bare.startsWith(QLatin1Char('.')))
        bare.remove(0, 1);
    return bare;
}

QString startFolder(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// The toolkit's dialog would ask its own questions with its own message boxes; these go
// through the message-box service instead. An opened name may leave out the default
// extension, as the program's users have always been able to.
class QuillboxFileDialog : public QFileDialog
{
public:
    QuillboxFileDialog(QWidget* parent, const FileDialogRequest& request)
        : QFileDialog(parent), m_extension(bareExtension(request.defaultExtension)),
          m_overwritePrompt(request.overwritePrompt), m_mustExist(request.mustExist)
    {
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (files.size() == 1 && !QFileInfo(files.first()).isDir()) {
            QString path = files.first();
            // The toolkit does not add the default extension reliably: done here, before
            // the name is checked for a file to replace.
            if (acceptMode() == AcceptSave && withDefaultExtension(path, m_extension) != path) {
                path = withDefaultExtension(path, m_extension);
                selectFile(path);
            }
            if (acceptMode() == AcceptOpen && !QFileInfo::exists(path)) {
                const QString withExtension = withDefaultExtension(path, m_extension);
                const bool found = withExtension != path && QFileInfo(withExtension).isFile();
                if (!found && !m_mustExist) {
                    // The caller opens the name itself and tells why it could not.
                } else if (!found) {
                    showMessage(this,
                                QCoreApplication::translate("platform::filedialog",
                                                            "%1\nFile not found.\nCheck the file "
                                                            "name and try again.")
                                    .arg(QDir::toNativeSeparators(path)),
                                windowTitle(), MessageButtons::Ok, MessageIcon::Warning);
                    return;
                } else {
                    selectFile(withExtension);
                }
            } else if (acceptMode() == AcceptSave && m_overwritePrompt && QFileInfo::exists(path)) {
                const MessageAnswer answer = showMessage(
                    this,
                    QCoreApplication::translate("platform::filedialog",
                                                "%1 already exists.\nDo you want to replace it?")
                        .arg(QDir::toNativeSeparators(path)),
                    QCoreApplication::translate("platform::filedialog", "Confirm Save As"),
                    MessageButtons::YesNo, MessageIcon::Warning);
                if (answer != MessageAnswer::Yes)
                    return;
            }
        }
        QFileDialog::accept();
    }

private:
    QString m_extension;
    bool m_overwritePrompt = true;
    bool m_mustExist = true;
};

} // namespace

QStringList toNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patternText = i + 1 < parts.size() ? parts.at(i + 1) : QString();
        if (description.isEmpty() && patternText.trimmed().isEmpty())
            break; // the empty pair that ends the list
        QStringList patterns;
        for (const QString& pattern : patternText.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!pattern.trimmed().isEmpty())
                patterns.append(pattern.trimmed());
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        const QString joined = patterns.join(QLatin1Char(' '));
        filters.append((description.isEmpty() ? joined : description) + QStringLiteral(" (") +
                       joined + QLatin1Char(')'));
    }
    return filters;
}

QString withDefaultExtension(const QString& path, const QString& extension)
{
    const QString bare = bareExtension(extension);
    const QString name = QFileInfo(path).fileName();
    if (bare.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + bare;
}

FileDialogService::~FileDialogService() = default;

std::unique_ptr<QFileDialog> QtFileDialogService::createFileDialog(QWidget* parent,
                                                                   const FileDialogRequest& request)
{
    if (!parent)
        parent = QApplication::activeWindow();
    const bool save = request.mode == FileDialogMode::Save;
    std::unique_ptr<QFileDialog> dialog = std::make_unique<QuillboxFileDialog>(parent, request);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);  // asked in accept() instead
    dialog->setOption(QFileDialog::HideNameFilterDetails); // the descriptions show patterns
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save || !request.mustExist ? QFileDialog::AnyFile
                                                   : QFileDialog::ExistingFile);
    dialog->setWindowTitle(!request.title.isEmpty() ? request.title
                           : save ? QCoreApplication::translate("platform::filedialog", "Save As")
                                  : QCoreApplication::translate("platform::filedialog", "Open"));
    const QStringList filters = toNameFilters(request.filter);
    if (!filters.isEmpty())
        dialog->setNameFilters(filters);
    if (save)
        dialog->setDefaultSuffix(bareExtension(request.defaultExtension));
    dialog->setDirectory(startFolder(request.initialFolder));
    if (!request.initialName.isEmpty())
        dialog->selectFile(request.initialName);
    // The toolkit's own dialog lays itself out on a grid: the box goes below everything.
    auto* grid = qobject_cast<QGridLayout*>(dialog->layout());
    if (!request.checkBox.isEmpty() && grid) {
        auto* box = new QCheckBox(request.checkBox, dialog.get());
        box->setObjectName(QStringLiteral("fileDialogCheckBox"));
        box->setChecked(request.checked && *request.checked);
        grid->addWidget(box, grid->rowCount(), 0, 1, grid->columnCount());
    }
    return dialog;
}

std::unique_ptr<QFileDialog>
QtFileDialogService::createFolderDialog(QWidget* parent, const FolderDialogRequest& request)
{
    if (!parent)
        parent = QApplication::activeWindow();
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    if (!request.title.isEmpty())
        dialog->setWindowTitle(request.title);
    dialog->setDirectory(startFolder(request.initialFolder));
    return dialog;
}

QString QtFileDialogService::getFile(QWidget* parent, const FileDialogRequest& request)
{
    const std::unique_ptr<QFileDialog> dialog = createFileDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted)
        return {};
    if (request.chosenFilter)
        *request.chosenFilter = std::max<int>(
            0, static_cast<int>(dialog->nameFilters().indexOf(dialog->selectedNameFilter())));
    if (request.checked) {
        if (const auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("fileDialogCheckBox")))
            *request.checked = box->isChecked();
    }
    return dialog->selectedFiles().value(0);
}

QString QtFileDialogService::getFolder(QWidget* parent, const FolderDialogRequest& request)
{
    const std::unique_ptr<QFileDialog> dialog = createFolderDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted)
        return {};
    const QString folder = dialog->selectedFiles().value(0);
    return folder.isEmpty() ? folder : QDir::cleanPath(folder);
}

FileDialogService& fileDialogService()
{
    return g_installed ? *g_installed : onScreenService();
}

FileDialogService* installFileDialogService(FileDialogService* service)
{
    FileDialogService* previous = g_installed;
    g_installed = service;
    return previous;
}

QString openFile(QWidget* parent, FileDialogRequest request)
{
    request.mode = FileDialogMode::Open;
    QString path = fileDialogService().getFile(parent, request);
    if (!path.isEmpty() && !QFileInfo::exists(path)) {
        const QString withExtension = withDefaultExtension(path, request.defaultExtension);
        if (QFileInfo::exists(withExtension))
            path = withExtension;
    }
    return path;
}

QString saveFile(QWidget* parent, FileDialogRequest request)
{
    request.mode = FileDialogMode::Save;
    const QString path = fileDialogService().getFile(parent, request);
    return path.isEmpty() ? path : withDefaultExtension(path, request.defaultExtension);
}

QString chooseFolder(QWidget* parent, const QString& title, const QString& initialFolder)
{
    return fileDialogService().getFolder(parent, FolderDialogRequest{title, initialFolder});
}

} // namespace platform
