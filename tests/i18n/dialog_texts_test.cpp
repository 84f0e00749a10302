// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/tutorial_dialog.h"
#include "game/settings.h"
#include "tests/i18n/language_switch.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <vector>

namespace {

class DialogTextsTest : public CEveryLanguageTest
{
protected:
    void SetUp() override { ResetGameGlobals(); }

    static std::vector<std::unique_ptr<QDialog>> Dialogs()
    {
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.push_back(std::make_unique<CSettingsDlg>());
        dialogs.push_back(std::make_unique<CTutorialDlg>());
        dialogs.push_back(std::make_unique<CAboutDlg>());
        return dialogs;
    }

    // Every text shows whole: its widget is as wide as the text needs and lies inside its
    // parent, which lies inside the dialog.
    static void ExpectNothingClipped(QDialog& dialog)
    {
        SCOPED_TRACE(dialog.metaObject()->className());
        const QList<QWidget*> widgets = dialog.findChildren<QWidget*>();
        for (QWidget* pWidget : widgets) {
            const QString name = pWidget->objectName();
            if (name.startsWith(QLatin1String("qt_")) || pWidget->parentWidget() == nullptr)
                continue;
            const QRect inParent(QPoint(0, 0), pWidget->parentWidget()->size());
            EXPECT_TRUE(inParent.contains(pWidget->geometry())) << name.toStdString();
            const auto* pLabel = qobject_cast<QLabel*>(pWidget);
            const bool hasText = (pLabel != nullptr && !pLabel->text().isEmpty())
                || qobject_cast<QAbstractButton*>(pWidget) != nullptr;
            if (hasText && name != QLatin1String("static1008")) {
                EXPECT_LE(pWidget->sizeHint().width(), pWidget->width()) << name.toStdString();
            }
        }
    }
};

} // namespace

TEST_F(DialogTextsTest, EnglishDialogsKeepTheirSizes)
{
    const auto dialogs = Dialogs();
    EXPECT_EQ(dialogs[0]->size(), QSize(227, 141));
    EXPECT_EQ(dialogs[1]->size(), QSize(279, 154));
    EXPECT_EQ(dialogs[2]->size(), QSize(264, 102));
}

TEST_F(DialogTextsTest, DialogsGrowWithTheirTextsInEveryLanguage)
{
    QStringList grown;
    ForEachLanguage([&grown](const QString& language) {
        for (const auto& pDialog : Dialogs()) {
            pDialog->show(); // sizes are final once polished
            ExpectNothingClipped(*pDialog);
            if (qobject_cast<CSettingsDlg*>(pDialog.get()) != nullptr && pDialog->width() > 227)
                grown << language;
            pDialog->hide();
        }
    });
    // The longer wordings of the Settings box made it grow somewhere.
    EXPECT_FALSE(grown.isEmpty());
}

TEST_F(DialogTextsTest, RightToLeftMirrorsTheDialogs)
{
    const auto english = Dialogs();
    ASSERT_TRUE(CTranslations::InstallCatalogue(*qApp, QStringLiteral("ar")));
    const auto arabic = Dialogs();
    for (size_t i = 0; i < english.size(); ++i) {
        SCOPED_TRACE(english[i]->metaObject()->className());
        EXPECT_EQ(arabic[i]->layoutDirection(), Qt::RightToLeft);
        auto* pEnglishOk = english[i]->findChild<QPushButton*>(QStringLiteral("button1"));
        auto* pArabicOk = arabic[i]->findChild<QPushButton*>(QStringLiteral("button1"));
        ASSERT_NE(pEnglishOk, nullptr);
        ASSERT_NE(pArabicOk, nullptr);
        // The button right of the middle in English stands left of it.
        const auto offCentre = [](const QDialog& dialog, const QWidget& button) {
            return button.geometry().center().x() - dialog.width() / 2;
        };
        EXPECT_GT(offCentre(*english[i], *pEnglishOk), 0);
        EXPECT_LT(offCentre(*arabic[i], *pArabicOk), 0);
    }
}
