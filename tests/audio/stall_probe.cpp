// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Watches how promptly this machine serves real-time threads, for the sound tests: a SCHED_FIFO
// thread pinned to each online CPU wakes every millisecond and prints one line for each wake more
// than 2 ms late:
//   CPU WAKE_NS LATE_NS
// WAKE_NS is the CLOCK_MONOTONIC time the wake was due (ns), LATE_NS how late it came (ns).
// A sound server and its clients share such a stall whatever they do: a hole in the sound that
// coincides with none is a client's own. Prints "ready" once every thread runs; exits with 2 when
// real-time scheduling is refused. Runs until killed.
// Usage: stall_probe [PRIORITY]   (SCHED_FIFO priority, 88 unless given: the servers' own)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <pthread.h>
#include <sched.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr long c_nPeriodNs = 1000000;
constexpr long long c_nReportNs = 2000000;
std::mutex g_outMutex;

long long Ns(const timespec& t)
{
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

bool Pin(int nCpu, int nPriority)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(nCpu, &set);
    sched_param param {};
    param.sched_priority = nPriority;
    return pthread_setaffinity_np(pthread_self(), sizeof set, &set) == 0
        && pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
}

void Watch(int nCpu)
{
    timespec next {};
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (;;) {
        next.tv_nsec += c_nPeriodNs;
        if (next.tv_nsec >= 1000000000L) {
            next.tv_nsec -= 1000000000L;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long nLate = Ns(now) - Ns(next);
        if (nLate > c_nReportNs) {
            const std::lock_guard<std::mutex> lock(g_outMutex);
            std::printf("%d %lld %lld\n", nCpu, Ns(next), nLate);
            std::fflush(stdout);
            next = now; // one line a stall, not one for every period it swallowed
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int nPriority = argc > 1 ? std::atoi(argv[1]) : 88;
    const long nCpus = sysconf(_SC_NPROCESSORS_ONLN);
    std::vector<std::thread> threads;
    std::vector<int> aOk(static_cast<std::size_t>(nCpus), -1);
    for (int nCpu = 0; nCpu < nCpus; ++nCpu)
        threads.emplace_back([nCpu, nPriority, &aOk] {
            const bool bOk = Pin(nCpu, nPriority);
            {
                const std::lock_guard<std::mutex> lock(g_outMutex);
                aOk[static_cast<std::size_t>(nCpu)] = bOk ? 1 : 0;
            }
            if (bOk)
                Watch(nCpu);
        });
    for (;;) {
        int nReady = 0;
        {
            const std::lock_guard<std::mutex> lock(g_outMutex);
            for (int n : aOk) {
                if (n == 0) {
                    std::fputs("stall_probe: no real-time scheduling\n", stderr);
                    std::_Exit(2);
                }
                nReady += n;
            }
        }
        if (nReady == nCpus)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::puts("ready");
    std::fflush(stdout);
    for (auto& thread : threads)
        thread.join();
}
