// qdrive: drives a running program from outside, for black-box tests under Wine.
//
// Reads one command per line from standard input and prints one line per result:
//   "ok <command>[: <value>]" or "fail <command>: <reason>", stopping at the first failure
//   (exit code 1). Lines that start with '#' are ignored. Commands:
//
//   launch <exe path>            start the program, its folder as current folder
//   wait-window <class> <secs>   wait for a visible top-level window of that class; it
//                                becomes the main and the current window; prints its title
//   wait-dialog <secs> [title]   wait for a new visible dialog or message box (optionally
//                                with that title); it becomes the current window
//   title                        print the current window's text
//   dump                         print "child <id> <class> <text>" for every child
//   control-text <id>            print a control's text
//   set-text <id> <text>         set a control's text
//   select <id> <index>          select a combo box entry and notify the dialog
//   check <id> <0|1>             set a check box
//   click <id>                   press a button of the current window
//   command <id>                 post WM_COMMAND <id> to the main window
//   close                        post WM_CLOSE to the current window
//   wait-gone <secs>             wait until the current window no longer exists
//   wait-exit <secs>             wait for the program to end; prints its exit code
//   kill                         end the program at once
//   sleep <ms>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Session {
    PROCESS_INFORMATION process = {};
    HWND main = nullptr;
    HWND current = nullptr;
    std::vector<HWND> seenDialogs;
};

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string narrow(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), n, nullptr,
                        nullptr);
    return narrow;
}

// Window texts cross processes with WM_GETTEXT; new lines are shown as \n.
std::string TextOf(HWND window) {
    wchar_t buffer[4096] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    std::string text;
    for (char c : Narrow(buffer)) {
        if (c == '\r') continue;
        if (c == '\n')
            text += "\\n";
        else
            text += c;
    }
    return text;
}

std::string ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return Narrow(name);
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

struct Search {
    DWORD pid;
    std::string windowClass;
    std::string title;
    const std::vector<HWND>* skip;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    if (ProcessOf(window) != s->pid || !IsWindowVisible(window)) return TRUE;
    if (ClassOf(window) != s->windowClass) return TRUE;
    if (!s->title.empty() && TextOf(window) != s->title) return TRUE;
    if (s->skip && std::find(s->skip->begin(), s->skip->end(), window) != s->skip->end()) return TRUE;
    s->found = window;
    return FALSE;
}

HWND WaitFor(Session& session, const std::string& windowClass, const std::string& title, double seconds,
             const std::vector<HWND>* skip) {
    DWORD limit = static_cast<DWORD>(seconds * 1000);
    DWORD start = GetTickCount();
    do {
        Search s{session.process.dwProcessId, windowClass, title, skip, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
        if (s.found) return s.found;
        Sleep(50);
    } while (GetTickCount() - start < limit);
    return nullptr;
}

std::string RestOf(std::istringstream& in) {
    std::string rest;
    std::getline(in, rest);
    size_t first = rest.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : rest.substr(first);
}

// Runs one command; returns false with `out` as the reason when it fails.
bool Run(Session& s, const std::string& line, std::string& out) {
    std::istringstream in(line);
    std::string command;
    in >> command;

    if (command == "launch") {
        std::wstring exe = Widen(RestOf(in));
        std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/"));
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW startup = {sizeof(startup)};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &s.process)) {
            out = "cannot start (error " + std::to_string(GetLastError()) + ")";
            return false;
        }
        out = std::to_string(s.process.dwProcessId);
        return true;
    }
    if (command == "wait-window") {
        std::string windowClass;
        double seconds = 10;
        in >> windowClass >> seconds;
        HWND found = WaitFor(s, windowClass, "", seconds, nullptr);
        if (!found) {
            out = "no window of class " + windowClass;
            return false;
        }
        if (!s.main) s.main = found;
        s.current = found;
        out = TextOf(found);
        return true;
    }
    if (command == "wait-dialog") {
        double seconds = 10;
        in >> seconds;
        std::string title = RestOf(in);
        HWND found = WaitFor(s, "#32770", title, seconds, &s.seenDialogs);
        if (!found) {
            out = "no new dialog";
            return false;
        }
        s.seenDialogs.push_back(found);
        s.current = found;
        out = TextOf(found);
        return true;
    }
    if (!s.current && command != "sleep" && command != "wait-exit" && command != "kill") {
        out = "no current window";
        return false;
    }
    if (command == "title") {
        out = TextOf(s.current);
        return true;
    }
    if (command == "dump") {
        for (HWND child = GetWindow(s.current, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            std::printf("child %d %s %s\n", GetDlgCtrlID(child), ClassOf(child).c_str(),
                        TextOf(child).c_str());
        }
        return true;
    }
    int id = 0;
    if (command == "control-text" || command == "set-text" || command == "select" || command == "check" ||
        command == "click" || command == "command") {
        if (!(in >> id)) {
            out = "needs a control or command id";
            return false;
        }
    }
    HWND control = id ? GetDlgItem(s.current, id) : nullptr;
    auto needControl = [&] {
        if (!control) out = "no control " + std::to_string(id);
        return control != nullptr;
    };
    if (command == "control-text") {
        if (!needControl()) return false;
        out = TextOf(control);
        return true;
    }
    if (command == "set-text") {
        if (!needControl()) return false;
        std::wstring text = Widen(RestOf(in));
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return true;
    }
    if (command == "select") {
        int index = 0;
        in >> index;
        if (!needControl()) return false;
        if (SendMessageW(control, CB_SETCURSEL, index, 0) != index) {
            out = "no entry " + std::to_string(index);
            return false;
        }
        PostMessageW(s.current, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
        return true;
    }
    if (command == "check") {
        int on = 0;
        in >> on;
        if (!needControl()) return false;
        SendMessageW(control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
        return true;
    }
    if (command == "click") {
        // Posted, so a button that opens another modal window does not block the driver.
        PostMessageW(s.current, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
        return true;
    }
    if (command == "command") {
        if (!s.main) {
            out = "no main window (wait-window first)";
            return false;
        }
        PostMessageW(s.main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return true;
    }
    if (command == "close") {
        PostMessageW(s.current, WM_CLOSE, 0, 0);
        return true;
    }
    if (command == "wait-gone") {
        double seconds = 10;
        in >> seconds;
        DWORD start = GetTickCount();
        while (IsWindow(s.current)) {
            if (GetTickCount() - start > seconds * 1000) {
                out = "still there";
                return false;
            }
            Sleep(50);
        }
        return true;
    }
    if (command == "wait-exit") {
        double seconds = 10;
        in >> seconds;
        if (WaitForSingleObject(s.process.hProcess, static_cast<DWORD>(seconds * 1000)) != WAIT_OBJECT_0) {
            out = "still running";
            return false;
        }
        DWORD code = 0;
        GetExitCodeProcess(s.process.hProcess, &code);
        out = std::to_string(code);
        return true;
    }
    if (command == "kill") {
        TerminateProcess(s.process.hProcess, 1);
        return true;
    }
    if (command == "sleep") {
        int ms = 0;
        in >> ms;
        Sleep(ms);
        return true;
    }
    out = "unknown command";
    return false;
}

} // namespace

int main() {
    Session session;
    std::string line;
    int status = 0;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::string command = line.substr(0, line.find(' '));
        std::string out;
        bool ok = Run(session, line, out);
        std::printf("%s %s%s%s\n", ok ? "ok" : "fail", command.c_str(), out.empty() ? "" : ": ", out.c_str());
        std::fflush(stdout);
        if (!ok) {
            status = 1;
            break;
        }
    }
    if (status != 0 && session.process.hProcess) TerminateProcess(session.process.hProcess, 1);
    return status;
}
