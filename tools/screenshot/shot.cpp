/*
 * shot: a picture of the status window in a realistic moment, for the documentation.
 *
 *   shot.exe OUTPUT.bmp [STATE [LANGUAGE]]
 *
 * Run it from the module folder. It loads moh.dll as a dialer does, plays a small scripted
 * modem behind the request function (a V.92 connection, then a waiting call from "Ann Smith"
 * that the server put through), stops the clock a few seconds into the decision, and copies the
 * window as it is on the screen into a 24-bit BMP file. STATE (0 to 12, default 3: waiting for
 * the user's decision) is the modem-on-hold state the modem reports, to look at another status
 * line in the same scene. LANGUAGE (a Windows language identifier, as the Language page stores it)
 * is written into the user's settings before the library loads, so the window comes up in it.
 */
#include <windows.h>
#include <shlobj.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "moh.h"

namespace {

/* The status window's timers: state poll, ring animation, decision and hold countdowns, and the
   others the library may start; all are stopped so the picture holds still. */
const UINT_PTR kTimers[] = {1, 2, 3, 4, 5, 6, 8};
const UINT_PTR kPollTimer = 1;
const UINT_PTR kRingTimer = 2;
const UINT_PTR kDecisionTimer = 3;
const int kDecisionSecondsShown = 4;

const char kCallerId[] = "NMBR = 0123456789\r\nNAME = Ann Smith\r\n";

/* The scripted modem: what it answers now. */
DWORD diagState = DIAG_IDLE;
DWORD mohState = MOH_STATE_LAST;

int __cdecl ModemRequest(DWORD op, DWORD dataKind, DWORD item, char *buffer, DWORD bufferLength, DWORD *value)
{
    if (op != MOH_OP_GET)
        return 1;
    if (dataKind == MOH_DATA_STRING) {
        if (item == MOH_ITEM_CALLER_ID && buffer && bufferLength > sizeof kCallerId)
            memcpy(buffer, kCallerId, sizeof kCallerId);
        return 1;
    }
    if (!value)
        return 1;
    switch (item) {
    case MOH_ITEM_DIAG_STATE: *value = diagState; break;
    case MOH_ITEM_MOH_STATE: *value = mohState; break;
    case MOH_ITEM_FAMILY: *value = FAMILY_TYPE_HSF; break;
    case MOH_ITEM_MODULATION: *value = MOH_MODULATION_V92; break;
    case MOH_ITEM_DECISION_TIME: *value = 30; break;
    case MOH_ITEM_MAX_HOLD_TIME: *value = 120; break;
    case MOH_ITEM_HANDSET_EXCLUSION: *value = MOH_METHOD_AUTOMATIC; break;
    case MOH_ITEM_REMOTE_RESPONSE: *value = MOH_REMOTE_RESPONSE_ACK; break;
    default: break;
    }
    return 1;
}

typedef HWND(WINAPI *CreateFn)(HWND, int, MOH_REQUEST);
typedef void(WINAPI *AlertFn)(DWORD, DWORD **);

AlertFn alert;

void Alert(DWORD kind, DWORD value)
{
    DWORD *pointer = &value;
    alert(kind, &pointer);
}

void Pump(int milliseconds)
{
    DWORD end = GetTickCount() + (DWORD)milliseconds;
    while ((int)(end - GetTickCount()) > 0) {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

/* Connected, then a waiting call acknowledged by the server, a few seconds into the decision. */
void PlayWaitingCall(HWND window, DWORD shownState)
{
    for (UINT_PTR timer : kTimers)
        KillTimer(window, timer);
    diagState = DIAG_PROT_LAYER_CONNECT;
    mohState = MOH_STATE_NONE;
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALL_WAITING_TONE_DETECTED);
    Alert(MOH_EVENT_REMOTE_RESPONSE, MOH_REMOTE_RESPONSE_ACK);
    mohState = shownState;
    SendMessageA(window, WM_TIMER, kPollTimer, 0);
    for (int i = 0; i < kDecisionSecondsShown; ++i)
        SendMessageA(window, WM_TIMER, kDecisionTimer, 0);
    SendMessageA(window, WM_TIMER, kRingTimer, 0);
    for (UINT_PTR timer : kTimers)
        KillTimer(window, timer);
}

/* The user's settings as after a first run, with the language chosen: the library keeps an
   existing settings file and copies that language's files at load. */
void ChooseLanguage(const char *language)
{
    char path[MAX_PATH + 64] = "";
    if (FAILED(SHGetFolderPathA(NULL, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, NULL, 0, path)))
        return;
    lstrcatA(path, "\\Corvane Software");
    CreateDirectoryA(path, NULL);
    lstrcatA(path, "\\Pellora");
    CreateDirectoryA(path, NULL);
    lstrcatA(path, "\\pellora.ini");
    CopyFileA("pellora.ini", path, FALSE);
    WritePrivateProfileStringA("MOH", "Language", language, path);
}

bool WriteBmp(const char *path, HDC dc, HBITMAP bitmap, int width, int height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  /* bottom-up rows, as BMP files store them */
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    DWORD rowSize = ((DWORD)width * 3 + 3) & ~3u;
    DWORD imageSize = rowSize * (DWORD)height;
    char *pixels = new char[imageSize];
    bool ok = GetDIBits(dc, bitmap, 0, (UINT)height, pixels, (BITMAPINFO *)&header, DIB_RGB_COLORS) == height;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + imageSize;
    FILE *out = ok ? fopen(path, "wb") : NULL;
    if (out) {
        ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
             fwrite(pixels, imageSize, 1, out) == 1;
        ok = fclose(out) == 0 && ok;
    }
    delete[] pixels;
    return ok && out;
}

/* The window as the screen shows it, frame included. */
bool CaptureWindow(HWND window, const char *path)
{
    /* Without a window manager the display never gives Wine the focus: draw the caption as the
       active window's, as the user sees it while the call waits. */
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(300);
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    bool ok = copied && WriteBmp(path, memory, bitmap, width, height);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 4) {
        fprintf(stderr, "usage: shot OUTPUT.bmp [STATE [LANGUAGE]]\n");
        return 2;
    }
    DWORD shownState = argc >= 3 ? (DWORD)atoi(argv[2]) : MOH_STATE_WAIT_FOR_USER_DECISION;
    if (argc == 4)
        ChooseLanguage(argv[3]);
    HMODULE library = LoadLibraryA("moh.dll");
    CreateFn create = library ? (CreateFn)(void *)GetProcAddress(library, "CreateMOH") : NULL;
    alert = library ? (AlertFn)(void *)GetProcAddress(library, "AlertMOH") : NULL;
    if (!create || !alert) {
        fprintf(stderr, "shot: moh.dll or its exports not found; run from the module folder\n");
        return 1;
    }
    HWND window = create(NULL, 0, ModemRequest);
    if (!window) {
        fprintf(stderr, "shot: the status window was not created\n");
        return 1;
    }
    PlayWaitingCall(window, shownState);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    bool ok = CaptureWindow(window, argv[1]);
    DestroyWindow(window);
    FreeLibrary(library);
    if (!ok) {
        fprintf(stderr, "shot: could not capture the window into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
