#pragma once
// Everything the program tells the user goes through here, so that every text can be
// checked and every question answered without a person at the keyboard. The program
// shows its texts exactly as written (trailing blanks and all); only the way they are
// put on screen belongs to the service.

#include <QList>
#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace platform {

enum class MessageButtons
{
    Ok,
    YesNo,
    YesNoCancel,
};

enum class MessageIcon
{
    None,
    Information,
    Question,
    Warning,
    Stop,
};

enum class MessageAnswer
{
    Ok,
    Yes,
    No,
    Cancel,
};

struct MessageRequest
{
    QString text;
    QString caption; // the program's title when none is given
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;

    friend bool operator==(const MessageRequest&, const MessageRequest&) = default;
};

// The caption of a message box that names none.
QString programTitle();

// The answer of a box that the user closed without choosing (Esc, the window's close
// button): the same as its Cancel, No or OK button, in that order of preference.
MessageAnswer dismissAnswer(MessageButtons buttons);

class MessageBoxService
{
public:
    virtual ~MessageBoxService();
    // Shows the box modally and returns the button chosen.
    virtual MessageAnswer show(QWidget* parent, const MessageRequest& request) = 0;
};

// The one that runs a real message box on screen.
class QtMessageBoxService : public MessageBoxService
{
public:
    MessageAnswer show(QWidget* parent, const MessageRequest& request) override;

    // The box show() would run, ready for exec().
    static std::unique_ptr<QMessageBox> createBox(QWidget* parent, const MessageRequest& request);
    // Which answer a button of such a box stands for.
    static MessageAnswer answerFor(const QMessageBox& box);
};

// The service in use: the on-screen one unless another has been installed.
MessageBoxService& messageBoxService();
// Installs a service (nullptr puts the on-screen one back) and returns the one it replaces,
// which stays owned by whoever installed it.
MessageBoxService* installMessageBoxService(MessageBoxService* service);

// The one way the program shows a message box. An empty caption becomes programTitle().
MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& caption = {},
                          MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::None);

// The kinds of box the program uses.
inline void tell(QWidget* parent, const QString& text)
{
    showMessage(parent, text);
}
inline void inform(QWidget* parent, const QString& text)
{
    showMessage(parent, text, {}, MessageButtons::Ok, MessageIcon::Information);
}
inline void stop(QWidget* parent, const QString& text, const QString& caption)
{
    showMessage(parent, text, caption, MessageButtons::Ok, MessageIcon::Stop);
}
inline MessageAnswer askYesNo(QWidget* parent, const QString& text)
{
    return showMessage(parent, text, {}, MessageButtons::YesNo);
}
inline MessageAnswer askYesNoCancel(QWidget* parent, const QString& text)
{
    return showMessage(parent, text, {}, MessageButtons::YesNoCancel);
}

} // namespace platform
