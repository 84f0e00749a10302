// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/translations.h"

#include <QApplication>
#include <QStringList>
#include <gtest/gtest.h>

// Each case of a suite derived from this runs its checks once per shipped catalogue, with that
// catalogue installed, and ends with the source texts back.
class CEveryLanguageTest : public ::testing::Test
{
protected:
    void TearDown() override { CTranslations::InstallCatalogue(*qApp, QString()); }

    template<typename Check> void ForEachLanguage(Check check)
    {
        const QStringList languages = CTranslations::Shipped();
        ASSERT_GE(languages.size(), 12);
        for (const QString& language : languages) {
            SCOPED_TRACE(language.toStdString());
            ASSERT_TRUE(CTranslations::InstallCatalogue(*qApp, language));
            check(language);
        }
    }
};
