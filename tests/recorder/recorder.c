/* A stand-in "player" for the end-to-end tests: registered as the open
 * command for music files in the test prefix, it appends the path it was
 * asked to open to a log, one line per request, and exits. The log is named
 * by PLINKETY_RECORDER_LOG, else recorder.log beside this program. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

static void log_path(char *out, DWORD size) {
    DWORD n = GetEnvironmentVariableA("PLINKETY_RECORDER_LOG", out, size);
    if (n > 0 && n < size) return;
    n = GetModuleFileNameA(NULL, out, size);
    while (n > 0 && out[n - 1] != '\\') n--;
    out[n] = '\0';
    strncat(out, "recorder.log", size - n - 1);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    char path[MAX_PATH * 2];
    const char *arg = commandLine;
    size_t length;
    HANDLE log;
    DWORD written;
    (void)instance; (void)previous; (void)show;
    while (*arg == ' ') arg++;
    length = strlen(arg);
    /* The association passes "%1" quoted. */
    if (length >= 2 && arg[0] == '"' && arg[length - 1] == '"') { arg++; length -= 2; }
    log_path(path, sizeof path);
    log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL, NULL);
    if (log == INVALID_HANDLE_VALUE) return 1;
    WriteFile(log, arg, (DWORD)length, &written, NULL);
    WriteFile(log, "\r\n", 2, &written, NULL);
    CloseHandle(log);
    return 0;
}
