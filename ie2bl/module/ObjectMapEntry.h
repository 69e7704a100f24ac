#pragma once

#include <unknwn.h>
#include <windows.h>

namespace ie2bl {

// One creatable class of the module; an entry with a null class id ends the map.
struct ObjectMapEntry {
    using UpdateRegistryFn = HRESULT (*)(bool registering);
    // Plain instance, or an aggregated one when `outer` is given.
    using CreateInstanceFn = HRESULT (*)(IUnknown* outer, REFIID iid, void** object);
    using CreateClassObjectFn = HRESULT (*)(CreateInstanceFn createInstance, REFIID iid, void** object);

    const CLSID* clsid;
    UpdateRegistryFn updateRegistry;
    CreateClassObjectFn createClassObject;
    CreateInstanceFn createInstance;
    // Null until first requested; the entry owns one reference.
    IUnknown* classObject;
};

} // namespace ie2bl
