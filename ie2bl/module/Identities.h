#pragma once

#include <oaidl.h>
#include <windows.h>

// Identities of the class, its dual interface and its type library, as registered.
extern "C" const CLSID CLSID_Ie2Brisklet;
extern "C" const IID IID_IIe2Brisklet;
extern "C" const GUID LIBID_IE2BLLib;
// The platform's registry-script registrar and its interface.
extern "C" const CLSID CLSID_Registrar;
extern "C" const IID IID_IRegistrar;

// The dual interface adds no members of its own to IDispatch.
struct IIe2Brisklet : public IDispatch {};
