/* The real moh.dll, loaded from the module folder by its bare name as a dialer loads it, and
   unloaded again (which resets its module state). */
#ifndef LIBRARY_UNDER_TEST_H
#define LIBRARY_UNDER_TEST_H

#include "moh.h"

class LibraryUnderTest {
public:
    typedef HWND(WINAPI *CreateFn)(HWND, int, MOH_REQUEST);
    typedef int(WINAPI *ConfigFn)(HWND);
    typedef void(WINAPI *AlertFn)(DWORD, DWORD **);

    ~LibraryUnderTest() { Unload(); }
    bool Load();
    void Unload();
    bool loaded() const { return module_ != NULL; }

    HWND Create(HWND parent, int loopFlag, MOH_REQUEST request) { return create_(parent, loopFlag, request); }
    int Config(HWND parent) { return config_(parent); }
    /* Delivers one event the way a dialer does: a pointer to a pointer to the value. */
    void Alert(DWORD kind, DWORD value);

private:
    HMODULE module_ = NULL;
    CreateFn create_ = NULL;
    ConfigFn config_ = NULL;
    AlertFn alert_ = NULL;
};

#endif
