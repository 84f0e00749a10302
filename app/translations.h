// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

// Puts the game's catalogue and Qt's own (for the standard buttons) in front of the texts, for
// the first of the player's languages that the game speaks.
class CTranslations
{
public:
    // The catalogue names the game ships ("de", "pt_BR", ...), from the resources.
    static QStringList Shipped();
    // The shipped catalogue for languages in the order of preference (QLocale::uiLanguages()
    // form, "de-DE", "pt-BR"...): the first language English, C or one the game speaks decides;
    // empty for English and C, or when none is spoken.
    static QString Choose(const QStringList& astrLanguages);
    // Whether the messages' locale (LC_ALL, else LC_MESSAGES, else LANG) is C or POSIX or
    // unset: then, as with gettext, LANGUAGE does not count and the source texts stay.
    static bool MessagesInC();
    // Loads both catalogues for QLocale::system() (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; see
    // MessagesInC) without installing them, so that Translate speaks the player's language
    // before the application object exists. Returns the catalogue name, or empty when the
    // source texts stay.
    static QString Load();
    // Installs the catalogues Load chose (loading them first unless it ran) on app. Returns the
    // catalogue name, or empty when the source texts stay.
    static QString Install(QCoreApplication& app);
    // As Install, for one catalogue name; false, with the source texts back, when the game's
    // catalogue does not load (an empty name just removes both translators).
    static bool InstallCatalogue(QCoreApplication& app, const QString& strName);
    // szSource in the game's catalogue that Load or Install chose, else szSource itself; works
    // with or without an application object (QCoreApplication::translate needs one). For what
    // the program prints on the terminal; mark the texts with QT_TRANSLATE_NOOP.
    static QString Translate(const char* szContext, const char* szSource);
};
