#pragma once
// "Copy to Folder..." and "Move to Folder...": the user picks the local folder that selected
// messages go to, from the local folders at any depth, without dragging them there. The
// dialog only chooses; its caller files the messages the way a drop on that folder does.

#include <QDialog>
#include <QModelIndex>

#include <functional>

class FolderTreeModel;
class QDialogButtonBox;
class QTreeView;

class CChooseFolderDlg : public QDialog
{
    Q_OBJECT

public:
    // accepts(folder): whether the messages may go into that folder (not the one they are in).
    CChooseFolderDlg(FolderTreeModel& model, const QString& title,
                     std::function<bool(const QModelIndex&)> accepts, QWidget* parent = nullptr);
    ~CChooseFolderDlg() override;

    // The folder chosen; valid once the dialog was accepted.
    QModelIndex chosenFolder() const;
    QTreeView* folderView() const { return m_pTree; }

    void accept() override;

private:
    void currentFolderChanged();

    FolderTreeModel& m_model;
    std::function<bool(const QModelIndex&)> m_accepts;
    QTreeView* m_pTree;
    QDialogButtonBox* m_pButtons;
};
