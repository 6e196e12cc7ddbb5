#include "platform/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace platform {

namespace {

const QString kEnglish = QStringLiteral("en");

// The translators installed last: the program's and Qt's. They belong to the application
// object, so a later application starts without them.
QPointer<QTranslator> g_program;
QPointer<QTranslator> g_qt;
QString g_language = kEnglish;

void removeTranslator(QPointer<QTranslator>& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// Loads one translation file into a translator of the application's; null when the file is
// not there (Qt's translations are a package of their own, which may be missing).
QPointer<QTranslator> installTranslator(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace

QStringList availableLanguages()
{
    return {kEnglish, QStringLiteral("de"), QStringLiteral("fr")};
}

QString desktopLanguage()
{
    const QStringList available = availableLanguages();
    // "de-CH", "fr_FR", "en-US": the language is what comes before the territory.
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QString code = language.section(QLatin1Char('-'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .toLower();
        if (available.contains(code))
            return code;
    }
    return kEnglish;
}

bool useLanguage(const QString& language)
{
    if (!availableLanguages().contains(language))
        return false;
    removeTranslator(g_program);
    removeTranslator(g_qt);
    if (language != kEnglish) {
        g_program = installTranslator(QStringLiteral("quillbox_") + language,
                                      QStringLiteral(":/i18n"));
        g_qt = installTranslator(QStringLiteral("qtbase_") + language,
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    g_language = language;

    // Numbers and dates follow the language; the desktop's own formats stay where they are
    // of that language already (or of none, as in the plain C locale, for English).
    const QLocale system = QLocale::system();
    const QLocale::Language chosen = QLocale(language).language();
    if (system.language() == chosen ||
        (language == kEnglish && system.language() == QLocale::C))
        QLocale::setDefault(system);
    else
        QLocale::setDefault(QLocale(chosen, system.territory()));
    return true;
}

QString currentLanguage()
{
    return g_language;
}

} // namespace platform
