// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

struct pw_thread_loop;
struct pw_context;
struct pw_core;
struct pw_stream;

// One native PipeWire playback stream (mono, signed 16-bit, c_nRate samples/s) whose node can
// be made inactive while nothing sounds: an inactive node leaves the graph, so the server may
// suspend its sink and picks its quantum without us, and it comes back within a cycle or two
// when made active again, where a closed stream takes tens of ms to open. The callback runs on
// the stream's own data thread and fills exactly what the graph asks for.
// Open, SetActive, IsLost and Close are called from one thread (the output's).
class CPipeWireStream
{
public:
    static constexpr int c_nRate
        = 48000; // the graph's usual rate: the server then resamples nothing
    // Latency asked for while active, in samples at c_nRate (5.3 ms): the cycle the game's
    // clicks wait for, modest enough for a desktop's graph.
    static constexpr int c_nQuantum = 256;

    using Callback = void (*)(void* pUser, std::int16_t* pOut, std::size_t nCount);

    CPipeWireStream() = default;
    ~CPipeWireStream() { Close(); }
    CPipeWireStream(const CPipeWireStream&) = delete;
    CPipeWireStream& operator=(const CPipeWireStream&) = delete;

    // Connects to the server and starts an active stream; false (and nothing kept) when no
    // server answers or the stream fails within c_nOpenMs.
    bool Open(Callback pCallback, void* pUser);
    void Close();
    bool IsOpen() const { return m_pStream != nullptr; }
    // Makes the node (in)active; asks and returns without waiting.
    void SetActive(bool bActive);
    // The server went away or the stream failed.
    bool IsLost() const { return m_bLost.load(std::memory_order_acquire); }

    static constexpr int c_nOpenMs = 2000; // longest wait for a stream to be set up

private:
    // Connects to the server and asks for the stream; the thread loop locked.
    bool Connect();
    static void OnProcess(void* pData);
    static void OnStateChanged(void* pData, int nOld, int nState, const char* szError);
    static void OnCoreError(void* pData, std::uint32_t nId, int nSeq, int nRes, const char* szMsg);

    pw_thread_loop* m_pLoop = nullptr;
    pw_context* m_pContext = nullptr;
    pw_core* m_pCore = nullptr;
    pw_stream* m_pStream = nullptr;
    void* m_pListeners = nullptr; // the spa_hook pair, allocated with the stream
    Callback m_pCallback = nullptr;
    void* m_pUser = nullptr;
    std::atomic<bool> m_bLost {false};
    std::atomic<int> m_nState {0}; // the latest pw_stream_state
};
