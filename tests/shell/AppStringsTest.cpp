// The string cache over the language module's string table.
#include "AppState.h"
#include "AppStrings.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Each test runs with the given language module and puts the previous one back.
class WithLanguageModule {
  public:
    explicit WithLanguageModule(const wchar_t* file) : previous_(g_app.languageModule) {
        module_ = LoadLibraryW(file);
        g_app.languageModule = module_;
    }
    ~WithLanguageModule() { g_app.languageModule = previous_; }
    bool Loaded() const { return module_ != nullptr; }

  private:
    HMODULE previous_;
    HMODULE module_;
};

TEST(LoadAppString, CachesEachTextAndReturnsTheSamePointer) {
    WithLanguageModule lang(L"langen.dll");
    ASSERT_TRUE(lang.Loaded());
    const wchar_t* first = LoadAppString(IDS_OPERATION_SUCCEEDED);
    EXPECT_STREQ(first, L"The operation finished successfully.");
    EXPECT_EQ(LoadAppString(IDS_OPERATION_SUCCEEDED), first);
}

TEST(LoadAppString, MissingAndNegativeIdsGiveTheEmptyText) {
    WithLanguageModule lang(L"langen.dll");
    const wchar_t* missing = LoadAppString(777);
    EXPECT_STREQ(missing, L"");
    EXPECT_EQ(LoadAppString(777), missing); // cached like any other text
    EXPECT_STREQ(LoadAppString(-5), L"");
}

TEST(LoadAppString, GrowsByHundredSlotsUntilTheIdFits) {
    WithLanguageModule lang(L"langen.dll");
    ASSERT_EQ(AppStringCapacity(), 1000u); // nothing in this program asks for more
    LoadAppString(1005);
    EXPECT_EQ(AppStringCapacity(), 1100u);
    const wchar_t* kept = LoadAppString(IDS_NO_RECORDER);
    LoadAppString(1234);
    EXPECT_EQ(AppStringCapacity(), 1300u);
    EXPECT_EQ(LoadAppString(IDS_NO_RECORDER), kept); // growing keeps the cached texts
}

TEST(LoadAppString, CutsALongTextTo999Characters) {
    WithLanguageModule lang(L"testlang.dll"); // string 500 holds 1200 characters
    ASSERT_TRUE(lang.Loaded());
    const wchar_t* text = LoadAppString(500);
    ASSERT_EQ(wcslen(text), 999u);
    EXPECT_EQ(text[0], L'a');
    EXPECT_EQ(text[998], L'a' + 998 % 26);
}

// A loader that holds its caller until a second thread arrives (or a while passes) and
// counts how many were inside at once. With the cache's lock the second thread waits at
// the lock, so the text is fetched once and both get the same pointer.
std::atomic<int> g_loads{0}, g_inside{0}, g_mostInside{0};

int SlowLoader(int, wchar_t* buffer, int) {
    ++g_loads;
    int now = ++g_inside;
    for (int waited = 0; waited < 300 && g_inside.load() < 2; waited += 5) Sleep(5);
    int most = g_mostInside.load();
    while (now > most && !g_mostInside.compare_exchange_weak(most, now)) {
    }
    buffer[0] = L'x';
    --g_inside;
    return 1;
}

TEST(LoadAppString, TwoThreadsAskingForOneIdFetchItOnce) {
    AppStringLoader previous = SetAppStringLoader(SlowLoader);
    const wchar_t* seen[2] = {};
    std::atomic<int> ready{0};
    auto ask = [&](int slot) {
        ++ready;
        while (ready.load() < 2) {
        }
        seen[slot] = LoadAppString(901);
    };
    std::thread first(ask, 0), second(ask, 1);
    first.join();
    second.join();
    SetAppStringLoader(previous);
    EXPECT_EQ(g_loads.load(), 1);
    EXPECT_EQ(g_mostInside.load(), 1);
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_STREQ(seen[0], L"x");
}

} // namespace
