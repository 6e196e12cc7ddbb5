#pragma once
// The review of a vCard import's duplicates: each incoming card that matches a contact of
// the address book, side by side with it and with what differs, and for each the choice to
// skip it, replace the contact with it, or add it as a new contact. The dialog changes the
// plan it was given; its caller carries it out.

#include "contacts/core/duplicatereview.h"

#include <QDialog>

#include <span>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

inline constexpr const char* kDuplicateReviewTitle =
    QT_TRANSLATE_NOOP("CDuplicateReviewDlg", "Duplicate Contacts");

class CDuplicateReviewDlg : public QDialog
{
    Q_OBJECT

public:
    // book and incoming are the spans the plan was made from; they must outlive the dialog.
    CDuplicateReviewDlg(duplicates::Plan plan, std::span<const ContactRecord* const> book,
                        std::span<const ContactRecord> incoming, QWidget* parent = nullptr);

    const duplicates::Plan& plan() const { return m_plan; }
    // The choice of one row (as the row's list box does) or of all rows.
    void setAction(int row, duplicates::Action action);
    void setAll(duplicates::Action action);

    QTableWidget* table() const { return m_pTable; }
    QLabel* fitLabel() const { return m_pFit; }
    QPushButton* importButton() const { return m_pImport; }

private:
    void updateFit();

    duplicates::Plan m_plan;
    QTableWidget* m_pTable = nullptr;
    QLabel* m_pFit = nullptr;
    QPushButton* m_pImport = nullptr;
};
