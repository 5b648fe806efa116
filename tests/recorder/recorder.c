/* A stand-in "player" for the end-to-end tests: registered as the open
 * command for music files in the test prefix, it appends the path it was
 * asked to open to a log, one line per request, and exits. The log is named
 * by PLINKETY_RECORDER_LOG, else recorder.log beside this program.
 *
 * It plays another program too:
 *   recorder --hold PATH      opens PATH exclusively (no sharing), logs
 *                             "held PATH" and keeps it open until it is ended;
 *   recorder --window TITLE   shows a window titled TITLE until it is ended;
 *   recorder --zorder         logs the titles of the visible top-level
 *                             windows, topmost first, on one line, split by |;
 *   recorder --foreground     logs the title and the class of the foreground
 *                             window, split by | (an empty line for none);
 *   recorder --paste FILE     puts the UTF-8 text of FILE on the clipboard
 *                             as UTF-16 text, logs "pasted" and stays until
 *                             it is ended, as a program a user copies from. */
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

static void append_line(const char *text, size_t length) {
    char path[MAX_PATH * 2];
    HANDLE log;
    DWORD written;
    log_path(path, sizeof path);
    log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL, NULL);
    if (log == INVALID_HANDLE_VALUE) return;
    WriteFile(log, text, (DWORD)length, &written, NULL);
    WriteFile(log, "\r\n", 2, &written, NULL);
    CloseHandle(log);
}

static int hold(const char *file) {
    char line[MAX_PATH * 2];
    HANDLE held = CreateFileA(file, GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (held == INVALID_HANDLE_VALUE) return 1;
    snprintf(line, sizeof line, "held %s", file);
    append_line(line, strlen(line));
    Sleep(INFINITE);
    return 0;
}

static int show_window(const char *title) {
    MSG message;
    HWND window = CreateWindowExA(0, "STATIC", title, WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 100, 200, 100,
                                  NULL, NULL, NULL, NULL);
    if (!window) return 1;
    while (GetMessageA(&message, NULL, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

static int put_on_clipboard(const char *file) {
    static char text[4096];
    DWORD got = 0;
    int length;
    HGLOBAL memory;
    HANDLE source = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (source == INVALID_HANDLE_VALUE) return 1;
    ReadFile(source, text, sizeof text - 1, &got, NULL);
    CloseHandle(source);
    length = MultiByteToWideChar(CP_UTF8, 0, text, (int)got, NULL, 0);
    memory = GlobalAlloc(GMEM_MOVEABLE, (length + 1) * sizeof(WCHAR));
    if (!memory) return 1;
    {
        WCHAR *wide = (WCHAR *)GlobalLock(memory);
        MultiByteToWideChar(CP_UTF8, 0, text, (int)got, wide, length);
        wide[length] = 0;
        GlobalUnlock(memory);
    }
    if (!OpenClipboard(NULL)) return 1;
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    append_line("pasted", 6);
    Sleep(INFINITE);
    return 0;
}

static BOOL CALLBACK add_title(HWND window, LPARAM line) {
    char title[128];
    char *text = (char *)line;
    if (!IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, title, sizeof title);
    if (strlen(text) + strlen(title) + 2 >= 4096) return FALSE;
    if (*text) strcat(text, "|");
    strcat(text, title);
    return TRUE;
}

static int log_zorder(void) {
    static char line[4096];
    EnumWindows(add_title, (LPARAM)line);
    append_line(line, strlen(line));
    return 0;
}

static int log_foreground(void) {
    char line[300] = "";
    HWND window = GetForegroundWindow();
    if (window) {
        size_t length;
        GetWindowTextA(window, line, 128);
        length = strlen(line);
        line[length++] = '|';
        GetClassNameA(window, line + length, 128);
    }
    append_line(line, strlen(line));
    return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    const char *arg = commandLine;
    size_t length;
    (void)instance; (void)previous; (void)show;
    while (*arg == ' ') arg++;
    if (strncmp(arg, "--hold ", 7) == 0) return hold(arg + 7);
    if (strncmp(arg, "--window ", 9) == 0) return show_window(arg + 9);
    if (strcmp(arg, "--zorder") == 0) return log_zorder();
    if (strcmp(arg, "--foreground") == 0) return log_foreground();
    if (strncmp(arg, "--paste ", 8) == 0) return put_on_clipboard(arg + 8);
    length = strlen(arg);
    /* The association passes "%1" quoted. */
    if (length >= 2 && arg[0] == '"' && arg[length - 1] == '"') { arg++; length -= 2; }
    append_line(arg, length);
    return 0;
}
