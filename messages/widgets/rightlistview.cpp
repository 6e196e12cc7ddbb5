#include "messages/widgets/rightlistview.h"

#include "messages/core/archive.h"
#include "messages/core/messagestore.h"
#include "messages/models/messagelistmodel.h"
#include "messages/models/messagemodels.h"
#include "messages/widgets/exportmessages.h"
#include "platform/bytes.h"
#include "platform/themeicon.h"

CRightListView::CRightListView(MessageModels& models, QWidget* parent)
    : CMessageTableView(models, &models.listModel(), &models.messageSelection(), parent),
      m_model(&models.listModel())
{
    setObjectName(QStringLiteral("messageList"));
    setAccessibleName(tr("Message list"));
    setAccessibleDescription(tr("The messages of the folder chosen in the folder tree"));
    m_model->setRowIcon(platform::themedIcon("mail-message", QStyle::SP_FileIcon, style()));
}

CRightListView::~CRightListView() = default;

void CRightListView::InitMessageList()
{
    sizeColumns(false);
}

std::vector<qint32> CRightListView::selectedMessageIds() const
{
    std::vector<qint32> ids;
    for (const int row : selectedRows())
        ids.push_back(m_model->messageId(row));
    return ids;
}

bool CRightListView::offersMenu() const
{
    return m_model->hasFolder();
}

bool CRightListView::mayDelete(const std::vector<int>&) const
{
    return !m_model->folderIsPager();
}

bool CRightListView::copiesOnly(const std::vector<int>&) const
{
    return m_model->dragCopiesOnly();
}

void CRightListView::OnMessageDelete()
{
    // Always the rows that are selected now: the row that changed last may be one that
    // was just taken out of the selection.
    m_model->deleteRows(selectedRows());
}

void CRightListView::OnMessageExport()
{
    const MessageRecord* folder =
        m_models.store().findFolder(m_model->folderParentId(), m_model->folderId());
    const std::vector<qint32> ids = selectedMessageIds();
    if (!folder || ids.empty())
        return;
    ExportMessages(this, m_models.store().records(),
                   archive::findMessages(m_models.store().records(), ids),
                   platform::toDisplay(folder->strName));
}
