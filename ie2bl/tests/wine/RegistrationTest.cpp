// regsvr32 registration and unregistration leave exactly the keys of the registry script, keep
// the CLSID key itself and the type library registration.
#include "TestFiles.h"
#include "WineCheck.h"

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

const std::wstring kClsidKey = L"CLSID\\{73BA8F12-723E-11D1-A9E2-00403320FCF2}";
const std::wstring kTypeLibKey = L"TypeLib\\{73BA8F02-723E-11D1-A9E2-00403320FCF2}";

std::wstring lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), ::towlower);
    return text;
}

bool keyExists(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::wstring text(const std::wstring& path, const wchar_t* name) {
    wchar_t buffer[1024];
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

// Names of the subkeys, lower-cased, as the registry compares them.
std::set<std::wstring> subkeys(const std::wstring& path) {
    std::set<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.insert(lower(name));
    }
    RegCloseKey(key);
    return names;
}

DWORD valueCount(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD values = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(key);
    return values;
}

void registrationWritesTheScript(const std::wstring& dll) {
    winecheck::group("regsvr32 registers exactly the script's keys");
    // Left over from an older registration; ForceRemove must clear it.
    HKEY stale = nullptr;
    RegCreateKeyExW(HKEY_CLASSES_ROOT, (kClsidKey + L"\\Stale").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &stale, nullptr);
    RegCloseKey(stale);

    CHECK_EQ(0, TestFiles::runAndWait(L"regsvr32 /s \"" + dll + L"\""));

    CHECK(text(L"Ie2Brisklet.Ie2Brisklet.1", nullptr) == L"Ie2Brisklet Class");
    CHECK(subkeys(L"Ie2Brisklet.Ie2Brisklet.1") == std::set<std::wstring>{L"clsid"});
    CHECK(text(L"Ie2Brisklet.Ie2Brisklet.1\\CLSID", nullptr) == L"{73BA8F12-723E-11D1-A9E2-00403320FCF2}");
    CHECK(text(L"Ie2Brisklet.Ie2Brisklet", nullptr) == L"Ie2Brisklet Class");
    CHECK(subkeys(L"Ie2Brisklet.Ie2Brisklet") == std::set<std::wstring>{L"curver"});
    CHECK(text(L"Ie2Brisklet.Ie2Brisklet\\CurVer", nullptr) == L"Ie2Brisklet.Ie2Brisklet.1");

    CHECK(text(kClsidKey, nullptr) == L"Ie2Brisklet Class");
    CHECK((subkeys(kClsidKey) == std::set<std::wstring>{L"inprocserver32", L"progid", L"programmable",
                                                        L"versionindependentprogid"}));
    CHECK(text(kClsidKey + L"\\ProgID", nullptr) == L"Ie2Brisklet.Ie2Brisklet.1");
    CHECK(text(kClsidKey + L"\\VersionIndependentProgID", nullptr) == L"Ie2Brisklet.Ie2Brisklet");
    CHECK_EQ(0, valueCount(kClsidKey + L"\\Programmable"));
    CHECK(subkeys(kClsidKey + L"\\Programmable").empty());
    CHECK(lower(text(kClsidKey + L"\\InprocServer32", nullptr)) == lower(dll));
    CHECK(text(kClsidKey + L"\\InprocServer32", L"ThreadingModel") == L"Apartment");
    CHECK_EQ(2, valueCount(kClsidKey + L"\\InprocServer32"));

    winecheck::group("the type library is registered");
    CHECK(text(kTypeLibKey + L"\\1.0", nullptr) == L"ie2bl 1.0 Type Library");
    CHECK(lower(text(kTypeLibKey + L"\\1.0\\409\\win64", nullptr)) == lower(dll));
    const std::wstring directory = dll.substr(0, dll.find_last_of(L'\\') + 1);
    CHECK(lower(text(kTypeLibKey + L"\\1.0\\HELPDIR", nullptr)) == lower(directory));
}

void unregistrationRemovesTheScript(const std::wstring& dll) {
    winecheck::group("regsvr32 /u removes the script's keys");
    CHECK_EQ(0, TestFiles::runAndWait(L"regsvr32 /s /u \"" + dll + L"\""));
    CHECK(!keyExists(L"Ie2Brisklet.Ie2Brisklet.1"));
    CHECK(!keyExists(L"Ie2Brisklet.Ie2Brisklet"));
    CHECK(!keyExists(kClsidKey));
    CHECK(keyExists(L"CLSID"));
    // Other classes registered under CLSID are untouched.
    CHECK(!subkeys(L"CLSID").empty());
    CHECK(keyExists(kTypeLibKey + L"\\1.0\\409\\win64"));

    winecheck::group("unregistering twice still succeeds");
    CHECK_EQ(0, TestFiles::runAndWait(L"regsvr32 /s /u \"" + dll + L"\""));
}

} // namespace

int main() {
    const std::wstring dll = TestFiles::besideProgram(L"ie2bl.dll");
    registrationWritesTheScript(dll);
    unregistrationRemovesTheScript(dll);
    return winecheck::finish();
}
