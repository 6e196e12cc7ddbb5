#include "contacts/widgets/conflictreviewdlg.h"

#include "platform/messageboxservice.h"

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
#include <string_view>

using contactmerge::Conflict;
using contactmerge::Side;

namespace {

enum Column : int
{
    ColKeep,
    ColName,
    ColField,
    ColBase,
    ColDesktop,
    ColPager,
    ColumnCount,
};

QString text(const std::string& bytes)
{
    QString s = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    return s;
}

bool endsWith(const std::string& field, std::string_view tail)
{
    return field.size() >= tail.size() &&
           field.compare(field.size() - tail.size(), tail.size(), tail) == 0;
}

QString fieldName(const Conflict& c)
{
    if (c.field == "deleted")
        return QCoreApplication::translate("CConflictReviewDlg", "Contact");
    if (c.field == "nGroup")
        return QCoreApplication::translate("CConflictReviewDlg", "Folder");
    if (c.field == "group.deleted")
        return QCoreApplication::translate("CConflictReviewDlg", "Group");
    if (c.field == "group.strName")
        return QCoreApplication::translate("CConflictReviewDlg", "Group Name");
    if (c.field == "group.nParent")
        return QCoreApplication::translate("CConflictReviewDlg", "Parent Group");
    const auto it = std::find_if(kContactFields.begin(), kContactFields.end(),
                                 [&c](const ContactField& f) { return c.field == f.fieldName; });
    return it != kContactFields.end() ? fieldLabel(*it) : text(c.field);
}

// A value as the user knows it: folders by their names, deletions in words.
QString valueText(const Conflict& c, const std::string& value,
                  const std::vector<GroupRecord>& groups)
{
    if (endsWith(c.field, "deleted")) {
        // The merge names the sides' parts in English words.
        if (value.empty())
            return {};
        if (value == "deleted")
            return QCoreApplication::translate("CConflictReviewDlg", "(deleted)");
        if (value == "changed")
            return QCoreApplication::translate("CConflictReviewDlg", "(changed)");
        return QStringLiteral("(%1)").arg(text(value));
    }
    if (c.field == "nGroup" || c.field == "group.nParent") {
        if (value.empty())
            return {};
        const qint32 id = text(value).toInt();
        if (id < 0)
            return c.field == "nGroup"
                       ? QCoreApplication::translate("CConflictReviewDlg", "Contacts")
                       : QCoreApplication::translate("CConflictReviewDlg", "(top level)");
        const auto it = std::find_if(groups.begin(), groups.end(),
                                     [id](const GroupRecord& g) { return g.nGroupId == id; });
        return it != groups.end()
                   ? text(it->strName)
                   : QCoreApplication::translate("CConflictReviewDlg", "Group %1").arg(id);
    }
    return value.empty() ? QCoreApplication::translate("CConflictReviewDlg", "(empty)")
                         : text(value);
}

} // namespace

CConflictReviewDlg::CConflictReviewDlg(const contactmerge::Result& result, QWidget* parent,
                                       Remote other)
    : QDialog(parent)
{
    // The other side's name on its own (headers, buttons) and inside a sentence, where
    // languages differ in whether it takes a capital.
    const bool server = other == Remote::Server;
    const QString remote = server ? tr("Server") : tr("Pager");
    const QString remoteLower =
        server ? tr("server", "inside a sentence") : tr("pager", "inside a sentence");
    const std::vector<Conflict>& conflicts = result.conflicts();
    for (const Conflict& c : conflicts)
        m_choices.push_back(c.choice);
    setWindowTitle(tr(kConflictReviewTitle));
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel((conflicts.size() == 1
                        ? tr("A change made in Quillbox and one made on the %1 since the last "
                             "synchronize do not agree. Choose for each which to keep.")
                              .arg(remoteLower)
                        : tr("%n changes made in Quillbox and on the %1 since the last "
                             "synchronize do not agree. Choose for each which to keep.",
                             nullptr, static_cast<int>(conflicts.size()))
                              .arg(remoteLower)),
                   this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    const int rows = static_cast<int>(conflicts.size());
    m_pTable = new QTableWidget(rows, ColumnCount, this);
    m_pTable->setHorizontalHeaderLabels({tr("Keep"), tr("Contact or Group"), tr("Field"),
                                         tr("Last Synchronized"), tr("In Quillbox"),
                                         tr("On the %1").arg(remote)});
    m_pTable->setAccessibleName(tr("Conflicts"));
    m_pTable->setAccessibleDescription(
        tr("One row per conflict: which side to keep, and the values of both sides."));
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionMode(QAbstractItemView::NoSelection);
    m_pTable->verticalHeader()->hide();
    for (int r = 0; r < rows; ++r) {
        const Conflict& c = conflicts[static_cast<size_t>(r)];
        auto* combo = new QComboBox(m_pTable);
        combo->addItems({QStringLiteral("Quillbox"), remote});
        combo->setAccessibleName(tr("Keep for %1").arg(text(c.name)));
        combo->setCurrentIndex(c.choice == Side::Local ? 0 : 1);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, r](int index) {
            m_choices[static_cast<size_t>(r)] = index == 0 ? Side::Local : Side::Remote;
        });
        m_pTable->setCellWidget(r, ColKeep, combo);
        const QString cells[] = {text(c.name), fieldName(c), valueText(c, c.base, result.groups()),
                                 valueText(c, c.local, result.groups()),
                                 valueText(c, c.remote, result.groups())};
        for (int col = ColName; col < ColumnCount; ++col)
            m_pTable->setItem(r, col, new QTableWidgetItem(cells[col - ColName]));
    }
    m_pTable->resizeColumnsToContents();
    m_pTable->resizeRowsToContents();
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_pTable, 1);

    auto* all = new QHBoxLayout;
    const std::pair<QString, Side> allButtons[] = {
        {tr("Keep All from &Quillbox"), Side::Local},
        {tr("Keep All from &the %1").arg(remote), Side::Remote},
    };
    for (const auto& [label, side] : allButtons) {
        auto* button = new QPushButton(label, this);
        connect(button, &QPushButton::clicked, this, [this, side = side] { setAll(side); });
        all->addWidget(button);
    }
    all->addStretch();
    layout->addLayout(all);

    auto* buttons = new QDialogButtonBox(this);
    m_pOk = buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for the three values side by side, within the screen.
    int width = 4 * m_pTable->frameWidth();
    for (int c = 0; c < ColumnCount; ++c)
        width += m_pTable->columnWidth(c);
    resize(std::clamp(width + 40, 640, 1200), 440);
}

void CConflictReviewDlg::setChoice(int row, Side side)
{
    if (auto* combo = qobject_cast<QComboBox*>(m_pTable->cellWidget(row, ColKeep)))
        combo->setCurrentIndex(side == Side::Local ? 0 : 1); // its signal records the choice
}

void CConflictReviewDlg::setAll(Side side)
{
    for (int r = 0; r < m_pTable->rowCount(); ++r)
        setChoice(r, side);
}

bool confirmMassDeletion(QWidget* parent, const contactsync::Guard& guard)
{
    return platform::showMessage(parent, contactsync::massDeletionQuestion(guard), {},
                                 platform::MessageButtons::YesNo,
                                 platform::MessageIcon::Warning) == platform::MessageAnswer::Yes;
}
