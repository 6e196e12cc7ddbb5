#include "platform/keyboardcontextmenu.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWindow>

namespace platform {

namespace {

// Keys that only steer input (Shift held for a capital, the keypad's own flag) do not make
// another key of Shift+F10 or Menu.
bool isMenuKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_F10 && held == Qt::ShiftModifier) ||
           (key.key() == Qt::Key_Menu && held == Qt::NoModifier);
}

// Where a widget's menu opens: the place of its text cursor when it has one, in the
// coordinates of the widget that shows the text.
QPoint cursorPoint(const QWidget* widget, const QRect& area)
{
    const QRect cursor = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return cursor.isValid() && area.contains(cursor.center()) ? cursor.center() : area.center();
}

} // namespace

void requestContextMenu(QWidget* widget)
{
    QWidget* target = widget;
    QPoint point;
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
        // The view's own menus are asked for by its viewport, in the viewport's coordinates,
        // as a click asks for them: a place in the view's would sit a header's height off.
        target = view->viewport();
        const QModelIndex current = view->currentIndex();
        if (current.isValid())
            view->scrollTo(current);
        const QRect item = view->visualRect(current) & target->rect();
        point = item.isEmpty() ? QPoint(2, 2) : item.center();
    } else if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        target = area->viewport();
        point = cursorPoint(widget, target->rect());
    } else {
        point = cursorPoint(widget, widget->rect());
    }
    QContextMenuEvent request(QContextMenuEvent::Keyboard, point, target->mapToGlobal(point),
                              QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(target, &request);
}

bool KeyboardContextMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu && event->spontaneous() &&
        qobject_cast<QWindow*>(watched) &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        // The Menu key on X11: the window system asks the window, which would hand the
        // request to the focused widget itself rather than to a view's viewport, at a place
        // of its own. It is asked here instead.
        m_bMenuKeyAnswered = true;
        if (QWidget* focus = QApplication::focusWidget(); focus && focus->isEnabled())
            requestContextMenu(focus);
        return true;
    }
    // A key press reaches the window first, then the focused widget: the widget's is taken.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!isMenuKey(*key))
        return false;
    if (key->key() == Qt::Key_Menu && m_bMenuKeyAnswered) {
        m_bMenuKeyAnswered = false;
        return true;
    }
    // An open menu handles its own keys.
    if (QApplication::activePopupWidget())
        return false;
    requestContextMenu(static_cast<QWidget*>(watched));
    return true;
}

} // namespace platform
