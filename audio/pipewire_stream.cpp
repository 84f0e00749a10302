// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pipewire_stream.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <pipewire/pipewire.h>
#include <spa/param/audio/format-utils.h>
#include <string>

namespace {

struct SHooks
{
    spa_hook stream {};
    spa_hook core {};
};

constexpr pw_stream_events c_streamEvents = [] {
    pw_stream_events events {};
    events.version = PW_VERSION_STREAM_EVENTS;
    return events;
}();

std::string Latency()
{
    return std::to_string(CPipeWireStream::c_nQuantum) + "/"
        + std::to_string(CPipeWireStream::c_nRate);
}

// The labels desktop volume controls show; the user's PIPEWIRE_PROPS still add to them.
pw_properties* StreamProperties()
{
    pw_properties* pProps = pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY,
        "Playback", PW_KEY_MEDIA_ROLE, "Game", PW_KEY_MEDIA_NAME, "Notes", PW_KEY_APP_NAME,
        "Cantabell", PW_KEY_APP_ICON_NAME, "io.github.cantabell.Cantabell", PW_KEY_NODE_NAME,
        "Cantabell", nullptr);
    pw_properties_set(pProps, PW_KEY_NODE_LATENCY, Latency().c_str());
    return pProps;
}

} // namespace

bool CPipeWireStream::Open(Callback pCallback, void* pUser)
{
    Close();
    pw_init(nullptr, nullptr);
    m_pCallback = pCallback;
    m_pUser = pUser;
    m_bLost.store(false);
    m_nState.store(PW_STREAM_STATE_CONNECTING);
    m_pLoop = pw_thread_loop_new("cantabell-pw", nullptr);
    if (m_pLoop == nullptr)
        return false;
    m_pContext = pw_context_new(pw_thread_loop_get_loop(m_pLoop), nullptr, 0);
    if (m_pContext == nullptr || pw_thread_loop_start(m_pLoop) != 0) {
        Close();
        return false;
    }
    pw_thread_loop_lock(m_pLoop);
    bool bOk = Connect();
    // Connected means the server took the stream: it then reports PAUSED or STREAMING.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(c_nOpenMs);
    while (bOk && m_nState.load() == PW_STREAM_STATE_CONNECTING && !m_bLost.load()
        && std::chrono::steady_clock::now() < deadline)
        pw_thread_loop_timed_wait(m_pLoop, 1);
    bOk = bOk && !m_bLost.load() && m_nState.load() != PW_STREAM_STATE_CONNECTING;
    pw_thread_loop_unlock(m_pLoop);
    if (!bOk)
        Close();
    return bOk;
}

bool CPipeWireStream::Connect()
{
    auto* pHooks = new SHooks;
    m_pListeners = pHooks;
    m_pCore = pw_context_connect(m_pContext, nullptr, 0); // null when no server listens
    if (m_pCore == nullptr)
        return false;
    static const pw_core_events s_coreEvents = [] {
        pw_core_events events {};
        events.version = PW_VERSION_CORE_EVENTS;
        events.error = &CPipeWireStream::OnCoreError;
        return events;
    }();
    // PipeWire's method macros expand to a GNU statement expression, which clang's
    // -Wpedantic reports at this line; the header offers no function to call instead.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wgnu-statement-expression"
#endif
    pw_core_add_listener(m_pCore, &pHooks->core, &s_coreEvents, this);
#if defined(__clang__)
#pragma clang diagnostic pop
#endif
    m_pStream = pw_stream_new(m_pCore, "Notes", StreamProperties());
    if (m_pStream == nullptr)
        return false;
    static const pw_stream_events s_events = [] {
        pw_stream_events events = c_streamEvents;
        events.state_changed
            = [](void* pData, pw_stream_state eOld, pw_stream_state eState, const char* szError) {
                  OnStateChanged(pData, eOld, eState, szError);
              };
        events.process = &CPipeWireStream::OnProcess;
        return events;
    }();
    pw_stream_add_listener(m_pStream, &pHooks->stream, &s_events, this);
    std::uint8_t aBuffer[512];
    spa_pod_builder builder {};
    spa_pod_builder_init(&builder, aBuffer, sizeof aBuffer);
    spa_audio_info_raw info {};
    info.format = SPA_AUDIO_FORMAT_S16;
    info.channels = 1;
    info.rate = c_nRate;
    info.position[0] = SPA_AUDIO_CHANNEL_MONO;
    const spa_pod* apParams[1]
        = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &info)};
    const auto eFlags = static_cast<pw_stream_flags>(
        PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS | PW_STREAM_FLAG_RT_PROCESS);
    return pw_stream_connect(m_pStream, PW_DIRECTION_OUTPUT, PW_ID_ANY, eFlags, apParams, 1) == 0;
}

void CPipeWireStream::Close()
{
    if (m_pLoop != nullptr)
        pw_thread_loop_stop(m_pLoop); // the callback has returned after this
    auto* pHooks = static_cast<SHooks*>(m_pListeners);
    if (m_pStream != nullptr)
        pw_stream_destroy(m_pStream);
    if (m_pCore != nullptr)
        pw_core_disconnect(m_pCore);
    if (m_pContext != nullptr)
        pw_context_destroy(m_pContext);
    if (m_pLoop != nullptr)
        pw_thread_loop_destroy(m_pLoop);
    delete pHooks;
    m_pListeners = nullptr;
    m_pStream = nullptr;
    m_pCore = nullptr;
    m_pContext = nullptr;
    m_pLoop = nullptr;
}

void CPipeWireStream::SetActive(bool bActive)
{
    if (m_pStream == nullptr)
        return;
    pw_thread_loop_lock(m_pLoop);
    pw_stream_set_active(m_pStream, bActive);
    pw_thread_loop_unlock(m_pLoop);
}

// On the data thread: no allocation, no lock, no system call.
void CPipeWireStream::OnProcess(void* pData)
{
    auto* pThis = static_cast<CPipeWireStream*>(pData);
    pw_buffer* pBuffer = pw_stream_dequeue_buffer(pThis->m_pStream);
    if (pBuffer == nullptr)
        return;
    spa_data& data = pBuffer->buffer->datas[0];
    if (data.data == nullptr) {
        pw_stream_queue_buffer(pThis->m_pStream, pBuffer);
        return;
    }
    std::size_t nCount = data.maxsize / sizeof(std::int16_t);
    if (pBuffer->requested != 0)
        nCount = std::min<std::size_t>(nCount, pBuffer->requested);
    pThis->m_pCallback(pThis->m_pUser, static_cast<std::int16_t*>(data.data), nCount);
    data.chunk->offset = 0;
    data.chunk->stride = sizeof(std::int16_t);
    data.chunk->size = static_cast<std::uint32_t>(nCount * sizeof(std::int16_t));
    pw_stream_queue_buffer(pThis->m_pStream, pBuffer);
}

void CPipeWireStream::OnStateChanged(void* pData, int, int nState, const char*)
{
    auto* pThis = static_cast<CPipeWireStream*>(pData);
    pThis->m_nState.store(nState);
    if (nState == PW_STREAM_STATE_ERROR || nState == PW_STREAM_STATE_UNCONNECTED)
        pThis->m_bLost.store(true, std::memory_order_release);
    pw_thread_loop_signal(pThis->m_pLoop, false);
}

void CPipeWireStream::OnCoreError(void* pData, std::uint32_t nId, int, int nRes, const char*)
{
    auto* pThis = static_cast<CPipeWireStream*>(pData);
    // The connection itself broke (the server died or restarted): nothing comes back on it.
    if (nId == PW_ID_CORE && nRes == -EPIPE)
        pThis->m_bLost.store(true, std::memory_order_release);
    pw_thread_loop_signal(pThis->m_pLoop, false);
}
