#pragma once
// The Contacts window: the address-book presentation of the main window. This version
// holds its place in the frame and answers everything the frame and the device events ask
// of it; the address book itself (tree of contacts and groups, list, dialogs, transfers,
// text import and export) is the next piece of work and lives here once it is written.

#include <QWidget>

class CQuillboxDoc;
class QLabel;
class QTreeWidget;

class CContactsDlg : public QWidget
{
    Q_OBJECT

public:
    // The ids the frame and the pane layout know the two controls by.
    static constexpr int IDC_TREE = 1021;
    static constexpr int IDC_LIST = 1022;

    explicit CContactsDlg(QWidget* parent = nullptr);
    ~CContactsDlg() override;

    void SetDocument(CQuillboxDoc* pDoc) { m_pDoc = pDoc; }
    CQuillboxDoc* document() const { return m_pDoc; }

    // The address book changed since it was last exported.
    bool IsModified() const { return m_bModified; }
    void SetModified(bool bModified) { m_bModified = bModified; }

    QTreeWidget* tree() const { return m_pTree; }
    QTreeWidget* list() const { return m_pList; }

public Q_SLOTS:
    // Commands forwarded by the main frame.
    void OnButtonAddressNewaddress();
    void EditContact();
    void ImportContacts();
    void ExportContacts();
    void DownloadContacts();
    void UploadContacts();

    // The end of a contacts transfer, from the device events.
    void DownloadCompleted();
    void UploadCompleted();
    void ClearList();
    void FillTree();

private:
    QTreeWidget* m_pTree = nullptr;
    QTreeWidget* m_pList = nullptr;
    QLabel* m_pNote = nullptr;
    CQuillboxDoc* m_pDoc = nullptr;
    bool m_bModified = false;
};
