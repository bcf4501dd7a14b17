/* The words and values of scenario lines. */
#include "scenario_words.h"

#include <ctype.h>
#include <stdlib.h>
#include <string.h>

#include "event_names.h"
#include "modem_model.h"

namespace {

const int64_t kMaxWaitMs = 24LL * 3600 * 1000;

typedef const char *(*NameLookup)(unsigned long value);

/* A value of a name table (with or without the table's prefix) or a number. */
bool ParseNamed(const std::string &word, NameLookup lookup, const char *prefix, unsigned long first,
                unsigned long last, int64_t *value)
{
    if (ParseNumber(word, value))
        return true;
    size_t prefixLength = strlen(prefix);
    for (unsigned long v = first; v <= last; ++v) {
        const char *name = lookup(v);
        if (name && (SameNoCase(word, name) || SameNoCase(word, name + prefixLength))) {
            *value = (int64_t)v;
            return true;
        }
    }
    return false;
}

const char *FamilyLookup(unsigned long value) { return FamilyName(value); }
const char *MethodLookup(unsigned long value) { return MohMethodName((long)value); }

}  // namespace

std::string Trim(const std::string &text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

/* Takes the first word off rest. */
std::string NextWord(std::string *rest)
{
    std::string trimmed = Trim(*rest);
    size_t end = trimmed.find_first_of(" \t");
    std::string word = trimmed.substr(0, end);
    *rest = end == std::string::npos ? "" : Trim(trimmed.substr(end));
    return word;
}

bool SameNoCase(const std::string &left, const char *right)
{
    size_t length = strlen(right);
    if (left.size() != length)
        return false;
    for (size_t i = 0; i < length; ++i)
        if (tolower((unsigned char)left[i]) != tolower((unsigned char)right[i]))
            return false;
    return true;
}

bool ParseNumber(const std::string &word, int64_t *number)
{
    if (word.empty() || word.size() > 11)
        return false;
    char *end = nullptr;
    long long parsed = strtoll(word.c_str(), &end, 10);
    if (*end != '\0' || !(isdigit((unsigned char)word[0]) || (word[0] == '-' && word.size() > 1)))
        return false;
    if (parsed < -2147483647LL - 1 || parsed > 4294967295LL)
        return false;
    *number = parsed;
    return true;
}

std::string Quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

bool ParseDiag(const std::string &word, int64_t *value, std::string *problem)
{
    if (ParseNamed(word, DiagStateName, "DIAG_", 0, 25, value))
        return true;
    *problem = "expected a diagnostic state (a number or a name such as PROT_LAYER_CONNECT), got " + Quoted(word);
    return false;
}

bool ParseState(const std::string &word, int64_t *value, std::string *problem)
{
    if (ParseNamed(word, MohStateName, "MOH_STATE_", 0, 13, value))
        return true;
    *problem = "expected a modem-on-hold state (a number or a name such as WAIT_FOR_CALL_RESUME), got " + Quoted(word);
    return false;
}

bool ParseResponse(const std::string &word, int64_t *value, std::string *problem)
{
    if (ParseNamed(word, RemoteResponseName, "MOH_REMOTE_RESPONSE_", 500, 505, value))
        return true;
    *problem = "expected a server response (ACK, NACK, TIMEDOUT, SILENCE, DISCONNECT, NONE or a number), got " +
               Quoted(word);
    return false;
}

bool ParseFamily(const std::string &word, int64_t *value, std::string *problem)
{
    if (ParseNamed(word, FamilyLookup, "FAMILY_TYPE_", 0, 2, value))
        return true;
    *problem = "expected a modem family (HSF, HCF, ACF or a number), got " + Quoted(word);
    return false;
}

bool ParseModulation(const std::string &word, int64_t *value, std::string *problem)
{
    if (SameNoCase(word, "V92") || SameNoCase(word, "V90")) {
        *value = SameNoCase(word, "V92") ? MODULATION_V92 : MODULATION_V90;
        return true;
    }
    if (ParseNumber(word, value))
        return true;
    *problem = "expected a modulation (V92, V90 or a number), got " + Quoted(word);
    return false;
}

bool ParseMethod(const std::string &word, int64_t *value, std::string *problem)
{
    if (ParseNamed(word, MethodLookup, "", 0, 2, value))
        return true;
    *problem = "expected a handset-exclusion method (Manual, Automatic, None or a number), got " + Quoted(word);
    return false;
}

bool ParseInteger(const std::string &word, const char *what, int64_t *value, std::string *problem)
{
    if (ParseNumber(word, value))
        return true;
    *problem = std::string("expected ") + what + ", got " + Quoted(word);
    return false;
}

bool NothingMore(const std::string &rest, std::string *problem)
{
    if (rest.empty())
        return true;
    *problem = "unexpected " + Quoted(rest) + " at the end of the line";
    return false;
}

/* A text that runs to the end of the line; double quotes around it keep its spaces. */
std::string LineText(const std::string &rest)
{
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        return rest.substr(1, rest.size() - 2);
    return rest;
}

/* Seconds with at most three decimals, as milliseconds. */
bool ParseSeconds(const std::string &word, int64_t *milliseconds)
{
    size_t point = word.find('.');
    std::string whole = word.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : word.substr(point + 1);
    if (whole.empty() || whole.size() > 6 || fraction.size() > 3 || (point != std::string::npos && fraction.empty()))
        return false;
    for (char c : whole + fraction)
        if (!isdigit((unsigned char)c))
            return false;
    while (fraction.size() < 3)
        fraction += '0';
    *milliseconds = atoll(whole.c_str()) * 1000 + atoll(fraction.c_str());
    return *milliseconds <= kMaxWaitMs;
}

bool ParseChoice(const std::string &word, const char *const *choices, int count, int64_t *value, std::string *problem)
{
    for (int i = 0; i < count; ++i)
        if (word == choices[i]) {
            *value = i;
            return true;
        }
    *problem = "expected one of:";
    for (int i = 0; i < count; ++i)
        *problem += std::string(i ? ", " : " ") + choices[i];
    *problem += "; got " + Quoted(word);
    return false;
}

bool ParseNumberAndName(std::string rest, std::string *number, std::string *name, std::string *problem)
{
    *number = NextWord(&rest);
    *name = LineText(rest);
    if (number->empty() || name->empty()) {
        *problem = "expected NUMBER NAME, such as \"5550199 Ann Smith\"";
        return false;
    }
    return true;
}
