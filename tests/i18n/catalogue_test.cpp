// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/display_guard.h"
#include "tests/i18n/language_switch.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

class CatalogueTest : public CEveryLanguageTest
{
};

QString Choose(const char* szLanguages)
{
    return CTranslations::Choose(QString::fromLatin1(szLanguages).split(QLatin1Char(':')));
}

} // namespace

TEST_F(CatalogueTest, ShipsTheLanguagesOfMostLearnersIncludingRightToLeftAndCjk)
{
    const QStringList shipped = CTranslations::Shipped();
    for (const char* szName :
        {"de", "fr", "es", "it", "pt_BR", "ru", "pl", "nl", "ja", "zh_CN", "ar", "cs"})
        EXPECT_TRUE(shipped.contains(QString::fromLatin1(szName))) << szName;
}

TEST_F(CatalogueTest, TheFirstLanguageSpokenOrEnglishDecides)
{
    EXPECT_EQ(Choose("de-DE"), QStringLiteral("de"));
    EXPECT_EQ(Choose("de-AT:fr"), QStringLiteral("de"));
    EXPECT_EQ(Choose("pt-PT"), QStringLiteral("pt_BR"));
    EXPECT_EQ(Choose("pt-BR"), QStringLiteral("pt_BR"));
    EXPECT_EQ(Choose("zh-Hans-CN"), QStringLiteral("zh_CN"));
    // Traditional Chinese is not the simplified catalogue's: the next choice counts.
    EXPECT_EQ(Choose("zh-TW:ja"), QStringLiteral("ja"));
    EXPECT_EQ(Choose("xx-YY:nl-BE"), QStringLiteral("nl"));
    // English or C first keeps the game's own texts, even when a spoken language follows.
    EXPECT_EQ(Choose("en-US:de"), QString());
    EXPECT_EQ(Choose("C"), QString());
    EXPECT_EQ(Choose("xx"), QString());
    EXPECT_EQ(Choose(""), QString());
}

TEST_F(CatalogueTest, EachCatalogueTranslatesAndSetsTheWritingDirection)
{
    ForEachLanguage([](const QString& language) {
        EXPECT_NE(QCoreApplication::translate("Menu", "&Game"), QStringLiteral("&Game"));
        EXPECT_NE(
            QCoreApplication::translate("Picture", "Well done!"), QStringLiteral("Well done!"));
        const bool rtl = language == QLatin1String("ar");
        EXPECT_EQ(QGuiApplication::layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
    });
    // Back to the source texts, left to right.
    CTranslations::InstallCatalogue(*qApp, QString());
    EXPECT_EQ(QCoreApplication::translate("Menu", "&Game"), QStringLiteral("&Game"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST_F(CatalogueTest, QtsOwnCatalogueTranslatesTheStandardButtons)
{
    ASSERT_TRUE(CTranslations::InstallCatalogue(*qApp, QStringLiteral("de")));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    EXPECT_FALSE(CTranslations::InstallCatalogue(*qApp, QStringLiteral("xx")));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

// What the program prints on the terminal follows the catalogue, Qt's own complaints about the
// command line included, and keeps the program's name in front.
TEST_F(CatalogueTest, TerminalTextsFollowTheCatalogue)
{
    ForEachLanguage([](const QString&) {
        CCommandLine line;
        ASSERT_EQ(line.Parse({QStringLiteral("cantabell"), QStringLiteral("--bogus")}),
            CCommandLine::EOutcome::Exit);
        const QString first = line.Error().section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(first.startsWith(QStringLiteral("cantabell: "))) << first.toStdString();
        EXPECT_TRUE(first.contains(QStringLiteral("bogus"))) << first.toStdString();
        EXPECT_NE(first, QStringLiteral("cantabell: Unknown option 'bogus'."));
        EXPECT_FALSE(line.HelpText().startsWith(QStringLiteral("Usage:")));
        const QString display = CDisplayGuard::DescribeDisplay({QStringLiteral("vnc")});
        EXPECT_TRUE(display.contains(QStringLiteral("vnc")));
        EXPECT_NE(display, QStringLiteral("(platform \"vnc\")"));
    });
}

TEST_F(CatalogueTest, ACOrPosixLocaleKeepsTheSourceTexts)
{
    const char* const aszVariable[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    QByteArray aOld[3];
    for (int i = 0; i < 3; ++i) {
        aOld[i] = qgetenv(aszVariable[i]);
        qunsetenv(aszVariable[i]);
    }
    EXPECT_TRUE(CTranslations::MessagesInC()) << "nothing set";
    qputenv("LANG", "de_DE.UTF-8");
    EXPECT_FALSE(CTranslations::MessagesInC());
    qputenv("LC_MESSAGES", "C.UTF-8"); // before LANG
    EXPECT_TRUE(CTranslations::MessagesInC());
    qputenv("LC_ALL", "fr_FR.UTF-8"); // before both
    EXPECT_FALSE(CTranslations::MessagesInC());
    qputenv("LC_ALL", "POSIX");
    EXPECT_TRUE(CTranslations::MessagesInC());
    for (int i = 0; i < 3; ++i) {
        if (aOld[i].isNull())
            qunsetenv(aszVariable[i]);
        else
            qputenv(aszVariable[i], aOld[i]);
    }
}
