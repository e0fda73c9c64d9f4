// bench_launcher PROGRAM [--idle SECONDS]
// Starts PROGRAM, waits until its dialog is ready for input and prints, as
// one line of key=value pairs: the start-to-ready time, the peak working set
// and (with --idle) the CPU time the program used while sitting idle.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

double SecondsOf(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1.0;
    return SecondsOf(kernel) + SecondsOf(user);
}

BOOL CALLBACK CloseWindowsOf(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId) && IsWindowVisible(window)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_launcher PROGRAM [--idle SECONDS]\n");
        return 2;
    }
    const double idleSeconds = (argc >= 4 && std::wcscmp(argv[2], L"--idle") == 0)
                                   ? std::wcstod(argv[3], nullptr)
                                   : 0.0;
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";

    LARGE_INTEGER frequency, start, ready;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
        return 1;
    }
    const DWORD waited = WaitForInputIdle(process.hProcess, 30000);
    QueryPerformanceCounter(&ready);
    if (waited != 0) {
        std::fprintf(stderr, "the program never became ready for input\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    const double readyMs =
        static_cast<double>(ready.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);

    double idleCpuMs = -1.0;
    if (idleSeconds > 0.0) {
        const double before = CpuSeconds(process.hProcess);
        Sleep(static_cast<DWORD>(idleSeconds * 1000.0));
        idleCpuMs = (CpuSeconds(process.hProcess) - before) * 1000.0;
    }

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);

    EnumWindows(CloseWindowsOf, static_cast<LPARAM>(process.dwProcessId));
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    std::printf("ready_ms=%.1f peak_working_set_kib=%lu", readyMs,
                static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    if (idleSeconds > 0.0) std::printf(" idle_cpu_ms=%.1f", idleCpuMs);
    std::printf("\n");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
