// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi/jack_probe.h"

#include "midi/jack_library.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const c_szSocketDir = "/dev/shm";

bool IsSocket(const std::string& strPath)
{
    struct stat st
    {
    };
    return stat(strPath.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

} // namespace

CJackProbe::CJackProbe(const CJackLibrary& lib, jack_client_t* pClient)
    : m_lib(lib)
    , m_pClient(pClient)
{ }

bool CJackProbe::ServerSocketExists()
{
    const char* szServer = std::getenv("JACK_DEFAULT_SERVER");
    std::string strServer = szServer && *szServer ? szServer : "default";
    for (char& c : strServer) {
        if (c == '/' || c == '\\')
            c = '_';
    }
    const std::string strUid = std::to_string(getuid());
    const std::string strDir = c_szSocketDir;
    // JACK 2 (per user, and shared with a group), then JACK 1.
    return IsSocket(strDir + "/jack_" + strServer + "_" + strUid + "_0")
        || IsSocket(strDir + "/jack_" + strServer + "_0")
        || IsSocket(strDir + "/jack-" + strUid + "/" + strServer + "/jack_0");
}

std::unique_ptr<CJackProbe> CJackProbe::Open(const char* szClientName)
{
    if (!ServerSocketExists())
        return nullptr;
    const CJackLibrary* pLib = CJackLibrary::Get();
    if (!pLib)
        return nullptr;
    jack_status_t status {};
    jack_client_t* pClient = pLib->m_pfnClientOpen(szClientName, JackNoStartServer, &status);
    if (!pClient)
        return nullptr;
    std::unique_ptr<CJackProbe> pProbe(new CJackProbe(*pLib, pClient));
    pLib->m_pfnOnShutdown(pClient, &CJackProbe::OnShutdown, pProbe.get());
    return pProbe;
}

CJackProbe::~CJackProbe()
{
    m_lib.m_pfnClientClose(m_pClient);
}

void CJackProbe::OnShutdown(void* pSelf)
{
    static_cast<CJackProbe*>(pSelf)->m_bAlive.store(false);
}

std::vector<std::string> CJackProbe::MidiOutputs() const
{
    if (!IsAlive())
        return {};
    return m_lib.MidiOutputs(m_pClient);
}
