// In-process helpers for tests of windows and dialogs: pumping messages, a stand-in
// for the engine thread that records what it is posted, and a driver for modal
// dialogs and message boxes opened by the code under test.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

// Dispatches this thread's messages until none arrived for `quietMs`, or `limitMs` passed.
void PumpUntilIdle(DWORD quietMs = 50, DWORD limitMs = 5000);

// Dispatches this thread's messages until `done()` holds or `limitMs` passed; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 5000);

struct PostedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A thread with a message queue that records every thread message posted to it until
// WM_QUIT, in the order they arrived. An optional reaction runs on that thread for each
// message (for example to answer a request that the poster waits for).
class StandInEngine {
  public:
    using Reaction = std::function<void(const PostedMessage&)>;

    explicit StandInEngine(Reaction reaction = {});
    StandInEngine(const StandInEngine&) = delete;
    StandInEngine& operator=(const StandInEngine&) = delete;
    ~StandInEngine(); // posts WM_QUIT and waits for the thread

    DWORD ThreadId() const { return threadId_; }
    HANDLE ThreadHandle() const { return thread_; }
    std::vector<PostedMessage> Messages() const;
    // Waits (pumping this thread's messages) until at least `count` messages arrived.
    bool WaitForCount(size_t count, DWORD limitMs = 5000) const;

  private:
    static DWORD WINAPI ThreadMain(void* self);

    Reaction reaction_;
    mutable std::mutex lock_;
    std::vector<PostedMessage> messages_;
    HANDLE ready_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
};

// Acts on the modal dialogs and message boxes that this thread opens next, one step per
// new dialog, in order. A thread timer fires inside the dialog's own modal loop, finds the
// newest enabled dialog of the thread and runs the step on it, on this thread. A step
// usually ends by pressing a button. Dialogs still open when the time limit passes are
// cancelled so that a failing test ends instead of hanging.
class DialogDriver {
  public:
    using Step = std::function<void(HWND dialog)>;

    explicit DialogDriver(DWORD limitMs = 10000);
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    ~DialogDriver();

    DialogDriver& Then(Step step);
    size_t StepsRun() const { return next_; }
    bool AllStepsRan() const { return next_ == steps_.size(); }
    bool TimedOut() const { return timedOut_; }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> steps_;
    std::vector<HWND> seen_;
    size_t next_ = 0;
    UINT_PTR timer_ = 0;
    DWORD deadline_ = 0;
    bool timedOut_ = false;
};

// Small actions on dialog controls, as a user would do them.
void SetControlText(HWND dialog, int id, const std::wstring& text);
std::wstring ControlText(HWND dialog, int id);
std::wstring WindowText(HWND window);
// Selects entry `index` of a combo box and tells the dialog, as a user's choice would.
void SelectComboEntry(HWND dialog, int id, int index);
std::vector<std::wstring> ComboEntries(HWND dialog, int id);
void SetCheck(HWND dialog, int id, bool checked);
// Presses a button: the dialog gets BN_CLICKED as if it were clicked.
void PressButton(HWND dialog, int id);
// The texts of all static controls of a dialog, joined by new lines (a message box's text).
std::wstring StaticTexts(HWND dialog);
