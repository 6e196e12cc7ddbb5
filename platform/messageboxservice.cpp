#include "platform/messageboxservice.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {

QtMessageBoxService& onScreenService()
{
    static QtMessageBoxService service;
    return service;
}

MessageBoxService* g_installed = nullptr;

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageButtons buttonsOf(const QMessageBox& box)
{
    const QMessageBox::StandardButtons buttons = box.standardButtons();
    if (buttons.testFlag(QMessageBox::Cancel))
        return MessageButtons::YesNoCancel;
    if (buttons.testFlag(QMessageBox::No))
        return MessageButtons::YesNo;
    return MessageButtons::Ok;
}

} // namespace

QString programTitle()
{
    return QStringLiteral("Quillbox");
}

MessageAnswer dismissAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return MessageAnswer::Ok;
}

MessageBoxService::~MessageBoxService() = default;

std::unique_ptr<QMessageBox> QtMessageBoxService::createBox(QWidget* parent,
                                                            const MessageRequest& request)
{
    if (!parent)
        parent = QApplication::activeWindow();
    // Some texts carry CR LF line ends; a CR would show as a stray glyph.
    QString text = request.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    auto box = std::make_unique<QMessageBox>(qtIcon(request.icon), request.caption, text,
                                             qtButtons(request.buttons), parent);
    // Names and addresses the user typed end up in these texts; they are never markup.
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(request.buttons == MessageButtons::Ok ? QMessageBox::Ok
                                                                : QMessageBox::Yes);
    return box;
}

MessageAnswer QtMessageBoxService::answerFor(const QMessageBox& box)
{
    QAbstractButton* clicked = box.clickedButton();
    switch (clicked ? box.standardButton(clicked) : QMessageBox::NoButton) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    return dismissAnswer(buttonsOf(box));
}

MessageAnswer QtMessageBoxService::show(QWidget* parent, const MessageRequest& request)
{
    const std::unique_ptr<QMessageBox> box = createBox(parent, request);
    box->exec();
    return answerFor(*box);
}

MessageBoxService& messageBoxService()
{
    return g_installed ? *g_installed : onScreenService();
}

MessageBoxService* installMessageBoxService(MessageBoxService* service)
{
    MessageBoxService* previous = g_installed;
    g_installed = service;
    return previous;
}

MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& caption,
                          MessageButtons buttons, MessageIcon icon)
{
    const MessageRequest request{text, caption.isEmpty() ? programTitle() : caption, buttons, icon};
    return messageBoxService().show(parent, request);
}

} // namespace platform
