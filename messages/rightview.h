#pragma once
// The right-hand column of the Messages window: the message list above the detail pane.

#include <QWidget>

class CRightDetailView;
class CRightListView;
class MessageViews;
class QSplitter;

class CRightView : public QWidget
{
    Q_OBJECT

public:
    explicit CRightView(MessageViews& doc, QWidget* parent = nullptr);
    ~CRightView() override;

    // Once, by the main frame's set-up: the list's columns, then the detail pane.
    void initialUpdate();

    CRightListView* listView() const { return m_pListView; }
    CRightDetailView* detailView() const { return m_pDetailView; }
    QSplitter* splitter() const { return m_pSplitter; }

private:
    QSplitter* m_pSplitter;
    CRightListView* m_pListView;
    CRightDetailView* m_pDetailView;
};
