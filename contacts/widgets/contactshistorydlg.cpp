#include "contacts/widgets/contactshistorydlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString names(const std::vector<std::string>& list)
{
    QStringList texts;
    for (const std::string& name : list)
        texts.append(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    return texts.join(QLatin1String(", "));
}

} // namespace

CContactsHistoryDlg::CContactsHistoryDlg(const contacthistory::History& history,
                                         recoverycopy::Contents current, QWidget* parent)
    : QDialog(parent), m_history(history), m_current(std::move(current))
{
    setWindowTitle(QLatin1String(kContactsHistoryTitle));
    auto* layout = new QVBoxLayout(this);

    m_pList = new QTreeWidget(this);
    m_pList->setRootIsDecorated(false);
    m_pList->setHeaderLabels({QStringLiteral("Kept"), QStringLiteral("Before"),
                              QStringLiteral("Contacts"), QStringLiteral("Groups")});
    m_pList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pList->setAccessibleName(QStringLiteral("Snapshots of the address book"));
    layout->addWidget(m_pList, 2);

    QStringList damaged;
    for (const contacthistory::Snapshot& snapshot : m_history.list(&damaged)) {
        auto* item = new QTreeWidgetItem(
            m_pList, {QLocale().toString(snapshot.time.toLocalTime(), QLocale::ShortFormat),
                      eventText(snapshot.event), QString::number(snapshot.contacts),
                      QString::number(snapshot.groups)});
        item->setData(0, Qt::UserRole, snapshot.id);
    }
    if (!damaged.isEmpty()) {
        auto* note = new QLabel(
            QStringLiteral("Snapshots that could not be read, and are not listed:\n%1")
                .arg(damaged.join(QLatin1Char('\n'))),
            this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto* changesLabel = new QLabel(QStringLiteral("What restoring it would &change:"), this);
    m_pChanges = new QPlainTextEdit(this);
    m_pChanges->setReadOnly(true);
    changesLabel->setBuddy(m_pChanges);
    layout->addWidget(changesLabel);
    layout->addWidget(m_pChanges, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_pRestore = buttons->addButton(QStringLiteral("&Restore"), QDialogButtonBox::AcceptRole);
    m_pRestore->setEnabled(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QTreeWidget::currentItemChanged, this, &CContactsHistoryDlg::showSelected);

    if (m_pList->topLevelItemCount() > 0)
        m_pList->setCurrentItem(m_pList->topLevelItem(0));
    else
        m_pChanges->setPlainText(QStringLiteral("No snapshot of the address book has been kept yet."));
    resize(560, 420);
}

QString CContactsHistoryDlg::eventText(const QString& event)
{
    static const std::pair<const char*, const char*> kTexts[] = {
        {"download", "Download Contacts"}, {"upload", "Upload Contacts"},
        {"import", "Import Contacts"},     {"vcard-import", "Import vCard"},
        {"synchronize", "Synchronize Contacts"}, {"restore", "Restore"},
        {"close", "Close of Quillbox"},
    };
    for (const auto& [word, text] : kTexts) {
        if (event == QLatin1String(word))
            return QLatin1String(text);
    }
    return event;
}

void CContactsHistoryDlg::showSelected()
{
    m_pRestore->setEnabled(false);
    m_selectedId.clear();
    const QTreeWidgetItem* item = m_pList->currentItem();
    if (!item)
        return;
    const QString id = item->data(0, Qt::UserRole).toString();
    QString error;
    if (!m_history.read(id, &m_selected, &error)) {
        m_pChanges->setPlainText(QStringLiteral("This snapshot cannot be read: %1").arg(error));
        return;
    }
    const contacthistory::Changes changes = contacthistory::compare(m_current, m_selected);
    if (changes.empty()) {
        m_pChanges->setPlainText(
            QStringLiteral("The address book is now as this snapshot holds it."));
    } else {
        QStringList lines;
        const std::pair<const char*, const std::vector<std::string>*> kinds[] = {
            {"Adds", &changes.added}, {"Removes", &changes.removed}, {"Changes", &changes.changed}};
        for (const auto& [what, list] : kinds) {
            if (!list->empty())
                lines.append(QStringLiteral("%1 %2: %3")
                                 .arg(QLatin1String(what))
                                 .arg(list->size())
                                 .arg(names(*list)));
        }
        m_pChanges->setPlainText(lines.join(QLatin1Char('\n')));
    }
    m_selectedId = id;
    m_pRestore->setEnabled(true);
}
