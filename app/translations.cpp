// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// Qt reads the writing direction from this entry of the installed catalogues; the game's own
// carry it too, so that it holds without Qt's catalogue.
//: "LTR" for a language written left to right, "RTL" for one written right to left.
[[maybe_unused]] const char* const c_szDirection
    = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

const QString c_strCatalogueDir = QStringLiteral(":/i18n");
const QString c_strPrefix = QStringLiteral("cantabell_");

// Traditional Chinese is not the simplified catalogue's language.
bool IsTraditionalChinese(const QString& strLanguage)
{
    const QLocale locale(strLanguage);
    return locale.language() == QLocale::Chinese
        && (locale.script() == QLocale::TraditionalChineseScript
            || strLanguage.contains(QLatin1String("TW"))
            || strLanguage.contains(QLatin1String("HK"))
            || strLanguage.contains(QLatin1String("Hant")));
}

// The translators live as long as the application (its children); a second Install replaces
// them.
QPointer<QTranslator> g_pGame;
QPointer<QTranslator> g_pQt;

void Replace(QCoreApplication& app, QPointer<QTranslator>& pOld, QTranslator* pNew)
{
    if (pOld != nullptr) {
        QCoreApplication::removeTranslator(pOld);
        delete pOld.data();
    }
    pOld = pNew;
    if (pNew != nullptr) {
        pNew->setParent(&app);
        QCoreApplication::installTranslator(pNew);
    }
}

} // namespace

QStringList CTranslations::Shipped()
{
    QStringList names;
    const QStringList files
        = QDir(c_strCatalogueDir).entryList({c_strPrefix + QLatin1String("*.qm")});
    for (const QString& file : files)
        names << file.mid(c_strPrefix.size()).chopped(3);
    return names;
}

QString CTranslations::Choose(const QStringList& astrLanguages)
{
    const QStringList shipped = Shipped();
    for (QString language : astrLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = language.section(QLatin1Char('_'), 0, 0).toLower();
        if (base == QLatin1String("en") || base == QLatin1String("c")
            || base == QLatin1String("posix"))
            return {};
        if (IsTraditionalChinese(language))
            continue;
        // "pt_BR" for "pt_BR" and "pt_PT"; "de" for "de_AT".
        for (const QString& name : shipped) {
            if (name.section(QLatin1Char('_'), 0, 0) == base)
                return name;
        }
    }
    return {};
}

bool CTranslations::MessagesInC()
{
    QString messages = qEnvironmentVariable("LC_ALL");
    for (const char* szName : {"LC_MESSAGES", "LANG"}) {
        if (messages.isEmpty())
            messages = qEnvironmentVariable(szName);
    }
    const QString base = messages.section(QLatin1Char('.'), 0, 0);
    return base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX");
}

QString CTranslations::Install(QCoreApplication& app)
{
    if (MessagesInC()) {
        InstallCatalogue(app, QString());
        return {};
    }
    const QString name = Choose(QLocale::system().uiLanguages());
    if (name.isEmpty() || !InstallCatalogue(app, name))
        return {};
    return name;
}

bool CTranslations::InstallCatalogue(QCoreApplication& app, const QString& strName)
{
    auto* pGame = new QTranslator;
    if (!pGame->load(c_strPrefix + strName, c_strCatalogueDir)) {
        delete pGame;
        Replace(app, g_pGame, nullptr);
        Replace(app, g_pQt, nullptr);
        return false;
    }
    // Qt's catalogue is optional: without it the standard buttons stay English.
    auto* pQt = new QTranslator;
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!pQt->load(QStringLiteral("qtbase_") + strName, dir)
        && !pQt->load(QStringLiteral("qtbase_") + strName.section(QLatin1Char('_'), 0, 0), dir)) {
        delete pQt;
        pQt = nullptr;
    }
    Replace(app, g_pQt, pQt);
    Replace(app, g_pGame, pGame);
    return true;
}
