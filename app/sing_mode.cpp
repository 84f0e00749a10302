// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sing_mode.h"

#include "audio/wave_out.h"
#include "game/melody_game.h"
#include "sing/aubio_pitch.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

std::int64_t NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// One line on stderr, after the program's name.
void Say(const QString& strText)
{
    std::fprintf(stderr, "cantabell: %s\n", strText.toLocal8Bit().constData());
}

} // namespace

CSingMode::CSingMode(const CMelodyGame& game, QObject* pParent)
    : QObject(pParent)
    , m_game(game)
{ }

CSingMode::~CSingMode()
{
    if (m_pCapture)
        m_pCapture->Stop();
}

bool CSingMode::Start()
{
    std::string strError;
    auto pDetector = CAubioPitch::Create("yinfft", strError);
    if (!pDetector) {
        //: %1: why, in the words of the pitch detector's library (English).
        Say(QCoreApplication::translate("Terminal", "cannot listen (%1); answer with the keys")
                .arg(QString::fromLocal8Bit(strError.c_str())));
        return false;
    }
    m_pCapture = std::make_unique<CVoiceCapture>(
        std::make_unique<CVoiceListener>(std::move(pDetector)), *this);
    // The output first: it picks the sound server's driver, and SDL's audio must not be set up
    // by two threads at once.
    m_pCapture->Start([] { CWaveOut::Instance().Open(); });
    return true;
}

void CSingMode::Tick(bool bDialogOpen)
{
    if (!m_pCapture)
        return;
    if (!m_bReported && m_pCapture->State() == CVoiceCapture::EState::Failed) {
        m_bReported = true;
        Say(QCoreApplication::translate("Terminal", "no microphone; answer with the keys"));
    }
    const bool bListening = m_window.IsOpen(m_game, bDialogOpen, NowMs());
    // A fresh answer: its octave is found again from what is sung.
    if (bListening && !m_bListening && m_game.EnteredCount() == 0)
        m_pCapture->NewAnswer();
    m_bListening = bListening;
    m_pCapture->SetListening(bListening);
}

void CSingMode::NoteSounded()
{
    m_window.NoteSounded(NowMs());
    m_bListening = false;
    if (m_pCapture)
        m_pCapture->SetListening(false);
}

void CSingMode::KeyDown(int nKey, int /*nNote*/)
{
    m_nHeld.store(nKey);
    emit Key(nKey, true);
}

void CSingMode::KeyUp()
{
    emit Key(m_nHeld.exchange(-1), false);
}
