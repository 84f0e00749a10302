// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture's texts come from the built-in faces: with every system font hidden they take
// exactly the same room.
#include "picture_fake.h"
#include "picture_probe.h"
#include "render/picture_fonts.h"
#include "render/scene.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

bool IsBannerBlue(QRgb c)
{
    return Probe::Near(c, 0x0087ff, 40);
}
bool IsLabelRed(QRgb c)
{
    return qRed(c) >= 200 && qGreen(c) <= 120 && qBlue(c) <= 120;
}
bool IsLabelWhite(QRgb c)
{
    return qRed(c) >= 200 && qGreen(c) >= 200 && qBlue(c) >= 200;
}
bool IsGold(QRgb c)
{
    return Probe::Near(c, 0xffd700, 40);
}

QString Rect(const QRect& rc)
{
    return QStringLiteral("%1,%2,%3,%4").arg(rc.x()).arg(rc.y()).arg(rc.width()).arg(rc.height());
}

// Where each text lands in the 1x picture (bounding boxes of its colour) and the sizes the
// fonts were given, as one line.
QString TextExtents()
{
    CPictureFake game;
    CScene scene(game);
    scene.SetDevicePixelRatio(1);
    game.m_nLength = 8;
    scene.Compose(); // "Level 6: 8 Notes" over the staff, "8 Notes", the key labels
    QStringList parts;
    const QImage& img = scene.BackBuffer();
    parts << Rect(Probe::Bounds(img, QRect(0, 40, 400, 80), IsBannerBlue))
          << Rect(Probe::Bounds(img, QRect(310, 11, 76, 26), IsLabelRed))
          << Rect(Probe::Bounds(img, QRect(3, 150, 384, 24), IsLabelWhite));
    game.m_bShowLevel = false;
    game.m_bShowResult = true;
    game.m_bCorrect = true;
    game.m_nFeedback = 1; // "That's right!"
    scene.Compose();
    parts << Rect(Probe::Bounds(scene.BackBuffer(), QRect(0, 140, 400, 100), IsGold));
    return parts.join(QLatin1Char(' '));
}

TEST(PictureFontsTest, BuiltInFacesAreRegistered)
{
    EXPECT_TRUE(CPictureFonts::Loaded());
    EXPECT_EQ(CPictureFonts::KeyFace(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(CPictureFonts::TextFace(), QStringLiteral("Comic Neue"));
}

// Run only as the child of the test below, under a font configuration without fonts.
TEST(PictureFontsTest, DISABLED_PrintExtents)
{
    const QString extents = TextExtents();
    QTextStream(stdout) << "families: " << QFontDatabase::families().join(QLatin1Char('|'))
                        << "\nextents: " << extents << '\n';
}

TEST(PictureFontsTest, SameTextExtentsWithTheSystemFacesHidden)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fonts")));
    QFile conf(dir.filePath(QStringLiteral("fonts.conf")));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write(
        QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                       "<fontconfig><dir>%1</dir><cachedir>%2</cachedir></fontconfig>\n")
            .arg(dir.filePath(QStringLiteral("fonts")), dir.filePath(QStringLiteral("cache")))
            .toUtf8());
    conf.close();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), conf.fileName());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_also_run_disabled_tests"),
            QStringLiteral("--gtest_filter=PictureFontsTest.DISABLED_PrintExtents")});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    const QString families = out.section(QStringLiteral("families: "), 1).section('\n', 0, 0);
    const QString extents = out.section(QStringLiteral("extents: "), 1).section('\n', 0, 0);
    // Only the two built-in faces were there to be found, besides the generic names that the
    // font database always lists.
    QStringList found = families.split('|', Qt::SkipEmptyParts);
    for (const char* szGeneric : {"Monospace", "Sans Serif", "Serif"})
        found.removeAll(QString::fromLatin1(szGeneric));
    found.sort();
    EXPECT_EQ(found.join('|').toStdString(), "Comic Neue|Liberation Sans");
    ASSERT_FALSE(extents.isEmpty()) << out.toStdString();
    EXPECT_EQ(extents.toStdString(), TextExtents().toStdString());
}

} // namespace
