// Sends a console event to the game's process as Windows does: Windows
// runs the handlers of a console event on a thread it starts in the
// process at kernelbase's CtrlRoutine, with the event as its argument.
// The game, a windowed program, has no console of its own for
// GenerateConsoleCtrlEvent to reach, so this starts that thread itself.
//
//   send_console_event EVENT      EVENT: c, break, close, logoff, shutdown
//
// The game is found by its window's title. Status 0 once the thread runs.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

struct NamedEvent {
    const char *name;
    DWORD event;
};

// clang-format off
constexpr NamedEvent EVENTS[] = {
    { "c",        CTRL_C_EVENT        },
    { "break",    CTRL_BREAK_EVENT    },
    { "close",    CTRL_CLOSE_EVENT    },
    { "logoff",   CTRL_LOGOFF_EVENT   },
    { "shutdown", CTRL_SHUTDOWN_EVENT },
};
// clang-format on

int refuse(const char *why)
{
    std::fprintf(stderr, "send_console_event: %s (error %lu)\n", why, GetLastError());
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    const NamedEvent *chosen = nullptr;
    for (const NamedEvent &named : EVENTS)
        if (argc == 2 && std::strcmp(argv[1], named.name) == 0) chosen = &named;
    if (chosen == nullptr) {
        std::fputs("usage: send_console_event c|break|close|logoff|shutdown\n", stderr);
        return 2;
    }
    const HWND window = FindWindowW(nullptr, L"GROG SLOOP");
    if (window == nullptr) return refuse("no window \"GROG SLOOP\"");
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    // System libraries lie at the same address in every process.
    const HMODULE kernelBase = GetModuleHandleW(L"kernelbase.dll");
    const FARPROC ctrlRoutine = kernelBase != nullptr ? GetProcAddress(kernelBase, "CtrlRoutine") : nullptr;
    if (ctrlRoutine == nullptr) return refuse("no CtrlRoutine in kernelbase.dll");
    const HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                           PROCESS_VM_READ | PROCESS_VM_WRITE,
                                       FALSE, processId);
    if (process == nullptr) return refuse("cannot open the game's process");
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): a thread's start is an exported routine
    const auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void *>(ctrlRoutine));
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the event travels as the thread's argument
    void *const argument = reinterpret_cast<void *>(static_cast<ULONG_PTR>(chosen->event));
    const HANDLE thread = CreateRemoteThread(process, nullptr, 0, start, argument, 0, nullptr);
    CloseHandle(process);
    if (thread == nullptr) return refuse("cannot start a thread in the game's process");
    CloseHandle(thread);
    return 0;
}
