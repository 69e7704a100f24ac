// Stand-in for the download manager: owns a top-level window titled like its monitor and, for each
// message it gets, records the message number and the hand-off address it then reads, one line
// each: "<message> <wParam> <lParam> <address>".
// Usage: brisklet_standin <record file> <ready event name>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT kHandOffMessage = WM_USER + 115;
FILE* g_record = nullptr;

std::string readHandOffAddress() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Glenmarch\\Brisklet\\FileQueue", 0, KEY_QUERY_VALUE,
                      &key) != ERROR_SUCCESS)
        return "<no queue key>";
    DWORD size = 0;
    RegQueryValueExA(key, "FromNetscape", nullptr, nullptr, nullptr, &size);
    // A writer need not have stored a terminating zero, so leave room for one.
    std::vector<char> text(size + 1, '\0');
    const LONG status =
        RegQueryValueExA(key, "FromNetscape", nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(text.data()) : "<no value>";
}

LRESULT CALLBACK monitorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kHandOffMessage:
        std::fprintf(g_record, "%u %llu %lld %s\n", message, static_cast<unsigned long long>(wParam),
                     static_cast<long long>(lParam), readHandOffAddress().c_str());
        std::fflush(g_record);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    g_record = std::fopen(argv[1], "w");
    if (g_record == nullptr)
        return 3;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = monitorProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "BriskletStandIn";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, " Brisklet Monitor", WS_OVERLAPPEDWINDOW, 0,
                                  0, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr)
        return 4;

    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (ready != nullptr) {
        SetEvent(ready);
        CloseHandle(ready);
    }

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    std::fclose(g_record);
    return 0;
}
