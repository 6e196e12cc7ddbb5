#include "messages/widgets/choosefolderdialog.h"

#include "messages/core/messagerecord.h"
#include "messages/models/foldertreemodel.h"

#include <QDialogButtonBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The folder chosen last, for the rest of the run: filing goes to the same place again and
// again more often than not.
qint32 g_nLastFolderId = 0;

} // namespace

CChooseFolderDlg::CChooseFolderDlg(FolderTreeModel& model, const QString& title,
                                   std::function<bool(const QModelIndex&)> accepts, QWidget* parent)
    : QDialog(parent), m_model(model), m_accepts(std::move(accepts)), m_pTree(new QTreeView(this)),
      m_pButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("chooseFolder"));
    setWindowTitle(title);
    auto* label = new QLabel(tr("&Folder:"), this);
    label->setBuddy(m_pTree);

    m_pTree->setObjectName(QStringLiteral("folderChoice"));
    // An item view takes no name from its label.
    m_pTree->setAccessibleName(tr("Folder"));
    m_pTree->setAccessibleDescription(
        tr("Your local folders; the messages go into the one chosen"));
    m_pTree->setModel(&model);
    // Only the local folders: the pager's are as the pager has them.
    m_pTree->setRootIndex(model.localRoot());
    m_pTree->setHeaderHidden(true);
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTree->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_pTree->expandAll();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_pTree);
    layout->addWidget(m_pButtons);

    connect(m_pButtons, &QDialogButtonBox::accepted, this, &CChooseFolderDlg::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &CChooseFolderDlg::reject);
    connect(m_pTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CChooseFolderDlg::currentFolderChanged);
    connect(m_pTree, &QAbstractItemView::doubleClicked, this, &CChooseFolderDlg::accept);

    QModelIndex start = model.findFolder(g_nLastFolderId);
    if (!start.isValid() || !m_model.isLocalFolder(start))
        start = model.index(0, 0, model.localRoot());
    m_pTree->setCurrentIndex(start);
    currentFolderChanged();
    // Enter chooses the folder the keys moved to.
    m_pButtons->button(QDialogButtonBox::Ok)->setDefault(true);
    m_pTree->setFocus();
}

CChooseFolderDlg::~CChooseFolderDlg() = default;

QModelIndex CChooseFolderDlg::chosenFolder() const
{
    return m_pTree->currentIndex();
}

void CChooseFolderDlg::currentFolderChanged()
{
    const QModelIndex current = m_pTree->currentIndex();
    m_pButtons->button(QDialogButtonBox::Ok)
        ->setEnabled(m_model.isLocalFolder(current) && (!m_accepts || m_accepts(current)));
}

void CChooseFolderDlg::accept()
{
    const QModelIndex current = m_pTree->currentIndex();
    if (!m_model.isLocalFolder(current) || (m_accepts && !m_accepts(current)))
        return;
    g_nLastFolderId = current.data(FolderTreeModel::FolderIdRole).toInt();
    QDialog::accept();
}
