#pragma once
// The message list: a view over the message list model and its selection model, one row per message
// of the folder shown. It deletes messages of local folders and is where messages are dragged from
// onto the folder tree.

#include "messages/widgets/messagetableview.h"

class MessageListModel;

class CRightListView : public CMessageTableView
{
    Q_OBJECT

public:
    explicit CRightListView(MessageModels& models, QWidget* parent = nullptr);
    ~CRightListView() override;

    // Columns and their widths.
    void InitMessageList();

    MessageListModel* messageModel() const { return m_model; }
    // The message numbers of the selected rows, in row order.
    std::vector<qint32> selectedMessageIds() const;

public Q_SLOTS:
    // Deletes the selected messages; the folder is then listed again.
    void OnMessageDelete() override;
    void OnMessageExport() override;

protected:
    // No menu without a folder; the pager's messages cannot be deleted.
    bool offersMenu() const override;
    bool mayDelete(const std::vector<int>& rows) const override;
    bool copiesOnly(const std::vector<int>& rows) const override;

private:
    MessageListModel* m_model;
};
