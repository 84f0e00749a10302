// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A microphone as CVoiceCapture uses it: opened on the default source, it calls back on a
// thread of its own with 48 kHz mono samples (float in host order) until it is closed or lost.
// Open, IsLost, Close and Stamp are called from one thread, the capture's.
class CCaptureDevice
{
public:
    using Callback = void (*)(void* pUser, std::uint8_t* pStream, int nLen);

    virtual ~CCaptureDevice() = default;

    // Opens the source and starts its callbacks; false when it could not be opened.
    virtual bool Open(Callback pCallback, void* pUser) = 0;
    // The open source has stopped for good (the server went away, the device was unplugged).
    virtual bool IsLost() const = 0;
    // Closes what Open opened, waiting for a running callback; harmless when nothing is open.
    virtual void Close() = 0;
    // A value that changes when a sound server or a card turns up: a failed opening is tried
    // again at once when it differs from the one read before that attempt.
    virtual std::uint64_t Stamp() const = 0;
};
