#include "platform/themeicon.h"

#include <QApplication>

namespace platform {

QIcon themedIcon(std::initializer_list<const char*> names, QStyle::StandardPixmap fallback,
                 const QStyle* style)
{
    for (const char* name : names) {
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
        if (!icon.isNull())
            return icon;
    }
    return (style ? style : QApplication::style())->standardIcon(fallback);
}

} // namespace platform
