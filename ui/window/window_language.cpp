#include "window_language.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvane {

namespace {

const QString kEnglish = QStringLiteral("en");

struct Installed
{
    QString language = kEnglish;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed now;
    return now;
}

} // namespace

QStringList windowLanguages()
{
    // From the build's one list of languages, English first.
    return QString::fromLatin1(KELVANE_LANGUAGES).split(QLatin1Char(','));
}

QString chooseLanguage(const QString &asked)
{
    const QStringList known = windowLanguages();
    if (known.contains(asked))
        return asked;
    // "ru-RU", "uk_UA", "en-GB": the language is the part before the region.
    for (const QString &wanted : QLocale::system().uiLanguages()) {
        const QString language = wanted.section(QLatin1Char('-'), 0, 0).section('_', 0, 0);
        if (known.contains(language))
            return language;
    }
    return kEnglish;
}

void useLanguage(const QString &language)
{
    Installed &now = installed();
    for (auto *translator : {&now.own, &now.qt}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    now.language = windowLanguages().contains(language) ? language : kEnglish;
    // English too has a translation: the plural forms of its counts.
    auto own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral(":/i18n/kelvane_") + now.language + QStringLiteral(".qm"))) {
        QCoreApplication::installTranslator(own.get());
        now.own = std::move(own);
    }
    if (now.language == kEnglish)
        return;
    // Qt's own texts (the dialogs' buttons and columns): where this Qt keeps them, or, in the
    // Windows package, beside the program.
    auto qt = std::make_unique<QTranslator>();
    const QString qtTexts = QStringLiteral("qtbase_") + now.language;
    if (qt->load(qtTexts, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(qtTexts,
                 QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))) {
        QCoreApplication::installTranslator(qt.get());
        now.qt = std::move(qt);
    }
}

QString windowLanguage()
{
    return installed().language;
}

} // namespace kelvane
