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
    setWindowTitle(tr(kContactsHistoryTitle));
    auto* layout = new QVBoxLayout(this);

    m_pList = new QTreeWidget(this);
    m_pList->setRootIsDecorated(false);
    m_pList->setHeaderLabels({tr("Kept"), tr("Before"), tr("Contacts"), tr("Groups")});
    m_pList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pList->setAccessibleName(tr("Snapshots of the address book"));
    m_pList->setAccessibleDescription(
        tr("When each snapshot was kept, the step it was kept before, and what it holds."));
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
        auto* note = new QLabel(tr("Snapshots that could not be read, and are not listed:\n%1")
                                    .arg(damaged.join(QLatin1Char('\n'))),
                                this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto* changesLabel = new QLabel(tr("What restoring it would &change:"), this);
    m_pChanges = new QPlainTextEdit(this);
    m_pChanges->setReadOnly(true);
    changesLabel->setBuddy(m_pChanges);
    layout->addWidget(changesLabel);
    layout->addWidget(m_pChanges, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_pRestore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    m_pRestore->setEnabled(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QTreeWidget::currentItemChanged, this, &CContactsHistoryDlg::showSelected);

    if (m_pList->topLevelItemCount() > 0)
        m_pList->setCurrentItem(m_pList->topLevelItem(0));
    else
        m_pChanges->setPlainText(tr("No snapshot of the address book has been kept yet."));
    resize(560, 420);
}

QString CContactsHistoryDlg::eventText(const QString& event)
{
    static const std::pair<const char*, const char*> kTexts[] = {
        {"download", QT_TR_NOOP("Download Contacts")},
        {"upload", QT_TR_NOOP("Upload Contacts")},
        {"import", QT_TR_NOOP("Import Contacts")},
        {"vcard-import", QT_TR_NOOP("Import vCard")},
        {"synchronize", QT_TR_NOOP("Synchronize Contacts")},
        //: The step a snapshot was kept before: restoring another snapshot.
        {"restore", QT_TR_NOOP("Restore")},
        {"close", QT_TR_NOOP("Close of Quillbox")},
    };
    for (const auto& [word, text] : kTexts) {
        if (event == QLatin1String(word))
            return tr(text);
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
        m_pChanges->setPlainText(tr("This snapshot cannot be read: %1").arg(error));
        return;
    }
    const contacthistory::Changes changes = contacthistory::compare(m_current, m_selected);
    if (changes.empty()) {
        m_pChanges->setPlainText(tr("The address book is now as this snapshot holds it."));
    } else {
        QStringList lines;
        const std::pair<const char*, const std::vector<std::string>*> kinds[] = {
            //: Followed by how many contacts and groups, and their names.
            {QT_TR_N_NOOP("Adds %n: %1"), &changes.added},
            {QT_TR_N_NOOP("Removes %n: %1"), &changes.removed},
            {QT_TR_N_NOOP("Changes %n: %1"), &changes.changed}};
        for (const auto& [what, list] : kinds) {
            if (!list->empty())
                lines.append(tr(what, nullptr, static_cast<int>(list->size())).arg(names(*list)));
        }
        m_pChanges->setPlainText(lines.join(QLatin1Char('\n')));
    }
    m_selectedId = id;
    m_pRestore->setEnabled(true);
}
