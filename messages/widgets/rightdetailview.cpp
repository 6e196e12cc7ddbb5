#include "messages/widgets/rightdetailview.h"

#include "messages/core/messagerecord.h"
#include "platform/bytes.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

CRightDetailView::CRightDetailView(QWidget* parent)
    : QPlainTextEdit(parent), m_actCopy(new QAction(tr("Copy"), this))
{
    setObjectName(QStringLiteral("detailView"));
    setAccessibleName(tr("Message"));
    setAccessibleDescription(tr("The header and text of the message chosen in the list"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setUndoRedoEnabled(false);
    // Long lines wrap at the pane's width instead of scrolling sideways.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_actCopy->setData(ID_EDIT_COPY);
    connect(m_actCopy, &QAction::triggered, this, &CRightDetailView::OnEditCopy);
}

CRightDetailView::~CRightDetailView() = default;

void CRightDetailView::initialUpdate()
{
    // A cell height of 16 pixels in the proportional face of the system, which gives a
    // character height of about 14.
    QFont face(QStringLiteral("Arial"));
    face.setStyleHint(QFont::SansSerif);
    face.setPixelSize(14);
    face.setWeight(QFont::Normal);
    setFont(face);
}

void CRightDetailView::showMessage(const MessageRecord* message)
{
    if (!message) {
        clearText();
        return;
    }
    QString text = platform::toDisplay(message->strHeader) + QLatin1String("\r\n") +
                   platform::toDisplay(message->strText);
    // The pager's texts end lines with CR LF; the pane breaks lines on LF only and would
    // show a CR as a glyph of its own.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(text);
}

void CRightDetailView::clearText()
{
    clear();
}

std::unique_ptr<QMenu> CRightDetailView::createContextMenu()
{
    if (!textCursor().hasSelection())
        return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("ContextListDetail"));
    menu->addAction(m_actCopy);
    return menu;
}

void CRightDetailView::OnEditCopy()
{
    copy();
}

bool CRightDetailView::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::ShortcutOverride:
        // Claiming the key keeps the main window's shortcuts from acting on it; it then
        // arrives here as a key press and goes no further.
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
        e->accept();
        return true;
    default:
        break;
    }
    return QPlainTextEdit::event(e);
}

void CRightDetailView::contextMenuEvent(QContextMenuEvent* e)
{
    // From the keyboard the menu opens where the selection ends, not where the mouse is.
    const QPoint at = e->reason() == QContextMenuEvent::Keyboard
                          ? viewport()->mapToGlobal(cursorRect().center())
                          : e->globalPos();
    if (std::unique_ptr<QMenu> menu = createContextMenu())
        menu->exec(at);
    e->accept();
}
