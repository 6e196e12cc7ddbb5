#include "contacts/widgets/duplicatereviewdlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column : int
{
    ColAction,
    ColDiffers,
    ColBook,
    ColFile,
    ColumnCount,
};

QString text(const std::string& bytes)
{
    QString s = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    return s;
}

// A contact's filled fields, one a line: what the user compares.
QString summary(const ContactRecord& contact)
{
    QStringList lines;
    for (const ContactField& f : kContactFields) {
        if (!(contact.*f.member).empty())
            lines << QStringLiteral("%1: %2").arg(fieldLabel(f), text(contact.*f.member));
    }
    return lines.join(QLatin1Char('\n'));
}

QString differences(const duplicates::Row& row)
{
    QStringList names;
    for (const int f : row.differing)
        names << fieldLabel(kContactFields[static_cast<size_t>(f)]);
    return names.isEmpty() ? QCoreApplication::translate("CDuplicateReviewDlg", "(the same)")
                           : names.join(QLatin1Char('\n'));
}

} // namespace

CDuplicateReviewDlg::CDuplicateReviewDlg(duplicates::Plan plan,
                                         std::span<const ContactRecord* const> book,
                                         std::span<const ContactRecord> incoming, QWidget* parent)
    : QDialog(parent), m_plan(std::move(plan))
{
    setWindowTitle(tr(kDuplicateReviewTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("%n of the contacts in the file are already in the address book. "
                      "Choose for each whether to skip it, replace the contact in the "
                      "address book with it, or add it as a new contact.",
                      nullptr, static_cast<int>(m_plan.rows.size())),
                   this));
    layout->itemAt(0)->widget()->setProperty("wordWrap", true);

    m_pTable = new QTableWidget(static_cast<int>(m_plan.rows.size()), ColumnCount, this);
    m_pTable->setHorizontalHeaderLabels(
        {tr("Action"), tr("Differs"), tr("In the address book"), tr("In the file")});
    m_pTable->setAccessibleName(tr("Duplicate contacts"));
    m_pTable->setAccessibleDescription(tr("One row per contact of the file already in the address "
                                          "book: what to do with it, and both contacts."));
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionMode(QAbstractItemView::NoSelection);
    m_pTable->verticalHeader()->hide();
    for (int r = 0; r < static_cast<int>(m_plan.rows.size()); ++r) {
        const duplicates::Row& row = m_plan.rows[static_cast<size_t>(r)];
        auto* combo = new QComboBox(m_pTable);
        combo->addItems({tr("Skip"), tr("Replace"), tr("Add as new")});
        combo->setAccessibleName(
            tr("Action for %1").arg(text(contactDisplayName(incoming[row.incoming]))));
        combo->setCurrentIndex(static_cast<int>(row.action));
        connect(combo, &QComboBox::currentIndexChanged, this, [this, r](int index) {
            m_plan.rows[static_cast<size_t>(r)].action = static_cast<duplicates::Action>(index);
            updateFit();
        });
        m_pTable->setCellWidget(r, ColAction, combo);
        m_pTable->setItem(r, ColBook, new QTableWidgetItem(summary(*book[row.existing])));
        m_pTable->setItem(r, ColFile, new QTableWidgetItem(summary(incoming[row.incoming])));
        m_pTable->setItem(r, ColDiffers, new QTableWidgetItem(differences(row)));
    }
    m_pTable->resizeColumnsToContents();
    m_pTable->resizeRowsToContents();
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_pTable, 1);

    auto* all = new QHBoxLayout;
    const std::pair<const char*, duplicates::Action> allButtons[] = {
        {QT_TR_NOOP("&Skip All"), duplicates::Action::Skip},
        {QT_TR_NOOP("&Replace All"), duplicates::Action::Replace},
        {QT_TR_NOOP("&Add All as New"), duplicates::Action::Add},
    };
    for (const auto& [label, action] : allButtons) {
        auto* button = new QPushButton(tr(label), this);
        connect(button, &QPushButton::clicked, this, [this, action = action] { setAll(action); });
        all->addWidget(button);
    }
    all->addStretch();
    layout->addLayout(all);

    m_pFit = new QLabel(this);
    layout->addWidget(m_pFit);
    auto* buttons = new QDialogButtonBox(this);
    m_pImport = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for the two contacts side by side, within the screen.
    int width = m_pTable->verticalHeader()->width() + 4 * m_pTable->frameWidth();
    for (int c = 0; c < ColumnCount; ++c)
        width += m_pTable->columnWidth(c);
    resize(std::clamp(width + 40, 640, 1200), 440);
    updateFit();
}

void CDuplicateReviewDlg::setAction(int row, duplicates::Action action)
{
    if (auto* combo = qobject_cast<QComboBox*>(m_pTable->cellWidget(row, ColAction)))
        combo->setCurrentIndex(static_cast<int>(action)); // the combo's signal updates the plan
}

void CDuplicateReviewDlg::setAll(duplicates::Action action)
{
    for (int r = 0; r < m_pTable->rowCount(); ++r)
        setAction(r, action);
}

void CDuplicateReviewDlg::updateFit()
{
    const int add = m_plan.toAdd();
    QString text =
        add == 1 ? tr("1 contact will be added.") : tr("%n contacts will be added.", nullptr, add);
    if (const int over = m_plan.wontFit(); over > 0)
        text += tr(" %n of them will not fit: the address book holds at most %1 contacts.", nullptr,
                   over)
                    .arg(MAX_CONTACTS);
    m_pFit->setText(text);
}
