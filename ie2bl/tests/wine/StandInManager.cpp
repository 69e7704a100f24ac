#include "StandInManager.h"

#include "TestFiles.h"

#include <fstream>

namespace {

constexpr wchar_t kReadyEvent[] = L"ie2bl-standin-ready";

} // namespace

StandInManager::~StandInManager() {
    stop();
}

bool StandInManager::start() {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, kReadyEvent);
    std::wstring commandLine = L"\"" + TestFiles::besideProgram(L"brisklet_standin.exe") + L"\" \"" +
                               m_recordFile + L"\" " + kReadyEvent;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        nullptr, &startup, &m_process) != FALSE;
    const bool isReady = started && WaitForSingleObject(ready, 30000) == WAIT_OBJECT_0;
    CloseHandle(ready);
    return isReady;
}

void StandInManager::stop() {
    if (m_process.hProcess == nullptr)
        return;
    // Posted, so it queues behind the hand-off messages already sent.
    if (HWND window = FindWindowA(nullptr, " Brisklet Monitor"))
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_process.hProcess, 30000) != WAIT_OBJECT_0)
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
    m_process = {};
}

std::vector<std::string> StandInManager::records() const {
    std::vector<std::string> lines;
    std::ifstream file(m_recordFile.c_str());
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

bool StandInManager::waitForRecords(size_t count) const {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (records().size() >= count)
            return true;
        Sleep(10);
    }
    return false;
}
