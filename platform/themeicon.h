#pragma once
// The program's pictures come from the desktop's icon theme where it has them, and from the
// widget style's own set where it does not, so that no toolbar button or tree row is blank.

#include <QIcon>
#include <QStyle>

#include <initializer_list>

namespace platform {

// The first of the names the theme knows, else the style's picture (the application's style
// when none is given).
QIcon themedIcon(std::initializer_list<const char*> names, QStyle::StandardPixmap fallback,
                 const QStyle* style = nullptr);
inline QIcon themedIcon(const char* name, QStyle::StandardPixmap fallback,
                        const QStyle* style = nullptr)
{
    return themedIcon({name}, fallback, style);
}

} // namespace platform
