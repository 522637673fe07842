// The harness itself: a stand-in engine records posts in order, and the dialog driver
// reaches into a real modal dialog and a message box.
#include "Win32Harness.h"

#include <gtest/gtest.h>

namespace {

TEST(StandInEngine, RecordsThreadMessagesInOrder) {
    StandInEngine engine;
    PostThreadMessageW(engine.ThreadId(), WM_APP + 1, 7, 8);
    PostThreadMessageW(engine.ThreadId(), WM_APP + 2, 9, 10);
    ASSERT_TRUE(engine.WaitForCount(2));
    auto messages = engine.Messages();
    EXPECT_EQ(messages[0].message, WM_APP + 1u);
    EXPECT_EQ(messages[0].wParam, 7u);
    EXPECT_EQ(messages[1].lParam, 10);
}

TEST(StandInEngine, ReactionRunsOnTheEngineThread) {
    HANDLE answered = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    DWORD reactingThread = 0;
    StandInEngine engine([&](const PostedMessage&) {
        reactingThread = GetCurrentThreadId();
        SetEvent(answered);
    });
    PostThreadMessageW(engine.ThreadId(), WM_APP, 0, 0);
    EXPECT_EQ(WaitForSingleObject(answered, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(reactingThread, engine.ThreadId());
    CloseHandle(answered);
}

// A dialog template in memory: an edit box (id 100) and OK.
struct MemoryDialog {
    alignas(4) WORD words[128] = {};

    MemoryDialog() {
        auto* t = reinterpret_cast<DLGTEMPLATE*>(words);
        t->style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        t->cdit = 2;
        t->cx = 100;
        t->cy = 50;
        WORD* p = reinterpret_cast<WORD*>(t + 1);
        *p++ = 0; // no menu
        *p++ = 0; // default class
        *p++ = 0; // no title
        p = AddItem(p, 100, 0x0081, WS_CHILD | WS_VISIBLE | WS_BORDER);
        p = AddItem(p, IDOK, 0x0080, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON);
    }

    static WORD* AddItem(WORD* p, WORD id, WORD atom, DWORD style) {
        p = reinterpret_cast<WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
        auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(p);
        item->style = style;
        item->x = 5;
        item->y = id == IDOK ? 30 : 5;
        item->cx = 60;
        item->cy = 12;
        item->id = id;
        p = reinterpret_cast<WORD*>(item + 1);
        *p++ = 0xFFFF;
        *p++ = atom;
        *p++ = 0; // no text
        *p++ = 0; // no creation data
        return p;
    }
};

INT_PTR CALLBACK KeepEditText(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        auto* out = reinterpret_cast<std::wstring*>(GetWindowLongPtrW(dialog, DWLP_USER));
        *out = ControlText(dialog, 100);
        EndDialog(dialog, 42);
        return TRUE;
    }
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    return FALSE;
}

TEST(DialogDriver, FillsAModalDialogAndThenAMessageBox) {
    MemoryDialog dialog;
    std::wstring typed;
    std::wstring boxText;
    DialogDriver driver;
    driver
        .Then([](HWND d) {
            SetControlText(d, 100, L"typed text");
            PressButton(d, IDOK);
        })
        .Then([&](HWND box) {
            boxText = StaticTexts(box);
            PressButton(box, IDOK);
        });
    INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(dialog.words),
                                nullptr, KeepEditText, reinterpret_cast<LPARAM>(&typed));
    MessageBoxW(nullptr, L"Hello from the box", L"Caption", MB_OK);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(typed, L"typed text");
    EXPECT_EQ(boxText, L"Hello from the box");
    EXPECT_TRUE(driver.AllStepsRan());
    EXPECT_FALSE(driver.TimedOut());
}

TEST(DialogDriver, CancelsADialogNobodyExpectedAfterTheLimit) {
    MemoryDialog dialog;
    std::wstring typed;
    DialogDriver driver(300); // no steps: the dialog is cancelled at the limit
    INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(dialog.words),
                                nullptr, KeepEditText, reinterpret_cast<LPARAM>(&typed));
    EXPECT_EQ(result, 42); // its OK handler ran from the cancel sweep
}

} // namespace
