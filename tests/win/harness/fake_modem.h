/* A recording fake modem behind the library's request function. Each test fills the answers
   (value per item, text items, result per item) and reads back every request made, in order. */
#ifndef FAKE_MODEM_H
#define FAKE_MODEM_H

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct ModemCall {
    DWORD op;
    DWORD dataKind;
    DWORD item;
    DWORD valueIn;       /* what the library passed in *value (sets, and presets of gets) */
    DWORD bufferLength;
};

class FakeModem {
public:
    FakeModem();
    ~FakeModem();

    /* The function handed to CreateMOH. It answers from the modem installed last. */
    static int __cdecl Request(DWORD op, DWORD dataKind, DWORD item, char *buffer, DWORD bufferLength, DWORD *value);

    std::map<DWORD, DWORD> values;     /* answers to value reads, by item */
    std::map<DWORD, std::string> texts; /* answers to text reads, by item */
    std::map<DWORD, int> results;      /* result per item; 1 when not listed */

    std::vector<ModemCall> calls;
    /* The requests as "op/kind/item=value" lines, for comparing whole sequences. */
    std::vector<std::string> Log() const;
    void ClearLog() { calls.clear(); }

private:
    int Answer(DWORD op, DWORD dataKind, DWORD item, char *buffer, DWORD bufferLength, DWORD *value);
    FakeModem *previous_;
};

#endif
