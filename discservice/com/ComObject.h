// A small base for the stand-in's COM objects: reference counting, QueryInterface over
// the interface and its bases, and an IDispatch that offers no type information (every
// caller of the stand-in binds to the vtable).
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <new>

// Reference counts are atomic: the service's objects may be released from any thread.
template <class Derived, class Interface> class ComObject : public Interface {
  public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!static_cast<Derived*>(this)->Answers(iid)) return E_NOINTERFACE;
        *out = static_cast<Interface*>(this);
        this->AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

  protected:
    static bool IsOneOf(REFIID iid, std::initializer_list<const IID*> ids) {
        if (IsEqualIID(iid, IID_IUnknown)) return true;
        for (const IID* id : ids) {
            if (IsEqualIID(iid, *id)) return true;
        }
        return false;
    }

  private:
    LONG references_ = 1;
};

template <class Derived, class Interface> class DispatchObject : public ComObject<Derived, Interface> {
  public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }
};

// Runs a member's body so that no C++ exception crosses the COM boundary.
template <class Body> HRESULT Guarded(Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

// Members of the service's interfaces that the stand-in does not offer.
#define QUILLON_NOT_IMPLEMENTED(name, ...)                                                                   \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override {                                                   \
        return E_NOTIMPL;                                                                                    \
    }
