// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/jack_library.h"

#include <cstdio>
#include <dlfcn.h>
#include <mutex>

namespace {

const char* const c_szSoname = "libjack.so.0";

void Quiet(const char*) { }

template<typename F> bool Bind(void* pHandle, const char* szName, F& pfn)
{
    pfn = reinterpret_cast<F>(dlsym(pHandle, szName));
    return pfn != nullptr;
}

// All or nothing: a library without one of these is not one the game can use.
bool BindAll(void* pHandle, CJackLibrary& lib)
{
    return Bind(pHandle, "jack_client_open", lib.m_pfnClientOpen)
        && Bind(pHandle, "jack_client_close", lib.m_pfnClientClose)
        && Bind(pHandle, "jack_on_shutdown", lib.m_pfnOnShutdown)
        && Bind(pHandle, "jack_set_error_function", lib.m_pfnSetErrorFunction)
        && Bind(pHandle, "jack_set_info_function", lib.m_pfnSetInfoFunction)
        && Bind(pHandle, "jack_get_ports", lib.m_pfnGetPorts)
        && Bind(pHandle, "jack_free", lib.m_pfnFree)
        && Bind(pHandle, "jack_port_register", lib.m_pfnPortRegister)
        && Bind(pHandle, "jack_port_name", lib.m_pfnPortName)
        && Bind(pHandle, "jack_port_get_buffer", lib.m_pfnPortGetBuffer)
        && Bind(pHandle, "jack_set_process_callback", lib.m_pfnSetProcessCallback)
        && Bind(pHandle, "jack_activate", lib.m_pfnActivate)
        && Bind(pHandle, "jack_deactivate", lib.m_pfnDeactivate)
        && Bind(pHandle, "jack_connect", lib.m_pfnConnect)
        && Bind(pHandle, "jack_midi_get_event_count", lib.m_pfnMidiGetEventCount)
        && Bind(pHandle, "jack_midi_event_get", lib.m_pfnMidiEventGet);
}

const CJackLibrary* Load()
{
    void* pHandle = dlopen(c_szSoname, RTLD_NOW | RTLD_LOCAL);
    static CJackLibrary s_lib;
    if (pHandle && BindAll(pHandle, s_lib)) {
        // A missing or vanished server is normal for this game: libjack says nothing of it.
        s_lib.m_pfnSetErrorFunction(&Quiet);
        s_lib.m_pfnSetInfoFunction(&Quiet);
        return &s_lib;
    }
    std::fprintf(stderr,
        "cantabell: a JACK server runs but %s cannot be used (%s); MIDI through JACK is off\n",
        c_szSoname, pHandle ? "symbols missing" : dlerror());
    if (pHandle)
        dlclose(pHandle);
    return nullptr;
}

} // namespace

const CJackLibrary* CJackLibrary::Get()
{
    static std::once_flag s_once;
    static const CJackLibrary* s_pLib = nullptr;
    std::call_once(s_once, [] { s_pLib = Load(); });
    return s_pLib;
}

std::vector<std::string> CJackLibrary::MidiOutputs(jack_client_t* pClient) const
{
    std::vector<std::string> astrPort;
    const char** ppszPort
        = m_pfnGetPorts(pClient, nullptr, JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput);
    if (!ppszPort)
        return astrPort;
    for (const char** pp = ppszPort; *pp; ++pp)
        astrPort.emplace_back(*pp);
    m_pfnFree(ppszPort);
    return astrPort;
}
