#pragma once
// The language of the program's texts. English is the program's own; German and French come
// from its translations, with Qt's own for the standard dialogs' buttons.

#include <QString>
#include <QStringList>

namespace platform {

// The languages the program speaks, as the codes --lang takes: "en" first, then the
// translations.
QStringList availableLanguages();

// The first of the desktop's interface languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that
// the program speaks, else "en".
QString desktopLanguage();

// Makes language (a code of availableLanguages()) the language of the program's texts and
// of its number and date formats, in place of the one chosen before. English loads no
// translation. False, changing nothing, for a code the program does not speak. Needs the
// application object, and is called again for a new one.
bool useLanguage(const QString& language);

// The language chosen last ("en" before any was chosen).
QString currentLanguage();

} // namespace platform
