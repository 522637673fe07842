// The string cache over the language module's string table.
#include "AppState.h"
#include "AppStrings.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

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

TEST(LoadAppString, TwoThreadsAskingForOneIdGetOneText) {
    WithLanguageModule lang(L"langen.dll");
    for (int id = 21; id <= 27; ++id) {
        const wchar_t* seen[8] = {};
        std::vector<std::thread> threads;
        for (auto& slot : seen)
            threads.emplace_back([&slot, id] { slot = LoadAppString(id); });
        for (auto& t : threads)
            t.join();
        for (const wchar_t* p : seen)
            EXPECT_EQ(p, seen[0]) << "id " << id;
        EXPECT_NE(seen[0][0], L'\0') << "id " << id;
    }
}

} // namespace
