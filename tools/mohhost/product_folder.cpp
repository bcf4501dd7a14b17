#include "product_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <fstream>

namespace {

std::string ProductFile(const char *name)
{
    return ProductFolder() + "\\" + name;
}

void RemoveFilesIn(const std::string &folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string path = folder + "\\" + found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

std::string ProductFolder(void)
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(NULL, CSIDL_LOCAL_APPDATA, NULL, 0, path);
    return std::string(path) + "\\Corvane Software\\Pellora";
}

std::string HostFolder(void)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\'));
}

bool MakeFolders(const std::string &path)
{
    for (size_t end = path.find_first_of("\\/", 1); end != std::string::npos; end = path.find_first_of("\\/", end + 1))
        CreateDirectoryA(path.substr(0, end).c_str(), NULL);
    CreateDirectoryA(path.c_str(), NULL);
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ResetProductFolder(std::string *problem)
{
    std::string folder = ProductFolder();
    RemoveFilesIn(folder);
    if (!MakeFolders(folder)) {
        *problem = "cannot create " + folder;
        return false;
    }
    std::string defaults = HostFolder() + "\\pellora.ini";
    if (!CopyFileA(defaults.c_str(), ProductFile("pellora.ini").c_str(), FALSE)) {
        *problem = "cannot copy " + defaults + " into " + folder;
        return false;
    }
    SetFileAttributesA(ProductFile("pellora.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    return true;
}

void WriteUserSetting(const std::string &section, const std::string &key, const std::string &value)
{
    MakeFolders(ProductFolder());
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), ProductFile("pellora.ini").c_str());
}

void AddPhoneBookEntry(const std::string &number, const std::string &name)
{
    MakeFolders(ProductFolder());
    HANDLE file = CreateFileA(ProductFile("callerid.fic").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string line = name + "\t" + number + "\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), (DWORD)line.size(), &written, NULL);
    CloseHandle(file);
}

std::vector<std::string> ListFileLines(const char *name)
{
    std::vector<std::string> lines;
    std::ifstream file(ProductFile(name), std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void StartTraceFile(void)
{
    MakeFolders(ProductFolder());
    HANDLE file = CreateFileA(ProductFile("MoHlog.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

bool CopyTraceFile(const std::string &to)
{
    return CopyFileA(ProductFile("MoHlog.txt").c_str(), to.c_str(), FALSE) != FALSE;
}
