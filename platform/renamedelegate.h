#pragma once
// In-place renaming of a tree item, as the tree controls' label editing works: the text typed
// never goes into the model by itself. It is handed to the owner once the editor has closed,
// so that the owner's checks, its messages and a new round of editing do not run inside the
// editor's own commit (a message box opened while the editor is still up would take its focus
// and commit it a second time). The folder tree of the messages and the Contacts tree share it.

#include "platform/namecheck.h"

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

#include <functional>

namespace platform {

class RenameDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The item and the text typed, after the editor has closed; the item is still there.
    using Edited = std::function<void(const QModelIndex& item, const QString& text)>;

    // maxLength: the most characters the editor takes; 0 for no limit of its own.
    RenameDelegate(QObject* parent, Edited edited, int maxLength = 0);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    Edited m_edited;
    int m_nMaxLength;
};

// What a tree tells when it refuses a name typed in place; each tree has its own words.
struct RenameTexts
{
    QString empty;
    QString emptyTitle;
    QString exists; // after "<the item's name> - ReName Failed.\n"
    QString existsTitle;
};

// Tells the user why the name was refused (Empty, Exists); shown: the item as the tree shows
// it. Gives whether it was refused, so that the tree lets the name be typed again.
bool tellRefusedName(QWidget* parent, NameCheck check, const QString& shown,
                     const RenameTexts& texts);

} // namespace platform
