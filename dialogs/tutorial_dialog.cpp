// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/tutorial_dialog.h"

#include "dialogs/credits.h"
#include "dialogs/form_fit.h"
#include "dialogs/window_flags.h"
#include "ui_tutorial_dialog.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QStringList>

namespace {

// The game's own wording, kept exactly as it has always read in English; the catalogues
// translate it for meaning.
const char* const c_aszTutorialParagraphs[] = {
    QT_TRANSLATE_NOOP("Tutorial",
        "Listen to the melody played by the computer, then try to play along with the little "
        "blue keyboard."),
    QT_TRANSLATE_NOOP("Tutorial",
        "Level of difficulty goes up after 3 succesful tries (1 note is added), but you can "
        "change that in the Options/Settings-dialog. You can even set a fixed number of notes."),
    QT_TRANSLATE_NOOP("Tutorial",
        "You can use the 'Hear Again' button to hear the current melody again, if you didn't "
        "catch it. If a specific melody is too hard for you to remember, get another one with "
        "the 'New Melody' button."),
    QT_TRANSLATE_NOOP("Tutorial",
        "If you have played some wrong notes and you want to start over, delete the notes with "
        "the third button."),
    QT_TRANSLATE_NOOP("Tutorial",
        "Use the RIGHT MOUSEBUTTON to klick the blue keys if you want to hear the notes before "
        "actually playing them."),
    QT_TRANSLATE_NOOP("Tutorial",
        "Use the menue item 'Game - New' to start over with 3 notes if you get into levels too "
        "difficult (only applies if fixed length is not set in Options/Settings)"),
};

} // namespace

CTutorialDlg::CTutorialDlg(QWidget* pParent)
    : QDialog(pParent)
    , m_strText(TutorialText())
    , m_pUi(std::make_unique<Ui::CTutorialDlg>())
{
    m_pUi->setupUi(this);
    setWindowFlags(DialogWindowFlags());
    CFormFit::Apply(*this);
    setFixedSize(size());
    connect(m_pUi->button1, &QPushButton::clicked, this, &QDialog::accept);
    DoDataExchange();
    m_pUi->button1->setFocus(Qt::OtherFocusReason);
}

CTutorialDlg::~CTutorialDlg() = default;

QString CTutorialDlg::TutorialText()
{
    QStringList lines = {QStringLiteral("* * * Cantabell * * *"),
        QCoreApplication::translate("Credits", c_szCreditLine), QString(), QString()};
    for (const char* szLine : c_aszTutorialParagraphs)
        lines << QCoreApplication::translate("Tutorial", szLine);
    return lines.join(QStringLiteral("\r\n"));
}

void CTutorialDlg::DoDataExchange()
{
    // The text box keeps CR LF as one line break; it opens at the first line.
    m_pUi->edit1001->setPlainText(m_strText);
}
