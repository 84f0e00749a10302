// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/key_accessible.h"
#include "access/view_accessible.h"
#include "accessible_window.h"
#include "game/game_globals.h"
#include "game/notes.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {

struct SEvent
{
    QAccessible::Event eType;
    QAccessibleInterface* pTarget;
    QString strText; // the new text of a text update
};
std::vector<SEvent> g_aEvent;

void RecordEvent(QAccessibleEvent* pEvent)
{
    QString text;
    if (pEvent->type() == QAccessible::TextUpdated)
        text = static_cast<QAccessibleTextUpdateEvent*>(pEvent)->textInserted();
    g_aEvent.push_back({pEvent->type(), pEvent->accessibleInterface(), text});
}

class ViewAccessibleTest : public CAccessibleWindowTest
{
protected:
    void SetUp() override
    {
        CAccessibleWindowTest::SetUp();
        g_aEvent.clear();
        CViewAccessible::SetEventObserver(&RecordEvent);
    }
    void TearDown() override
    {
        CViewAccessible::SetEventObserver(nullptr);
        CAccessibleWindowTest::TearDown();
    }

    int Count(QAccessible::Event eType, QAccessibleInterface* pTarget) const
    {
        return static_cast<int>(std::count_if(g_aEvent.begin(), g_aEvent.end(),
            [&](const SEvent& e) { return e.eType == eType && e.pTarget == pTarget; }));
    }
    QString StaffText() const { return Staff()->textInterface()->text(0, -1); }
};

} // namespace

TEST_F(ViewAccessibleTest, PictureHoldsBannerStaffEightKeysAndJudgement)
{
    const char* const names[8] = {"E", "F", "G", "A", "B", "C", "D", "E'"};
    const char* const descriptions[8] = {"E3, key A or 1", "F3, key S or 2", "G3, key D or 3",
        "A3, key F or 4", "B3, key G or 5", "C4, key H or 6", "D4, key J or 7", "E4, key K or 8"};
    for (int k = 0; k < 8; ++k) {
        QAccessibleInterface* pKey = Key(k);
        ASSERT_NE(pKey, nullptr);
        EXPECT_EQ(pKey->role(), QAccessible::Button);
        EXPECT_EQ(pKey->text(QAccessible::Name), QString::fromLatin1(names[k]));
        EXPECT_EQ(pKey->text(QAccessible::Description), QString::fromLatin1(descriptions[k]));
        EXPECT_EQ(pKey->parent(), m_pView);
        EXPECT_EQ(m_pView->indexOfChild(pKey), 2 + k);
        // The bridge finds a child again by its id.
        EXPECT_EQ(QAccessible::accessibleInterface(QAccessible::uniqueId(pKey)), pKey);
    }
    EXPECT_EQ(m_pView->child(12), nullptr);
    // What is said aloud: notifications under a status bar that is never shown.
    QAccessibleInterface* pSaid = m_pView->child(11);
    EXPECT_EQ(pSaid->role(), QAccessible::StatusBar);
    EXPECT_TRUE(pSaid->state().invisible);
    EXPECT_EQ(pSaid->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Said(i)->role(), QAccessible::Notification);
        EXPECT_EQ(Said(i)->parent(), pSaid);
        EXPECT_EQ(QAccessible::accessibleInterface(QAccessible::uniqueId(Said(i))), Said(i));
    }
    EXPECT_EQ(m_pView->child(-1), nullptr);
    for (QAccessibleInterface* pText : {Banner(), Staff(), Judgement()}) {
        EXPECT_EQ(pText->role(), QAccessible::StaticText);
        EXPECT_NE(pText->textInterface(), nullptr);
    }
    // At the start the level banner shows and the judgement does not.
    EXPECT_EQ(Banner()->text(QAccessible::Name), QStringLiteral("Level 1: 3 Notes"));
    EXPECT_FALSE(Banner()->state().invisible);
    EXPECT_TRUE(Judgement()->state().invisible);
    EXPECT_TRUE(Judgement()->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(StaffText(), QStringLiteral("3 Notes."));
    EXPECT_EQ(Staff()->textInterface()->characterCount(), 8);
    EXPECT_EQ(Staff()->textInterface()->text(2, 7), QStringLiteral("Notes"));
}

TEST_F(ViewAccessibleTest, PressEntersTheNoteAndSoundOnlySounds)
{
    auto* pActions = Key(3)->actionInterface();
    ASSERT_NE(pActions, nullptr);
    EXPECT_EQ(pActions->actionNames(),
        (QStringList {QAccessibleActionInterface::pressAction(), CKeyAccessible::SoundAction()}));
    EXPECT_EQ(pActions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
        (QStringList {"F", "4"}));

    m_output.Take();
    pActions->doAction(CKeyAccessible::SoundAction());
    EXPECT_EQ(Game().EnteredCount(), 0);
    EXPECT_EQ(m_output.Take(), std::vector<int> {3});
    pActions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Game().EnteredCount(), 1);
    EXPECT_EQ(m_output.Take(), std::vector<int> {3});
    EXPECT_EQ(Game().Entered(0), 3);
    EXPECT_EQ(g_nClickCount, 1);
    // A press is a whole click: the key does not stay down.
    EXPECT_FALSE(Key(3)->state().pressed);
    pActions->doAction(QStringLiteral("Nonsense"));
    EXPECT_EQ(Game().EnteredCount(), 1);
}

// Like the mouse, the keyboard and MIDI, a screen reader's actions reach no key behind a
// modal dialog.
TEST_F(ViewAccessibleTest, ModalDialogKeepsActionsAway)
{
    bool bChecked = false;
    QTimer::singleShot(0, [&] {
        QWidget* pDialog = QApplication::activeModalWidget();
        ASSERT_NE(pDialog, nullptr);
        m_output.Take();
        Key(3)->actionInterface()->doAction(CKeyAccessible::SoundAction());
        Key(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(Game().EnteredCount(), 0);
        EXPECT_EQ(g_nClickCount, 0);
        EXPECT_TRUE(m_output.Take().empty());
        bChecked = true;
        pDialog->close();
    });
    m_pWindow->OnTutorial();
    EXPECT_TRUE(bChecked);
    Key(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Game().EnteredCount(), 1);
}

TEST_F(ViewAccessibleTest, StaffTextAndItsUpdatesFollowTheEnteredNotes)
{
    EndBanner();
    m_pWindow->DrawScene();
    g_aEvent.clear();

    // The first note as played, the second one above the melody's.
    const int first = Game().Melody(0);
    const int second = (Game().Melody(1) + 1) % c_nKeyCount;
    Key(first)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Key(second)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // Nothing is told before the picture changes; then the new text comes with its event.
    EXPECT_EQ(Count(QAccessible::TextUpdated, Staff()), 0);
    m_pWindow->DrawScene();
    const QString expected
        = QStringLiteral("3 Notes. 1: %1, right. 2: %2, wrong.")
              .arg(QLatin1String(c_aszNoteLabel[first]), QLatin1String(c_aszNoteLabel[second]));
    EXPECT_EQ(StaffText(), expected);
    ASSERT_EQ(Count(QAccessible::TextUpdated, Staff()), 1);
    EXPECT_EQ(g_aEvent.front().strText, expected);
    // Two notes that came in one picture are not said: only a note entered alone is.
    EXPECT_EQ(Count(QAccessible::ObjectShow, Said(0)), 0);
    Key(second)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    m_pWindow->DrawScene();

    // Every character has a place on the staff: the head over the clef, each note's part
    // over its smiley, left to right.
    auto* pText = Staff()->textInterface();
    const QRect staff = Staff()->rect();
    int lastLeft = -1;
    for (int i = 0; i < pText->characterCount(); ++i) {
        const QRect character = pText->characterRect(i);
        EXPECT_FALSE(character.isEmpty()) << i;
        EXPECT_TRUE(staff.contains(character)) << i;
        EXPECT_GT(character.left(), lastLeft) << i;
        EXPECT_EQ(pText->offsetAtPoint(character.center()), i);
        lastLeft = character.left();
    }
    EXPECT_TRUE(pText->characterRect(pText->characterCount()).isEmpty());

    // The same picture again tells nothing.
    g_aEvent.clear();
    m_pWindow->DrawScene();
    EXPECT_TRUE(g_aEvent.empty());
}

TEST_F(ViewAccessibleTest, EachNoteIsSaidAsItsSmileyShowsIt)
{
    EndBanner();
    m_pWindow->DrawScene();
    g_aEvent.clear();
    const int wrong = (Game().Melody(0) + 1) % c_nKeyCount;
    Key(wrong)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    m_pWindow->DrawScene();
    EXPECT_EQ(Said(0)->text(QAccessible::Name),
        QStringLiteral("%1, wrong").arg(QLatin1String(c_aszNoteLabel[wrong])));
    EXPECT_EQ(Count(QAccessible::NameChanged, Said(0)), 1);
    EXPECT_EQ(Count(QAccessible::ObjectShow, Said(0)), 1);
    // Deleting the notes says nothing.
    g_aEvent.clear();
    Game().OnDeleteNotes();
    m_pWindow->DrawScene();
    EXPECT_EQ(Count(QAccessible::ObjectShow, Said(0)), 0);
}

TEST_F(ViewAccessibleTest, JudgementHidesTheKeysAndIsAnnounced)
{
    EndBanner();
    m_pWindow->DrawScene();
    g_aEvent.clear();

    for (int i = 0; i < 3; ++i) {
        // The last note alone in its picture.
        if (i == 2) {
            m_pWindow->DrawScene();
            g_aEvent.clear();
        }
        Key(Game().Melody(i))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    }
    ASSERT_TRUE(Game().IsShowingResult());
    ASSERT_TRUE(Game().IsCorrect());
    m_pWindow->DrawScene();
    const QStringList rightTexts {QStringLiteral("That's it!"), QStringLiteral("That's right!"),
        QStringLiteral("Well done!")};
    const QString name = Judgement()->text(QAccessible::Name);
    EXPECT_EQ(name, m_pWindow->View()->Scene().JudgementText());
    EXPECT_TRUE(rightTexts.contains(name)) << name.toStdString();
    EXPECT_FALSE(Judgement()->state().invisible);
    EXPECT_EQ(Count(QAccessible::NameChanged, Judgement()), 1);
    EXPECT_EQ(Count(QAccessible::Alert, Judgement()), 1);
    EXPECT_EQ(Count(QAccessible::ObjectShow, Judgement()), 1);
    // The last note comes with the judgement, in the judgement's message.
    const QString last = QLatin1String(c_aszNoteLabel[Game().Melody(2)]);
    EXPECT_EQ(Said(1)->text(QAccessible::Name), last + QStringLiteral(", right. ") + name);
    EXPECT_EQ(Count(QAccessible::ObjectShow, Said(1)), 1);
    EXPECT_EQ(Count(QAccessible::ObjectShow, Said(0)), 0);
    for (int k = 0; k < 8; ++k) {
        EXPECT_TRUE(Key(k)->state().invisible) << k;
        EXPECT_EQ(Count(QAccessible::ObjectHide, Key(k)), 1) << k;
    }
    // While the keys are hidden, the judgement is what stands at their place.
    const QPoint centre = Key(2)->rect().center();
    EXPECT_EQ(m_pView->childAt(centre.x(), centre.y()), Judgement());

    // The judgement goes: the keys come back, and nothing is alerted.
    g_aEvent.clear();
    Game().OnTimer(202);
    m_pWindow->DrawScene();
    EXPECT_TRUE(Judgement()->state().invisible);
    EXPECT_FALSE(Key(0)->state().invisible);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(Count(QAccessible::ObjectShow, Key(k)), 1) << k;
    EXPECT_EQ(Count(QAccessible::ObjectHide, Judgement()), 1);
    EXPECT_EQ(Count(QAccessible::NameChanged, Judgement()), 1);
    EXPECT_EQ(Count(QAccessible::Alert, Judgement()), 0);
    EXPECT_EQ(Count(QAccessible::ObjectShow, Said(1)), 0);
}

TEST_F(ViewAccessibleTest, LevelBannerIsAnnouncedWhenItAppears)
{
    EndBanner();
    UseFixedLength(5);
    m_pWindow->DrawScene();
    EXPECT_TRUE(Banner()->state().invisible);
    EXPECT_EQ(StaffText(), QStringLiteral("5 Notes."));
    g_aEvent.clear();

    Game().OnGameNew();
    m_pWindow->DrawScene();
    EXPECT_EQ(Banner()->text(QAccessible::Name), QStringLiteral("Level 1: 3 Notes"));
    EXPECT_EQ(Count(QAccessible::NameChanged, Banner()), 1);
    EXPECT_EQ(Count(QAccessible::Alert, Banner()), 1);
    EXPECT_EQ(Said(2)->text(QAccessible::Name), QStringLiteral("Level 1: 3 Notes"));
    EXPECT_EQ(Count(QAccessible::ObjectShow, Said(2)), 1);
    EXPECT_EQ(Count(QAccessible::ObjectShow, Banner()), 1);
    EXPECT_EQ(Count(QAccessible::TextUpdated, Staff()), 1);
    EXPECT_EQ(StaffText(), QStringLiteral("3 Notes."));
}
