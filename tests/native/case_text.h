/* Texts of the case and step files: the escapes \t \r \n \0 \\ \xHH and \{300*x} for 300 x; ""
   is the empty text. Shared by the native table cases and the Windows step files. */
#ifndef CASE_TEXT_H
#define CASE_TEXT_H

#include <stdlib.h>

#include <map>
#include <string>

inline std::string Unescape(const std::string &text)
{
    static const std::map<char, char> kSimple = {{'t', '\t'}, {'r', '\r'}, {'n', '\n'}, {'0', '\0'}, {'\\', '\\'}};
    std::string out;
    for (size_t i = 0; text != "\"\"" && i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
        } else if (text[++i] == 'x') {
            out += (char)strtol(text.substr(i + 1, 2).c_str(), nullptr, 16);
            i += 2;
        } else if (text[i] == '{') {
            size_t star = text.find('*', i);
            out += std::string(atoi(&text[i + 1]), text[star + 1]);
            i = star + 2;
        } else {
            out += kSimple.at(text[i]);
        }
    }
    return out;
}

#endif
