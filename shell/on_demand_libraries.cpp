#include "on_demand_libraries.h"

namespace {

struct OnDemandLibrary {
    const char *name;
    HMODULE module;
};

OnDemandLibrary soundLibrary = {"winmm.dll", NULL};
OnDemandLibrary dialogLibrary = {"comdlg32.dll", NULL};

template <typename Function> Function Entry(OnDemandLibrary &library, const char *name)
{
    if (!library.module)
        library.module = LoadLibraryA(library.name);
    return library.module ? (Function)(void *)GetProcAddress(library.module, name) : NULL;
}

typedef BOOL(WINAPI *PlaySoundFunction)(LPCSTR, HMODULE, DWORD);
typedef BOOL(WINAPI *FileDialogFunction)(OPENFILENAMEA *);

BOOL RunFileDialog(const char *name, OPENFILENAMEA *dialog)
{
    FileDialogFunction run = Entry<FileDialogFunction>(dialogLibrary, name);
    return run ? run(dialog) : FALSE;
}

void Free(OnDemandLibrary &library)
{
    if (library.module)
        FreeLibrary(library.module);
    library.module = NULL;
}

}  // namespace

BOOL PlaySoundOnDemand(const char *sound, DWORD flags)
{
    if (!sound && !soundLibrary.module)
        return TRUE;  /* nothing can be playing: there is nothing to stop */
    PlaySoundFunction play = Entry<PlaySoundFunction>(soundLibrary, "PlaySoundA");
    return play ? play(sound, NULL, flags) : FALSE;
}

BOOL GetOpenFileNameOnDemand(OPENFILENAMEA *dialog)
{
    return RunFileDialog("GetOpenFileNameA", dialog);
}

BOOL GetSaveFileNameOnDemand(OPENFILENAMEA *dialog)
{
    return RunFileDialog("GetSaveFileNameA", dialog);
}

void FreeOnDemandLibraries(void)
{
    Free(soundLibrary);
    Free(dialogLibrary);
}
