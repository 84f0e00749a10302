// libFuzzer target: desktop-entry Exec lines. Splitting must never crash, and quoting the
// arguments it found must read back to the same arguments.
#include "platform/exec_line.h"

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
    return 0;
}
