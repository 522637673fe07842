// Creation of every object of the disc-mastering service. The system's class comes
// first; where it is not registered (as under Wine), the project's stand-in takes its
// place, so the engine has one code path either way.
#pragma once

#include <windows.h>

namespace quillon::discservice {

// Set QUILLON_DISC_SERVICE=standin in the environment to use the stand-in even where
// the system has the service.
HRESULT CreateServiceObject(REFCLSID clsid, REFIID iid, void** out);

template <class Interface> HRESULT CreateServiceObject(REFCLSID clsid, Interface** out) {
    return CreateServiceObject(clsid, __uuidof(Interface), reinterpret_cast<void**>(out));
}

} // namespace quillon::discservice
