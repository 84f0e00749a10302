#pragma once

#include <QString>

// One playable note sound: a WAVE image from the program's resources, played asynchronously on
// the process's single sound channel (a new sound cuts off the one still sounding).
class CSound
{
public:
    CSound();
    virtual ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // Loads the resource ":/WAVE/<name>". Silences every sound of the process first.
    bool LoadFromResource(const QString& strName);
    // Starts the sound and returns at once; false when nothing was started.
    bool Play(bool bLoop);
    void Stop();
    void Close();

    int m_nSource = 0; // 0 none, 2 a resource (not owned)
    bool m_bLoaded = false;
    const unsigned char* m_pData = nullptr; // the whole WAVE image, read in place
    qint64 m_nDataSize = 0;
};
