#include "library_under_test.h"

bool LibraryUnderTest::Load()
{
    module_ = LoadLibraryA("moh.dll");
    if (!module_)
        return false;
    create_ = (CreateFn)(void *)GetProcAddress(module_, "CreateMOH");
    config_ = (ConfigFn)(void *)GetProcAddress(module_, "ConfigMOH");
    alert_ = (AlertFn)(void *)GetProcAddress(module_, "AlertMOH");
    return create_ && config_ && alert_;
}

void LibraryUnderTest::Unload()
{
    if (module_)
        FreeLibrary(module_);
    module_ = NULL;
}

void LibraryUnderTest::Alert(DWORD kind, DWORD value)
{
    DWORD *pointer = &value;
    alert_(kind, &pointer);
}
