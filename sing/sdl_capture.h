// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sing/capture_device.h"

// SDL's capture device on the default source, 48 kHz mono float (SDL converts what the source
// delivers). Each opening sets up SDL's audio and each closing shuts it down again, so that a
// sound server that went away is looked for afresh.
class CSdlCapture final : public CCaptureDevice
{
public:
    ~CSdlCapture() override { Close(); }

    bool Open(Callback pCallback, void* pUser) override;
    bool IsLost() const override;
    void Close() override;
    // Where the sound servers' sockets and the cards show up (as for the sound output).
    std::uint64_t Stamp() const override;

private:
    std::uint32_t m_nDevice = 0;
    bool m_bSdlUp = false;
};
