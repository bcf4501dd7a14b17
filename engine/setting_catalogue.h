/* Where each setting lives in the settings file and what it is when the file does not say.
   Free of any platform header: the Windows settings reader and the engine's bench share it. */
#ifndef SETTING_CATALOGUE_H
#define SETTING_CATALOGUE_H

#include "setting_keys.h"

struct SettingDefinition {
    SettingKey key;
    const char *section;
    const char *name;
    int intDefault;
    const char *textDefault;  /* NULL for numeric keys */
};

/* Indexed by SettingKey. */
extern const SettingDefinition kSettingCatalogue[SETTING_COUNT];

#endif
