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

// The game's catalogue and Qt's, loaded before the application object exists or for it; once
// installed they are its children and live as long as it does. A new catalogue replaces them.
QPointer<QTranslator> g_pGame;
QPointer<QTranslator> g_pQt;
QString g_strLoaded; // the catalogue g_pGame holds; empty for none

// The catalogue for the environment; empty when the source texts stay.
QString SystemCatalogue()
{
    if (CTranslations::MessagesInC())
        return {};
    return CTranslations::Choose(QLocale::system().uiLanguages());
}

// A translator for a catalogue file, or null when it does not load.
QTranslator* LoadFile(const QString& strFile, const QString& strDir)
{
    auto* pTranslator = new QTranslator;
    if (pTranslator->load(strFile, strDir))
        return pTranslator;
    delete pTranslator;
    return nullptr;
}

// Makes strName's catalogues the loaded ones (a translator removes itself from the application
// when deleted); false, with none loaded, when the game's catalogue does not load.
bool LoadCatalogue(const QString& strName)
{
    if (!strName.isEmpty() && strName == g_strLoaded)
        return true;
    delete g_pGame.data();
    delete g_pQt.data();
    g_strLoaded.clear();
    g_pGame = strName.isEmpty() ? nullptr : LoadFile(c_strPrefix + strName, c_strCatalogueDir);
    if (g_pGame == nullptr)
        return false;
    // Qt's catalogue is optional: without it the standard buttons stay English.
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    g_pQt = LoadFile(QStringLiteral("qtbase_") + strName, dir);
    if (g_pQt == nullptr)
        g_pQt = LoadFile(QStringLiteral("qtbase_") + strName.section(QLatin1Char('_'), 0, 0), dir);
    g_strLoaded = strName;
    return true;
}

// Puts the loaded catalogues in front of app's texts, the game's first.
void InstallLoaded(QCoreApplication& app)
{
    for (QTranslator* pTranslator : {g_pQt.data(), g_pGame.data()}) {
        if (pTranslator == nullptr)
            continue;
        pTranslator->setParent(&app);
        QCoreApplication::removeTranslator(pTranslator);
        QCoreApplication::installTranslator(pTranslator);
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

QString CTranslations::Load()
{
    LoadCatalogue(SystemCatalogue());
    return g_strLoaded;
}

QString CTranslations::Install(QCoreApplication& app)
{
    Load();
    InstallLoaded(app);
    return g_strLoaded;
}

bool CTranslations::InstallCatalogue(QCoreApplication& app, const QString& strName)
{
    const bool bLoaded = LoadCatalogue(strName);
    InstallLoaded(app);
    return bLoaded;
}

QString CTranslations::Translate(const char* szContext, const char* szSource)
{
    const QString text = g_pGame != nullptr ? g_pGame->translate(szContext, szSource) : QString();
    return text.isEmpty() ? QString::fromUtf8(szSource) : text;
}
