#pragma once
// Context menus from the keyboard. Shift+F10 and the Menu key open the context menu of the
// widget with the focus, as a right click on it would; an item view's opens on its current
// item, at that item, whatever the mouse points at.

#include <QObject>

class QWidget;

namespace platform {

// An application-wide event filter: installed on the application object by the program
// (QCoreApplication::installEventFilter), and gone with it when it is deleted.
class KeyboardContextMenu : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window system has already asked for the menu of the Menu key pressed now; its key
    // press, which follows, asks for nothing more.
    bool m_bMenuKeyAnswered = false;
};

// Sends widget a keyboard context-menu request (QContextMenuEvent::Keyboard): an item view's
// to its viewport at the middle of the current item (scrolled into sight), or near the
// viewport's top-left corner when there is none; another scroll area's to its viewport at the
// text cursor; any other widget's at its text cursor, else its middle.
void requestContextMenu(QWidget* widget);

} // namespace platform
