#include "fake_modem.h"

#include "moh.h"

#include <stdio.h>
#include <string.h>

namespace {
FakeModem *installed;
}

FakeModem::FakeModem() : previous_(installed)
{
    installed = this;
}

FakeModem::~FakeModem()
{
    installed = previous_;
}

int __cdecl FakeModem::Request(DWORD op, DWORD dataKind, DWORD item, char *buffer, DWORD bufferLength, DWORD *value)
{
    return installed ? installed->Answer(op, dataKind, item, buffer, bufferLength, value) : 0;
}

int FakeModem::Answer(DWORD op, DWORD dataKind, DWORD item, char *buffer, DWORD bufferLength, DWORD *value)
{
    calls.push_back({op, dataKind, item, value ? *value : 0, bufferLength});
    if (op == MOH_OP_GET && dataKind == MOH_DATA_DWORD && value) {
        auto answer = values.find(item);
        if (answer != values.end())
            *value = answer->second;
    } else if (op == MOH_OP_GET && dataKind == MOH_DATA_STRING && buffer && bufferLength > 0) {
        auto answer = texts.find(item);
        if (answer != texts.end())
            memcpy(buffer, answer->second.data(), answer->second.size() < bufferLength ? answer->second.size() : bufferLength);
    }
    auto result = results.find(item);
    return result == results.end() ? 1 : result->second;
}

std::vector<std::string> FakeModem::Log() const
{
    static const char *const kOps[] = {"get", "set", "configure", "delete"};
    std::vector<std::string> lines;
    for (const ModemCall &call : calls) {
        char line[96];
        const char *op = call.op < 4 ? kOps[call.op] : "op?";
        if (call.op == MOH_OP_GET || call.dataKind == MOH_DATA_ACTION)
            snprintf(line, sizeof line, "%s %lu", op, (unsigned long)call.item);
        else
            snprintf(line, sizeof line, "%s %lu=%lu", op, (unsigned long)call.item, (unsigned long)call.valueIn);
        lines.push_back(line);
    }
    return lines;
}
