// What the DLL carries besides code: the string table, the registry script, the type library and
// the version block, read the way the platform reads them.
#include "Identities.h"
#include "TestFiles.h"
#include "WineCheck.h"

#include <oleauto.h>
#include <windows.h>

#include <string>

namespace {

std::wstring documentation(ITypeInfo* info) {
    BSTR name = nullptr;
    BSTR text = nullptr;
    info->GetDocumentation(MEMBERID_NIL, &name, &text, nullptr, nullptr);
    std::wstring result = std::wstring(name ? name : L"") + L"|" + (text ? text : L"");
    SysFreeString(name);
    SysFreeString(text);
    return result;
}

void stringTableHoldsTheExactTexts(HMODULE module) {
    winecheck::group("string table");
    char text[256];
    CHECK(LoadStringA(module, 237, text, sizeof text) > 0 && std::string(text) == " Brisklet Monitor");
    CHECK(LoadStringA(module, 395, text, sizeof text) > 0 &&
          std::string(text) == "Address Added as Alternate");
    CHECK(LoadStringA(module, 399, text, sizeof text) > 0 && std::string(text) == "{ Default Beep }");
}

void registryScriptIsResource102(HMODULE module) {
    winecheck::group("registry script");
    HRSRC script = FindResourceW(module, MAKEINTRESOURCEW(102), L"REGISTRY");
    if (!CHECK(script != nullptr))
        return;
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, script)));
    const std::string text(data, SizeofResource(module, script));
    CHECK(text.find("%MODULE%") != std::string::npos);
    CHECK(text.find("{73BA8F12-723E-11D1-A9E2-00403320FCF2}") != std::string::npos);
}

void typeLibraryDescribesTheClass(const std::wstring& dll) {
    winecheck::group("type library");
    ITypeLib* library = nullptr;
    if (!CHECK_EQ(S_OK, LoadTypeLib(dll.c_str(), &library)))
        return;
    TLIBATTR* attributes = nullptr;
    library->GetLibAttr(&attributes);
    CHECK(IsEqualGUID(attributes->guid, kCatcherLibid));
    CHECK_EQ(1, attributes->wMajorVerNum);
    CHECK_EQ(0, attributes->wMinorVerNum);
    CHECK_EQ(0x0409, attributes->lcid);
    library->ReleaseTLibAttr(attributes);

    BSTR name = nullptr;
    BSTR help = nullptr;
    library->GetDocumentation(-1, &name, &help, nullptr, nullptr);
    CHECK(std::wstring(name) == L"IE2BLLib" && std::wstring(help) == L"ie2bl 1.0 Type Library");
    SysFreeString(name);
    SysFreeString(help);

    ITypeInfo* coclass = nullptr;
    if (CHECK_EQ(S_OK, library->GetTypeInfoOfGuid(kCatcherClsid, &coclass))) {
        TYPEATTR* type = nullptr;
        coclass->GetTypeAttr(&type);
        CHECK_EQ(TKIND_COCLASS, type->typekind);
        CHECK((type->wTypeFlags & TYPEFLAG_FCANCREATE) != 0);
        CHECK_EQ(1, type->cImplTypes);
        coclass->ReleaseTypeAttr(type);
        CHECK(documentation(coclass) == L"Ie2Brisklet|Ie2Brisklet Class");
        coclass->Release();
    }

    ITypeInfo* dual = nullptr;
    if (CHECK_EQ(S_OK, library->GetTypeInfoOfGuid(kCatcherIid, &dual))) {
        TYPEATTR* type = nullptr;
        dual->GetTypeAttr(&type);
        CHECK((type->wTypeFlags & TYPEFLAG_FDUAL) != 0);
        dual->ReleaseTypeAttr(type);
        CHECK(documentation(dual) == L"IIe2Brisklet|IIe2Brisklet Interface");

        // The vtable view derives from IDispatch and adds nothing to its seven slots.
        HREFTYPE vtableRef = 0;
        ITypeInfo* vtable = nullptr;
        dual->GetRefTypeOfImplType(-1, &vtableRef);
        if (CHECK_EQ(S_OK, dual->GetRefTypeInfo(vtableRef, &vtable))) {
            vtable->GetTypeAttr(&type);
            CHECK_EQ(TKIND_INTERFACE, type->typekind);
            CHECK((type->wTypeFlags & TYPEFLAG_FOLEAUTOMATION) != 0);
            CHECK_EQ(0, type->cFuncs);
            CHECK_EQ(7 * sizeof(void*), type->cbSizeVft);
            vtable->ReleaseTypeAttr(type);
            HREFTYPE baseRef = 0;
            ITypeInfo* base = nullptr;
            vtable->GetRefTypeOfImplType(0, &baseRef);
            if (CHECK_EQ(S_OK, vtable->GetRefTypeInfo(baseRef, &base))) {
                base->GetTypeAttr(&type);
                CHECK(IsEqualGUID(type->guid, IID_IDispatch));
                base->ReleaseTypeAttr(type);
                base->Release();
            }
            vtable->Release();
        }
        dual->Release();
    }
    library->Release();
}

std::wstring versionText(const std::string& block, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length))
        return L"<missing>";
    return static_cast<const wchar_t*>(value);
}

void versionBlockNamesTheModule(const std::wstring& dll) {
    winecheck::group("version block");
    const DWORD size = GetFileVersionInfoSizeW(dll.c_str(), nullptr);
    if (!CHECK(size > 0))
        return;
    std::string block(size, '\0');
    GetFileVersionInfoW(dll.c_str(), 0, size, block.data());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (CHECK(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length))) {
        CHECK_EQ(0x00030001, fixed->dwFileVersionMS);
        CHECK_EQ(0x00000001, fixed->dwFileVersionLS);
    }
    CHECK(versionText(block, L"ProductVersion") == L"3.1");
    CHECK(versionText(block, L"InternalName") == L"IE2BL");
    CHECK(versionText(block, L"OriginalFilename") == L"IE2BL.DLL");
    CHECK(versionText(block, L"FileDescription").find(L"click catcher") != std::wstring::npos);
}

} // namespace

int main() {
    const std::wstring dll = TestFiles::besideProgram(L"ie2bl.dll");
    HMODULE module = LoadLibraryExW(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!CHECK(module != nullptr))
        return winecheck::finish();
    stringTableHoldsTheExactTexts(module);
    registryScriptIsResource102(module);
    FreeLibrary(module);
    typeLibraryDescribesTheClass(dll);
    versionBlockNamesTheModule(dll);
    return winecheck::finish();
}
