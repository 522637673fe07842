#include "ServiceObjects.h"

#include "Imapi2Interfaces.h"
#include "StandInFileSystemImage.h"

namespace quillon::discservice {

namespace {

bool StandInForced() {
    wchar_t value[16] = {};
    DWORD n = GetEnvironmentVariableW(L"QUILLON_DISC_SERVICE", value, 16);
    return n > 0 && n < 16 && _wcsicmp(value, L"standin") == 0;
}

HRESULT CreateStandIn(REFCLSID clsid, REFIID iid, void** out) {
    if (IsEqualCLSID(clsid, CLSID_MsftFileSystemImage)) return CreateStandInFileSystemImage(iid, out);
    return REGDB_E_CLASSNOTREG;
}

} // namespace

HRESULT CreateServiceObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (StandInForced()) return CreateStandIn(clsid, iid, out);
    HRESULT hr = CoCreateInstance(clsid, nullptr, IMAPI_CLASS_CONTEXT, iid, out);
    if (hr != REGDB_E_CLASSNOTREG) return hr;
    return CreateStandIn(clsid, iid, out);
}

} // namespace quillon::discservice
