#include "platform/renamedelegate.h"

#include "platform/messageboxservice.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMetaProperty>
#include <QTimer>

namespace platform {

RenameDelegate::RenameDelegate(QObject* parent, Edited edited, int maxLength)
    : QStyledItemDelegate(parent), m_edited(std::move(edited)), m_nMaxLength(maxLength)
{
}

QWidget* RenameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && m_nMaxLength > 0)
        line->setMaxLength(m_nMaxLength);
    return editor;
}

void RenameDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                  const QModelIndex& index) const
{
    QString text;
    if (const auto* line = qobject_cast<const QLineEdit*>(editor))
        text = line->text();
    else
        text = editor->metaObject()->userProperty().read(editor).toString();
    const QPersistentModelIndex at(index);
    QTimer::singleShot(0, this, [edited = m_edited, at, text] {
        if (at.isValid() && edited)
            edited(at, text);
    });
}

bool tellRefusedName(QWidget* parent, NameCheck check, const QString& shown,
                     const RenameTexts& texts)
{
    switch (check) {
    case NameCheck::Ok:
    case NameCheck::Unchanged:
        return false;
    case NameCheck::Empty:
        stop(parent, texts.empty, texts.emptyTitle);
        return true;
    case NameCheck::Exists:
        //: %1 is the item's name as the tree shows it, %2 the tree's own reason and advice.
        stop(parent,
             QCoreApplication::translate("platform::rename", "%1 - ReName Failed.\n%2")
                 .arg(shown, texts.exists),
             texts.existsTitle);
        return true;
    }
    return false;
}

} // namespace platform
