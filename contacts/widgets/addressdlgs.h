#pragma once
// The two small dialogs that give the Group dialog a new member's address: one where the
// user types it, one where it is picked from a contact. Both are created fresh for each
// use and know nothing of groups.

#include <QDialog>

#include <QStringList>

#include <string>

class AddressBook;
class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// A flat list of whole rows, one selected at a time, as the address dialogs and the Group
// dialog show their addresses.
QTreeWidget* makeAddressList(QWidget* parent, const QString& objectName,
                             const QStringList& headers);

inline constexpr const char* kInputAddress = QT_TRANSLATE_NOOP("CAddressEntryDlg", "Input Address");
// Titles of the entry dialog; shown through QCoreApplication::translate("CAddressEntryDlg", ...).
inline constexpr const char* kNewEmailAddress =
    QT_TRANSLATE_NOOP("CAddressEntryDlg", "New Email Address");
inline constexpr const char* kNewWirelessAddress =
    QT_TRANSLATE_NOOP("CAddressEntryDlg", "New Wireless Address");

constexpr int MAX_ENTRY_ADDRESS = 64;

// One address typed by the user; the caller decides its kind.
class CAddressEntryDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAddressEntryDlg(QWidget* parent = nullptr);
    ~CAddressEntryDlg() override;

    QString m_strTitle;       // the caption, set before showing
    std::string m_strAddress; // bytes; never empty after OK

    void setVisible(bool visible) override;

    QLineEdit* addressEdit() const { return m_pEdit; }
    QPushButton* okButton() const { return m_pOk; }

public Q_SLOTS:
    void OnOK();

private:
    QLineEdit* m_pEdit = nullptr;
    QPushButton* m_pOk = nullptr;
};

// Every contact of the address book with its two e-mail addresses and its wireless
// address; returns the address picked and its kind.
class CAddressPickerDlg : public QDialog
{
    Q_OBJECT

public:
    // Columns of the list.
    enum Column
    {
        ColName,
        ColEmail1,
        ColEmail2,
        ColWireless,
    };
    // The "Kind" radio group.
    enum KindChoice
    {
        ChoiceEmail1,
        ChoiceEmail2,
        ChoiceWireless,
    };

    // The contacts are those of pager's mirror as it is when the dialog opens; a null
    // pager gives an empty list.
    explicit CAddressPickerDlg(const AddressBook* pager, QWidget* parent = nullptr);
    ~CAddressPickerDlg() override;

    int m_nKindChoice = ChoiceEmail1;
    // Results, valid after Select.
    std::string m_strAddress;
    int m_nKind = 0; // 0 e-mail, 1 wireless, as group members count them
    std::string m_strContactName;

    void setVisible(bool visible) override;

    QTreeWidget* list() const { return m_List; }
    QPushButton* selectButton() const { return m_pSelect; }
    // The radio button of a choice.
    QAbstractButton* kindButton(int choice) const;
    int currentItem() const { return m_nCurItem; }

public Q_SLOTS:
    // "Select": keeps the dialog open while there is nothing to take.
    void OnOK();

private:
    void OnInitDialog();

    const AddressBook* m_pPager;
    QTreeWidget* m_List = nullptr;
    QButtonGroup* m_pKind = nullptr;
    QPushButton* m_pSelect = nullptr;
    int m_nCurItem = -1;
};
