#pragma once
// The tests' stand-ins for the user at the message boxes and the file dialogs: each installs
// itself as the program's service while it lives and answers from a queue set by the test.

#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// Stands in for the user while it lives: installs itself, records every box asked for
// and answers every question from the queue; a box with only an OK button is answered OK
// without taking from it. A question with the queue empty gets dismissAnswer() and counts
// as unexpected, so a test that did not foresee it can say so instead of hanging.
class ScriptedMessageBoxes : public MessageBoxService
{
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    MessageAnswer show(QWidget* parent, const MessageRequest& request) override;

    QList<MessageAnswer> answers; // taken from the front
    QList<MessageRequest> requests;
    int unexpected = 0;

    QStringList texts() const;

private:
    MessageBoxService* m_previous = nullptr;
};

// Stands in for the user while it lives: installs itself, records every dialog asked for
// and answers from one queue (an empty string cancels). With the queue empty a dialog is
// cancelled and counts as unexpected. A dialog with a check box that chooses a file takes
// the box's state from checkBoxAnswers, or leaves it as it started when that is empty.
class ScriptedFileDialogs : public FileDialogService
{
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    QString getFile(QWidget* parent, const FileDialogRequest& request) override;
    QString getFolder(QWidget* parent, const FolderDialogRequest& request) override;

    QStringList answers;         // taken from the front
    QList<bool> checkBoxAnswers; // taken from the front
    QList<FileDialogRequest> fileRequests;
    QList<FolderDialogRequest> folderRequests;
    int unexpected = 0;

private:
    QString next();

    FileDialogService* m_previous = nullptr;
};

} // namespace platform
