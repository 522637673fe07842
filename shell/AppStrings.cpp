#include "AppStrings.h"

#include "AppState.h"

#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

namespace {

constexpr size_t kInitialSlots = 1000;
constexpr size_t kGrowth = 100;
constexpr int kBufferChars = 1000; // a longer text is cut to 999 characters

int LoadFromLanguageModule(int id, wchar_t* buffer, int capacity) {
    return LoadStringW(g_app.languageModule, static_cast<UINT>(id), buffer, capacity);
}

struct StringCache {
    std::mutex lock; // the engine thread asks for texts too
    std::vector<const wchar_t*> slots = std::vector<const wchar_t*>(kInitialSlots, nullptr);
    AppStringLoader loader = LoadFromLanguageModule;
};

// Made before WinMain and never destroyed: an engine thread that outlives the shutdown
// wait may still ask for a text while the process exits.
StringCache* const g_cache = new StringCache;

} // namespace

const wchar_t* LoadAppString(int id) {
    if (id < 0) return L"";
    std::lock_guard<std::mutex> guard(g_cache->lock);
    auto& slots = g_cache->slots;
    size_t capacity = slots.size();
    while (static_cast<size_t>(id) >= capacity)
        capacity += kGrowth;
    slots.resize(capacity, nullptr);

    if (const wchar_t* cached = slots[id]) return cached;

    std::vector<wchar_t> buffer(kBufferChars, L'\0');
    g_cache->loader(id, buffer.data(), kBufferChars);
    size_t length = wcsnlen(buffer.data(), kBufferChars - 1);
    auto* text = new wchar_t[length + 2]();
    std::memcpy(text, buffer.data(), length * sizeof(wchar_t));
    slots[id] = text;
    return text;
}

AppStringLoader SetAppStringLoader(AppStringLoader loader) {
    std::lock_guard<std::mutex> guard(g_cache->lock);
    return std::exchange(g_cache->loader, loader);
}

size_t AppStringCapacity() {
    std::lock_guard<std::mutex> guard(g_cache->lock);
    return g_cache->slots.size();
}
