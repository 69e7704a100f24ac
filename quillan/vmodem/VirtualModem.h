#pragma once

#include "ModemScript.h"
#include "runtime/EventLoop.h"

#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace quillan {

// A Hayes modem whose far end follows a script: commands with echo, verbose or numeric result codes,
// dialling, the data mode with the +++ escape and its guard time, ATO and the hang-ups.
// Data sent to the far end goes nowhere.
class VirtualModem {
  public:
    enum class Mode { Command, Dialing, Online, OnlineCommand };
    enum class Result { Ok, Connect, Ring, NoCarrier, Error, NoDialTone, Busy, NoAnswer };
    using Output = std::function<void(std::string_view bytes)>;

    VirtualModem(EventLoop& loop, ModemScript& script, Output output);
    ~VirtualModem();
    VirtualModem(const VirtualModem&) = delete;
    VirtualModem& operator=(const VirtualModem&) = delete;

    // Bytes from the computer.
    void received(std::string_view bytes);
    // DTR dropped (the line was closed): the call ends, the modem returns to command mode silently.
    void lineDropped();
    Mode mode() const { return m_mode; }

  private:
    using Clock = std::chrono::steady_clock;

    void commandByte(char c);
    void dataByte(char c, Clock::time_point now);
    void runLine(const std::string& line);
    bool runCommands(std::string_view commands);
    void dial(std::string_view number);
    void dialEnded(const ModemOutcome& outcome);
    void carrierDropped();
    void escapeGuardPassed();
    void goOnHook();
    void resetSettings();
    void result(Result code);
    void reply(const std::string& text);
    // Sends after the script's reply delay.
    void say(const std::string& bytes);
    EventLoop::Id after(double seconds, std::function<void()> callback);
    void stop(EventLoop::Id& id);

    EventLoop& m_loop;
    ModemScript& m_script;
    Output m_output;
    Mode m_mode = Mode::Command;
    bool m_echo = true;
    bool m_verbose = true;
    bool m_quiet = false;
    bool m_carrier = false;
    int m_speed = 0;
    std::string m_line;
    Clock::time_point m_lastData;
    int m_pluses = 0;
    EventLoop::Id m_dialTimer = 0;
    EventLoop::Id m_dropTimer = 0;
    EventLoop::Id m_guardTimer = 0;
    std::set<EventLoop::Id> m_replies;
};

} // namespace quillan
