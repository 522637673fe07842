#include "Win32Harness.h"

#include <algorithm>

namespace {

bool PumpOnce() {
    bool any = false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        any = true;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return any;
}

bool IsDialog(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return wcscmp(name, L"#32770") == 0;
}

struct FindDialog {
    const std::vector<HWND>* seen;
    HWND found = nullptr;
};

BOOL CALLBACK FindNewDialog(HWND window, LPARAM param) {
    auto* find = reinterpret_cast<FindDialog*>(param);
    if (IsDialog(window) && IsWindowVisible(window) && IsWindowEnabled(window) &&
        std::find(find->seen->begin(), find->seen->end(), window) == find->seen->end()) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    if (IsDialog(window)) {
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

thread_local DialogDriver* t_driver = nullptr;

} // namespace

void PumpUntilIdle(DWORD quietMs, DWORD limitMs) {
    DWORD start = GetTickCount();
    DWORD lastActivity = start;
    while (GetTickCount() - start < limitMs) {
        if (PumpOnce())
            lastActivity = GetTickCount();
        else if (GetTickCount() - lastActivity >= quietMs)
            return;
        else
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= limitMs) return done();
        PumpOnce();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

StandInEngine::StandInEngine(Reaction reaction) : reaction_(std::move(reaction)) {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, &threadId_);
    WaitForSingleObject(ready_, 5000);
}

StandInEngine::~StandInEngine() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    CloseHandle(ready_);
}

DWORD WINAPI StandInEngine::ThreadMain(void* param) {
    auto* self = static_cast<StandInEngine*>(param);
    MSG msg;
    // The first PeekMessage gives the thread its queue; posts before that would be lost.
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    SetEvent(self->ready_);
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        PostedMessage posted{msg.message, msg.wParam, msg.lParam};
        {
            std::lock_guard<std::mutex> guard(self->lock_);
            self->messages_.push_back(posted);
        }
        if (self->reaction_) self->reaction_(posted);
    }
    return 0;
}

std::vector<PostedMessage> StandInEngine::Messages() const {
    std::lock_guard<std::mutex> guard(lock_);
    return messages_;
}

bool StandInEngine::WaitForCount(size_t count, DWORD limitMs) const {
    return PumpUntil([&] { return Messages().size() >= count; }, limitMs);
}

DialogDriver::DialogDriver(DWORD limitMs) : deadline_(GetTickCount() + limitMs) {
    t_driver = this;
    timer_ = SetTimer(nullptr, 0, 30, OnTimer);
}

DialogDriver::~DialogDriver() {
    KillTimer(nullptr, timer_);
    if (t_driver == this) t_driver = nullptr;
}

DialogDriver& DialogDriver::Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

void CALLBACK DialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (t_driver) t_driver->Tick();
}

void DialogDriver::Tick() {
    if (static_cast<LONG>(GetTickCount() - deadline_) >= 0) {
        if (!AllStepsRan()) timedOut_ = true;
        EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
        return;
    }
    if (AllStepsRan()) return;
    FindDialog find{&seen_};
    EnumThreadWindows(GetCurrentThreadId(), FindNewDialog, reinterpret_cast<LPARAM>(&find));
    if (!find.found) return;
    seen_.push_back(find.found);
    // Advance first: a step that opens the next dialog re-enters this timer.
    Step& step = steps_[next_++];
    step(find.found);
}

void SetControlText(HWND dialog, int id, const std::wstring& text) {
    SetDlgItemTextW(dialog, id, text.c_str());
}

std::wstring WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(wcslen(text.c_str()));
    return text;
}

std::wstring ControlText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void SelectComboEntry(HWND dialog, int id, int index) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::vector<std::wstring> ComboEntries(HWND dialog, int id) {
    HWND combo = GetDlgItem(dialog, id);
    std::vector<std::wstring> entries;
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0));
        std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
        entries.push_back(text);
    }
    return entries;
}

void SetCheck(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring StaticTexts(HWND dialog) {
    std::wstring joined;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (_wcsicmp(name, L"Static") != 0) continue;
        std::wstring text = WindowText(child);
        if (text.empty()) continue;
        if (!joined.empty()) joined += L"\n";
        joined += text;
    }
    return joined;
}
