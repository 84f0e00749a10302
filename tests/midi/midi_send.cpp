// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A MIDI sender for the end-to-end tests: opens a virtual JACK output port and sends what it
// is told on stdin, one command a line:
//   on NOTE [VELOCITY]   note-on on channel 1 (velocity 100 unless given)
//   off NOTE             note-off
//   raw HEX...           bytes as one message, e.g. "raw 90 3c 00"
//   clock RATE SECONDS   timing clocks at RATE a second for SECONDS, in the background
//   quit
// Prints "ready" once the port exists and "ok" after each command.
// Usage: midi_send CLIENT_NAME
#include <RtMidi.h>
#include <atomic>
#include <chrono>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::mutex g_sendMutex; // RtMidi's JACK output takes one writer at a time

void Send(RtMidiOut& out, const std::vector<unsigned char>& message)
{
    std::lock_guard<std::mutex> lock(g_sendMutex);
    out.sendMessage(&message);
}

void Clock(RtMidiOut& out, double rate, double seconds, std::atomic<bool>& stop)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto period = std::chrono::duration<double>(1.0 / rate);
    for (long i = 0; !stop && i < static_cast<long>(rate * seconds); ++i) {
        std::this_thread::sleep_until(
            start + std::chrono::duration_cast<Clock::duration>(period * i));
        Send(out, {0xF8});
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: midi_send CLIENT_NAME\n";
        return 2;
    }
    try {
        RtMidiOut out(RtMidi::UNIX_JACK, argv[1]);
        out.openVirtualPort("out");
        std::cout << "ready" << std::endl;
        std::atomic<bool> stop {false};
        std::vector<std::thread> clocks;
        std::string line;
        while (std::getline(std::cin, line)) {
            std::istringstream in(line);
            std::string command;
            in >> command;
            if (command == "quit")
                break;
            if (command == "on" || command == "off") {
                int note = 0;
                int velocity = 100;
                in >> note >> velocity;
                const unsigned char status = command == "on" ? 0x90 : 0x80;
                Send(out,
                    {status, static_cast<unsigned char>(note),
                        static_cast<unsigned char>(command == "on" ? velocity : 0)});
            } else if (command == "raw") {
                std::vector<unsigned char> message;
                unsigned int byte = 0;
                while (in >> std::hex >> byte)
                    message.push_back(static_cast<unsigned char>(byte));
                Send(out, message);
            } else if (command == "clock") {
                double rate = 0;
                double seconds = 0;
                in >> rate >> seconds;
                clocks.emplace_back(Clock, std::ref(out), rate, seconds, std::ref(stop));
            } else {
                std::cout << "unknown command" << std::endl;
                continue;
            }
            std::cout << "ok" << std::endl;
        }
        stop = true;
        for (std::thread& clock : clocks)
            clock.join();
    } catch (const RtMidiError& error) {
        std::cerr << "midi_send: " << error.getMessage() << "\n";
        return 1;
    }
    return 0;
}
