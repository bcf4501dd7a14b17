/* The library's per-user product folder (settings, phone book, trace file), prepared before the
   library loads so that a scenario starts from the same place every time. */
#ifndef PRODUCT_FOLDER_H
#define PRODUCT_FOLDER_H

#include <string>
#include <vector>

std::string ProductFolder(void);
std::string HostFolder(void);

/* Removes everything in the product folder and starts it again with the default settings file of
   the host's folder, as at the user's first start. */
bool ResetProductFolder(std::string *problem);
void WriteUserSetting(const std::string &section, const std::string &key, const std::string &value);
void AddPhoneBookEntry(const std::string &number, const std::string &name);
/* The lines of a list file of the product folder ("callerid.fic", "incoming.log"), without their
   CR LF. */
std::vector<std::string> ListFileLines(const char *name);
/* An empty MoHlog.txt: the library writes its file trace only into one that exists. */
void StartTraceFile(void);
bool CopyTraceFile(const std::string &to);

/* Creates the folder and any missing parents. */
bool MakeFolders(const std::string &path);

#endif
