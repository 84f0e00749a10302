// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/wave_image.h"

#include <QString>

// One playable note sound: a WAVE image from the program's resources, played asynchronously on
// the process's single sound channel (a new sound cuts off the one still sounding).
// States: Empty (m_bLoaded false, m_pData null) and Loaded from a resource (m_bLoaded true,
// m_pData the resource bytes, never owned).
class CSound
{
public:
    CSound();
    ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // Loads the resource ":/WAVE/<name>". Silences every sound of the process first. A resource
    // stored compressed cannot be read in place and does not load.
    bool LoadFromResource(const QString& strName);
    // Starts the sound and returns at once; false when nothing was started (Empty, an image
    // that is not playable mono 16-bit 22050 Hz PCM, or no sound device). A failed Play leaves
    // a sounding note alone.
    bool Play(bool bLoop);
    // Stops every sound of the process, not only this one.
    void Stop();
    // Stops every sound of the process, then empties the object.
    void Close();

    // Asks for the sound channel ahead of the first note (opening it may take a while on a
    // sound server) and returns at once.
    static void PrepareOutput();

    bool m_bLoaded = false;
    const unsigned char* m_pData = nullptr; // the whole WAVE image, read in place
    CWaveImage m_wave; // the samples inside m_pData; empty if the image is not playable
};
