#pragma once
// The right-hand column of the Messages window: the search field, the message list (or,
// while a search is on, its results across all folders) and the detail pane below them,
// which shows the current message of the list or of the results. The folder tree is
// followed, never driven: choosing a folder ends the search, and opening a result makes
// its folder the tree's current row.

#include <QPointer>
#include <QWidget>

class CLeftView;
class CRightDetailView;
class CRightListView;
class CSearchResultsView;
class QLineEdit;
class QStackedWidget;
class MessageModels;
class QSplitter;
struct MessageRecord;

class CRightView : public QWidget
{
    Q_OBJECT

public:
    explicit CRightView(MessageModels& models, QWidget* parent = nullptr);
    ~CRightView() override;

    // Once, by the main frame's set-up: the list's columns, then the detail pane.
    void initialUpdate();
    // The folder tree beside this pane: a folder chosen there ends the search, and a result
    // opened here is shown in its folder there.
    void followTree(CLeftView* tree);

    CRightListView* listView() const { return m_pListView; }
    CRightDetailView* detailView() const { return m_pDetailView; }
    QSplitter* splitter() const { return m_pSplitter; }
    QLineEdit* searchField() const { return m_pSearchField; }
    CSearchResultsView* searchView() const { return m_pSearchView; }
    // Ctrl+F: the search field takes the focus, its text selected.
    void focusSearch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void searchTextChanged(const QString& text);
    void openResult(const MessageRecord* message);
    void showMessage(const MessageRecord* message);

    MessageModels& m_models;
    QPointer<CLeftView> m_pTree;
    QLineEdit* m_pSearchField;
    QSplitter* m_pSplitter;
    QStackedWidget* m_pListStack;
    CRightListView* m_pListView;
    CRightDetailView* m_pDetailView;
    CSearchResultsView* m_pSearchView;
};
