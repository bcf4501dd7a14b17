#include "module_folder.h"

#include <windows.h>
#include <shlobj.h>

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
    std::string folder = ProductFolder();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string path = folder + "\\" + found.cFileName;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                RemoveFile(path);
            else if (found.cFileName[0] != '.')
                RemoveDirectoryA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
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
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, NULL) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::string &path, const std::string &bytes)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL);
    CloseHandle(file);
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
