// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// Texts shared by the Tutorial and the About box.
// Who made the game, as the second line of both boxes.
constexpr const char* c_szCreditLine = QT_TRANSLATE_NOOP("Credits", "by the Cantabell developers");
// The page the About box links to: a stable, real page about the skill the game trains.
constexpr const char* c_szWebAddress = "https://en.wikipedia.org/wiki/Ear_training";
