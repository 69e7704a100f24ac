#pragma once

#include "forms/CallProcedures.h"
#include "forms/formRAS.h"
#include "forms/frmConfig.h"
#include "forms/frmStart.h"
#include "testsupport/Harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quillan {

// A started program with one profile "Home" (phonebook number 5550100) as the dialled default,
// a data folder of its own, and every recorder emptied.
class CallsTest : public ::testing::Test {
  protected:
    CallsTest() : dir(makeDataDir()), h(dir) {
        console = &h.forms->get<frmStart>();
        ras = &h.forms->get<formRAS>();
        addProfile("Home", "alice", "secret", "WORK", "5550100");
        m().settings.defaultprofile = "Home";
        m().settings.connectdefault = "true";
        m().settings.traymode = "false";
        m().settings.normalmode = "true";
        forget();
    }
    ~CallsTest() override { std::filesystem::remove_all(dir); }

    static std::filesystem::path makeDataDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // Unique, so that runs of the same test side by side cannot share a folder.
        std::string pattern =
            (std::filesystem::temp_directory_path() /
             ("quillan-calls-" + std::string(info->test_suite_name()) + "-" + info->name() + "-XXXXXX"))
                .string();
        return ::mkdtemp(pattern.data());
    }

    Module1& m() { return h.module1; }
    CallProcedures calls() { return CallProcedures(*h.forms); }
    Form& form(const char* name) { return h.forms->find(name)->get(); }
    Form* loaded(const char* name) { return h.forms->find(name)->peek(); }
    CommandButton& configDial() { return h.forms->get<frmConfig>().cmdDial; }

    void addProfile(const std::string& name, const std::string& user, const std::string& password,
                    const std::string& domain, const std::string& number) {
        addDefaultProfile(m().profiledata, name);
        m().profiledata.replace(name + "Username", user);
        m().profiledata.replace(name + "Password", password);
        m().profiledata.replace(name + "Domain", domain);
        h.dialUp.entries.push_back({name, number});
    }
    void setAlternates(const std::string& name, const std::vector<std::pair<int, std::string>>& slots) {
        m().profiledata.replace(name + "DialAN", "true");
        for (const auto& [k, number] : slots)
            m().profiledata.replace(name + "AN" + std::to_string(k), number);
    }
    void redialTimes(int n) {
        m().settings.redialtillconnect = "false";
        m().settings.redialntimes = "true";
        m().settings.redialcount = static_cast<std::int16_t>(n);
    }

    void forget() {
        h.dialUp.takeCalls();
        h.boxes.take();
        h.effects.take();
    }
    void fail() { h.dialUp.raise(kStateDisconnected, "Disconnected: line busy"); }
    // The line comes up: the control reports it and the entry reads as connected from then on.
    void connect() {
        h.dialUp.online[m().currentprofile] = true;
        h.dialUp.raise(kStateConnected, "Connected");
    }
    void redialTicks(int n) {
        for (int i = 0; i < n; ++i)
            ras->timerredial.tick();
    }
    void seconds(int n) {
        for (int i = 0; i < n; ++i) {
            h.clock.advance(1);
            console->timer.tick();
        }
    }

    std::vector<std::string> statusLines() const { return console->listConnectionStatus.items(); }
    std::vector<std::string> boxTexts() {
        std::vector<std::string> texts;
        for (const auto& box : h.boxes.take())
            texts.push_back(box.text);
        return texts;
    }
    // The numbers the program dialled since the last take: the value of PhoneNumber at each Dial.
    std::vector<std::string> dialledNumbers() {
        std::vector<std::string> numbers;
        std::string entry;
        std::string number;
        for (const std::string& call : h.dialUp.takeCalls()) {
            if (call.rfind("PhoneNumber = ", 0) == 0)
                number = call.substr(15, call.size() - 16);
            else if (call == "LoadEntry")
                for (const auto& e : h.dialUp.entries)
                    if (e.name == entry)
                        number = e.number;
            if (call.rfind("EntryName = ", 0) == 0)
                entry = call.substr(13, call.size() - 14);
            if (call == "Dial")
                numbers.push_back(number);
        }
        return numbers;
    }

    std::string monthLog(const char* fileName) const {
        std::ifstream in(dir / fileName, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path dir;
    Harness h;
    frmStart* console = nullptr;
    formRAS* ras = nullptr;
};

} // namespace quillan
