/* Records and calls whose layout Windows, the dialer and the controls library fix. The 32-bit
   build, the one the dialers load, never runs on the build machines, so a layout that drifts
   stops the build here instead of failing on a user's machine. */
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstddef>
#include <type_traits>

#include "corvanectln.h"
#include "moh.h"

namespace {

template <typename Actual, typename Expected>
constexpr bool kSameType = std::is_same<Actual, Expected>::value;

}  // namespace

/* The host contract: argument and result types of the request function and the exports. */
static_assert(sizeof(DWORD) == 4 && sizeof(int) == 4, "the host contract's numbers are 32-bit");
static_assert(kSameType<MOH_REQUEST, int(__cdecl *)(DWORD, DWORD, DWORD, char *, DWORD, DWORD *)>,
              "the request function takes op, data kind, item, buffer, length and value, caller pops");
static_assert(kSameType<decltype(&CreateMOH), HWND(WINAPI *)(HWND, int, MOH_REQUEST)>, "CreateMOH");
static_assert(kSameType<decltype(&ConfigMOH), int(WINAPI *)(HWND)>, "ConfigMOH");
static_assert(kSameType<decltype(&AlertMOH), void(WINAPI *)(DWORD, DWORD **)>, "AlertMOH");

/* The tray icon record of the first shell version: the tip of 64 characters ends it. */
static_assert(offsetof(NOTIFYICONDATAA, szTip) + 64 == NOTIFYICONDATAA_V1_SIZE,
              "the first tray icon layout ends with a 64-character tip");

#ifndef _WIN64
/* What a 32-bit dialer and the 32-bit system expect. */
static_assert(sizeof(void *) == 4, "32-bit pointers");
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the tray icon record is 88 bytes");
static_assert(sizeof(TBBUTTON) == 20, "a toolbar button record is 20 bytes");
static_assert(sizeof(char *) + 5 * sizeof(DWORD) == 24, "the request function's arguments take 24 bytes");
#endif
