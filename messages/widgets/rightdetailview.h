#pragma once
// The detail pane under the message list: the selected message's header line and text.
// The user can select text with the mouse and copy it from the context menu, and nothing
// else: every key is swallowed here, so nothing can be typed and no shortcut of the main
// window fires while this pane has the focus.

#include <QPlainTextEdit>

#include <memory>

class MessageViews;
class QMenu;
struct MessageRecord;

class CRightDetailView : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr int ID_EDIT_COPY = 32808;

    explicit CRightDetailView(MessageViews& doc, QWidget* parent = nullptr);
    ~CRightDetailView() override;

    // Registers with the document and sets the font.
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
    MessageViews& m_doc;
    QAction* m_actCopy;
};
