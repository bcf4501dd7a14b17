#include "splash.h"

void ShowSplash(HWND)
{
}
