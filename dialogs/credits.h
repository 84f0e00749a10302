#pragma once

// Texts shared by the Tutorial and the About box.
// Who made the game, as the second line of both boxes.
constexpr const char* c_szCreditLine = "by the Cantabell developers";
// The page the About box links to: a stable, real page about the skill the game trains.
constexpr const char* c_szWebAddress = "https://en.wikipedia.org/wiki/Ear_training";
