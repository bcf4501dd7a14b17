/* The library's load-time work: product folder, settings file, language and resource module. */
#ifndef STARTUP_H
#define STARTUP_H

void ModuleStartup(void);
void UpdateReservedSection(const char *defaultPath, const char *userSettingsPath);
void CopyLanguageFile(const char *folderCode, const char *fileName);

#endif
