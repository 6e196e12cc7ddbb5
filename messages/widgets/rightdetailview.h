#pragma once
// The detail pane under the message list: the selected message's header line and text.
// The user can select text with the mouse and copy it from the context menu, and nothing
// else: every key is swallowed here, so nothing can be typed and no shortcut of the main
// window fires while this pane has the focus.

#include <QPlainTextEdit>

#include <memory>

class QMenu;
struct MessageRecord;

class CRightDetailView : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr int ID_EDIT_COPY = 32808;

    explicit CRightDetailView(QWidget* parent = nullptr);
    ~CRightDetailView() override;

    // Sets the font.
    void initialUpdate();
    // The header line, then the text; nullptr empties the pane.
    void showMessage(const MessageRecord* message);
    void clearText();

    // The "ContextListDetail" menu, or nullptr when nothing is selected.
    std::unique_ptr<QMenu> createContextMenu();
    QAction* copyAction() const { return m_actCopy; }

public Q_SLOTS:
    void OnEditCopy();

protected:
    bool event(QEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    QAction* m_actCopy;
};
