#include "window/note_input.h"

#include "game/melody_game.h"

void CNoteInput::Press(int k)
{
    if (IsKey(k))
        m_game.OnLButtonDown(KeyCentreX(k), KeyCentreY());
}

void CNoteInput::Release()
{
    m_game.OnLButtonUp();
}

void CNoteInput::Sound(int k)
{
    if (IsKey(k))
        m_game.OnRButtonDown(KeyCentreX(k), KeyCentreY());
}

void CNoteInput::Click(int k)
{
    if (!IsKey(k))
        return;
    Press(k);
    Release();
}
