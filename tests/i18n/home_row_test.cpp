// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/game_fixtures.h"
#include "window/home_row.h"
#include "window/note_keys.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// A key event as X11 or Wayland delivers it: the layout's key and text, the physical key's code.
QKeyEvent Physical(QEvent::Type type, int key, quint32 scan, const QString& text,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return QKeyEvent(type, key, modifiers, scan, 0, 0, text);
}

int NoteOf(int key, quint32 scan, const char* szText = "",
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return CNoteKeys::NoteOf(
        Physical(QEvent::KeyPress, key, scan, QString::fromUtf8(szText), modifiers));
}

class HomeRowTest : public CGameWindowTest
{
protected:
    void SetUp() override
    {
        CGameWindowTest::SetUp();
        UseFixedLength(8);
    }
    void TearDown() override
    {
        // The US letters again for the suites after this one.
        for (int k = 0; k < 8; ++k)
            CHomeRow::Learn(CHomeRow::ScanCodeOf(k), QString(QLatin1Char("ASDFGHJK"[k])));
        CGameWindowTest::TearDown();
    }
    void Tap(int key, quint32 scan, const QString& text, Qt::KeyboardModifiers modifiers = {})
    {
        QKeyEvent press = Physical(QEvent::KeyPress, key, scan, text, modifiers);
        QApplication::sendEvent(m_pWindow.get(), &press);
        QKeyEvent release = Physical(QEvent::KeyRelease, key, scan, text, modifiers);
        QApplication::sendEvent(m_pWindow.get(), &release);
    }
};

} // namespace

TEST(HomeRowKeysTest, ThePhysicalKeyDecidesWhateverTheLayoutPrints)
{
    // X keycodes 38..45 are the home row, 10..17 the digits 1..8.
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(CHomeRow::NoteOfScanCode(38 + k), k);
        EXPECT_EQ(CHomeRow::NoteOfScanCode(10 + k), k);
    }
    for (quint32 scan : {9u, 18u, 37u, 46u, 24u, 0u})
        EXPECT_EQ(CHomeRow::NoteOfScanCode(scan), -1) << scan;

    EXPECT_EQ(NoteOf(Qt::Key_Q, 38, "q"), 0); // AZERTY
    EXPECT_EQ(NoteOf(Qt::Key_A, 24, "a"), -1); // AZERTY's A sits where US has Q
    EXPECT_EQ(NoteOf(Qt::Key_Ampersand, 10, "&"), 0); // AZERTY's unshifted 1
    EXPECT_EQ(NoteOf(Qt::Key_1, 10, "1", Qt::ShiftModifier), 0);
    EXPECT_EQ(NoteOf(Qt::Key_O, 39, "o"), 1); // Dvorak
    EXPECT_EQ(NoteOf(Qt::Key_S, 47, "s"), -1); // Dvorak's S is beside the home row
    EXPECT_EQ(NoteOf(0x424, 38, "ф"), 0); // Russian
    EXPECT_EQ(NoteOf(Qt::Key_5, 84, "5", Qt::KeypadModifier), 4); // the keypad's digits
    EXPECT_EQ(NoteOf(Qt::Key_9, 18, "9"), -1);
    // Synthesised events without a scan code go by the US letters and the digits.
    EXPECT_EQ(NoteOf(Qt::Key_K, 0), 7);
    EXPECT_EQ(NoteOf(Qt::Key_3, 0), 2);
    EXPECT_EQ(NoteOf(Qt::Key_Q, 0), -1);
}

TEST_F(HomeRowTest, AzertyHomeRowEntersShiftOnlySoundsAndTheLabelIsLearnt)
{
    Tap(Qt::Key_Q, 38, QStringLiteral("q"), Qt::ShiftModifier);
    EXPECT_EQ(Game().EnteredCount(), 0) << "Shift only sounds";
    Tap(Qt::Key_A, 24, QStringLiteral("a"));
    EXPECT_EQ(Game().EnteredCount(), 0) << "not a home-row key";
    Tap(Qt::Key_Q, 38, QStringLiteral("q"));
    Tap(Qt::Key_Eacute, 11, QStringLiteral("é"));
    ASSERT_EQ(Game().EnteredCount(), 2);
    EXPECT_EQ(Game().Entered(0), 0);
    EXPECT_EQ(Game().Entered(1), 1);
    EXPECT_EQ(CHomeRow::Label(0), QStringLiteral("Q"));
    EXPECT_EQ(CHomeRow::Label(1), QStringLiteral("S"));
    // Alt with a home-row key is a mnemonic's, not a note's.
    Tap(Qt::Key_D, 40, QStringLiteral("d"), Qt::AltModifier);
    EXPECT_EQ(Game().EnteredCount(), 2);
}
