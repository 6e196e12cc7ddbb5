#include "tests/support/scripteddialogs.h"

namespace platform {

ScriptedMessageBoxes::ScriptedMessageBoxes() : m_previous(installMessageBoxService(this)) {}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    installMessageBoxService(m_previous);
}

MessageAnswer ScriptedMessageBoxes::show(QWidget*, const MessageRequest& request)
{
    requests.append(request);
    if (request.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.isEmpty()) {
        ++unexpected;
        return dismissAnswer(request.buttons);
    }
    return answers.takeFirst();
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList result;
    for (const MessageRequest& request : requests)
        result.append(request.text);
    return result;
}

ScriptedFileDialogs::ScriptedFileDialogs() : m_previous(installFileDialogService(this)) {}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    installFileDialogService(m_previous);
}

QString ScriptedFileDialogs::next()
{
    if (answers.isEmpty()) {
        ++unexpected;
        return {};
    }
    return answers.takeFirst();
}

QString ScriptedFileDialogs::getFile(QWidget*, const FileDialogRequest& request)
{
    fileRequests.append(request);
    const QString path = next();
    if (!path.isEmpty() && request.checked && !request.checkBox.isEmpty() &&
        !checkBoxAnswers.isEmpty())
        *request.checked = checkBoxAnswers.takeFirst();
    return path;
}

QString ScriptedFileDialogs::getFolder(QWidget*, const FolderDialogRequest& request)
{
    folderRequests.append(request);
    return next();
}

} // namespace platform
