#pragma once

class CMelodyGame;

// The keys' labels from left to right, and the computer keys that play them (besides 1 .. 8).
inline constexpr const char* c_aszKeyName[8] = {"E", "F", "G", "A", "B", "C", "D", "E'"};
inline constexpr char c_szKeyLetters[] = "ASDFGHJK";

// The one way that input other than the mouse reaches the eight keys: each operation acts
// exactly like the mouse on the centre of key k's hit area (client coordinates).
class CNoteInput
{
public:
    explicit CNoteInput(CMelodyGame& game)
        : m_game(game)
    { }

    // Like a left press on key k (0..7): sounds, shows held and enters the note.
    void Press(int k);
    // Like the left button's release: no key shows held any more.
    void Release();
    // Like a right click on key k: only sounds the note.
    void Sound(int k);
    // A whole left click on key k: press and release.
    void Click(int k);

    static bool IsKey(int k) { return k >= 0 && k < 8; }
    // The centre of key k's hit area (x 4 + 48k .. 50 + 48k, y 177 .. 248), client pixels.
    static int CentreX(int k) { return 4 + 48 * k + 23; }
    static constexpr int c_nCentreY = (177 + 248) / 2;

private:
    CMelodyGame& m_game;
};
