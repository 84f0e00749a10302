#pragma once

#include <QImage>

class CMelodyGame;

// The picture of the main window, composed from the turn state into a back buffer of
// m_nWidth x m_nHeight pixels (picture coordinates: origin at client (0, 32)).
class CScene
{
public:
    explicit CScene(const CMelodyGame& game);

    // Recomposes the whole back buffer; changes nothing of the game.
    void Compose();
    const QImage& BackBuffer() const { return m_imgBack; }

    int m_nWidth = 400;
    int m_nHeight = 305;

private:
    const CMelodyGame& m_game;
    QImage m_imgBack;
};
