// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: desktop-entry Exec lines. Splitting must never crash, quoting the
// arguments it found must read back to the same arguments, and an address put into them as an
// open command must end up as the end of the last argument, nothing after it.
#include "desktop/exec_line.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string input(reinterpret_cast<const char*>(pData), nSize);
    FindPlaceholder(input);
    std::vector<std::string> args;
    if (!SplitExec(UnescapeDesktopValue(input), args))
        return 0;
    std::string joined;
    for (const std::string& arg : args) {
        if (!joined.empty())
            joined += ' ';
        joined += QuoteExecArg(arg);
    }
    std::vector<std::string> again;
    if (!SplitExec(joined, again) || again != args)
        std::abort();
    const std::string target = "http://h/a b\"%1\"";
    const std::vector<std::string> opened = BrowserArgs(args, target);
    if (opened.size() > args.size() + 1 || opened.back().size() < target.size()
        || opened.back().compare(opened.back().size() - target.size(), target.size(), target) != 0)
        std::abort();
    JoinOpenCommand(args);
    return 0;
}
