/* Files of the module folder (where the test program runs beside moh.dll) and of the product
   folder in the Wine user's local application data. */
#ifndef MODULE_FOLDER_H
#define MODULE_FOLDER_H

#include <string>

std::string ModuleFolder();
std::string ModulePath(const std::string &name);
std::string ProductFolder();
std::string ProductPath(const std::string &name);
std::string SettingsFile();

/* Empties and removes the product folder, so the next load is a first run. */
void ResetProductFolder();
/* Creates the product folder, empty, as the library does at load. */
void CreateProductFolder();
/* A fresh product folder holding a copy of the default settings, as after a first run, so that a
   test can change settings before the library loads. */
void StartFromDefaultSettings();
/* Puts back the English working copies and the pristine default settings file. */
void ResetModuleFolder();

bool FileExists(const std::string &path);
std::string ReadFileBytes(const std::string &path);
void WriteFileBytes(const std::string &path, const std::string &bytes);
void RemoveFile(const std::string &path);
void CopyFileOver(const std::string &from, const std::string &to);

std::string IniRead(const std::string &file, const char *section, const char *key, const char *fallback = "<missing>");
void IniWrite(const std::string &file, const char *section, const char *key, const char *value);

#endif
