// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The program's options: --help and --version print and end the program with status 0, an
// unknown option prints one line and the usage on stderr and ends it with status 2; --sing
// asks for sing mode. Parsed before the application object exists, so that no display is
// needed to ask for help.
class CCommandLine
{
public:
    // -1: go on and start the game; otherwise the program's exit status.
    int Parse(const QStringList& astrArguments);
    bool IsSing() const { return m_bSing; }

private:
    bool m_bSing = false;
};
