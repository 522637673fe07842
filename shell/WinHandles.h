// Owners for Windows handles and COM-allocated values: one non-copyable, movable
// template over a traits class, plus guards for BSTR, VARIANT and SAFEARRAY.
// COM interface pointers use Microsoft::WRL::ComPtr.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>
#include <shlobj.h>

#include <utility>

template <class Traits> class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type value) : value_(value) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Type get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Invalid(); }
    // For functions that return a handle through a pointer; the old value is closed first.
    Type* put() {
        reset();
        return &value_;
    }
    Type release() { return std::exchange(value_, Traits::Invalid()); }
    void reset(Type value = Traits::Invalid()) {
        Type old = std::exchange(value_, value);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

  private:
    Type value_ = Traits::Invalid();
};

namespace handle_traits {
struct Kernel {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { CloseHandle(h); }
};
// CreateFile and FindFirstFile report failure with INVALID_HANDLE_VALUE, not null.
struct File {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseHandle(h); }
};
struct Find {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { FindClose(h); }
};
struct Module {
    using Type = HMODULE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { FreeLibrary(h); }
};
struct RegKey {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { RegCloseKey(h); }
};
struct Icon {
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyIcon(h); }
};
struct Menu {
    using Type = HMENU;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyMenu(h); }
};
struct ImageList {
    using Type = HIMAGELIST;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ImageList_Destroy(h); }
};
struct Window {
    using Type = HWND;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyWindow(h); }
};
struct Pidl {
    using Type = LPITEMIDLIST;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { CoTaskMemFree(h); }
};
struct Bstr {
    using Type = BSTR;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { SysFreeString(h); }
};
struct SafeArray {
    using Type = SAFEARRAY*;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { SafeArrayDestroy(h); }
};
} // namespace handle_traits

using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueFileHandle = UniqueHandle<handle_traits::File>;
using UniqueFindHandle = UniqueHandle<handle_traits::Find>;
using UniqueModule = UniqueHandle<handle_traits::Module>;
using UniqueRegKey = UniqueHandle<handle_traits::RegKey>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueImageList = UniqueHandle<handle_traits::ImageList>;
using UniqueWindow = UniqueHandle<handle_traits::Window>;
using UniquePidl = UniqueHandle<handle_traits::Pidl>;
using UniqueBstr = UniqueHandle<handle_traits::Bstr>;
using UniqueSafeArray = UniqueHandle<handle_traits::SafeArray>;

// A VARIANT that is cleared when it goes out of scope.
class UniqueVariant {
  public:
    UniqueVariant() { VariantInit(&value_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    ~UniqueVariant() { VariantClear(&value_); }
    VARIANT* get() { return &value_; }
    VARIANT* operator->() { return &value_; }

  private:
    VARIANT value_;
};

// Runs a function when the scope ends, for pairs that have no handle of their own.
template <class F> class ScopeExit {
  public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() {
        if (armed_) f_();
    }
    void Dismiss() { armed_ = false; }

  private:
    F f_;
    bool armed_ = true;
};
