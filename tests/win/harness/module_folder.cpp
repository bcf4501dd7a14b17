#include "module_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>

std::string ModuleFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\'));
}

std::string ModulePath(const std::string &name)
{
    return ModuleFolder() + "\\" + name;
}

std::string ProductFolder()
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(NULL, CSIDL_LOCAL_APPDATA, NULL, 0, path);
    return std::string(path) + "\\Corvane Software\\Pellora";
}

std::string ProductPath(const std::string &name)
{
    return ProductFolder() + "\\" + name;
}

std::string SettingsFile()
{
    return ProductPath("pellora.ini");
}

void ResetProductFolder()
{
    /* Files, and the empty folders a test may have put in place of one. */
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(ProductPath("*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        if (found.cFileName[0] == '.')
            continue;
        RemoveFile(ProductPath(found.cFileName));
        RemoveDirectoryA(ProductPath(found.cFileName).c_str());
    }
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    RemoveDirectoryA(ProductFolder().c_str());
}

void CreateProductFolder()
{
    CreateDirectoryA((ProductFolder() + "\\..").c_str(), NULL);
    CreateDirectoryA(ProductFolder().c_str(), NULL);
}

void StartFromDefaultSettings()
{
    ResetProductFolder();
    CreateProductFolder();
    CopyFileOver(ModulePath("pellora.ini"), SettingsFile());
}

void ResetModuleFolder()
{
    for (const char *name : {"mohrc.dll", "infopane.dll", "infopane.ini", "Pellora.CHM"})
        CopyFileOver(ModulePath(std::string("ENU\\") + name), ModulePath(name));
    CopyFileOver(ModulePath("testdata\\pellora.ini"), ModulePath("pellora.ini"));
}

bool FileExists(const std::string &path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileBytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string &path, const std::string &bytes)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void RemoveFile(const std::string &path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

void CopyFileOver(const std::string &from, const std::string &to)
{
    SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    CopyFileA(from.c_str(), to.c_str(), FALSE);
}

std::string IniRead(const std::string &file, const char *section, const char *key, const char *fallback)
{
    char value[1024] = "";
    GetPrivateProfileStringA(section, key, fallback, value, sizeof value, file.c_str());
    return value;
}

void IniWrite(const std::string &file, const char *section, const char *key, const char *value)
{
    WritePrivateProfileStringA(section, key, value, file.c_str());
}
