/* Expectations of scenario lines: what to check, and the requests the library may make. */
#include "scenario_words.h"

#include <ctype.h>
#include <string.h>

#include "modem_model.h"

namespace {

struct ItemName {
    const char *name;
    uint32_t item;
};
const ItemName kItems[] = {
    {"ENABLE_MOH", ITEM_ENABLE_MOH}, {"CALL_ACTION", ITEM_CALL_ACTION}, {"MODEM_NAME", ITEM_MODEM_NAME},
    {"COM_PORT", ITEM_COM_PORT}, {"OUTGOING_CALL", ITEM_OUTGOING_CALL}, {"QUICK_CONNECT", ITEM_QUICK_CONNECT},
    {"CID_ENABLE", ITEM_CID_ENABLE}, {"DIAG_STATE", ITEM_DIAG_STATE}, {"MODULATION", ITEM_MODULATION},
    {"FAMILY", ITEM_FAMILY}, {"QUICK_CONNECT_STATE", ITEM_QUICK_CONNECT_STATE},
    {"MAX_HOLD_TIME", ITEM_MAX_HOLD_TIME}, {"REMOTE_RESPONSE", ITEM_REMOTE_RESPONSE},
    {"CALLER_ID", ITEM_CALLER_ID}, {"MOH_STATE", ITEM_MOH_STATE}, {"DECISION_TIME", ITEM_DECISION_TIME},
    {"CID_SETTING", ITEM_CID_SETTING}, {"HANDSET_EXCLUSION", ITEM_HANDSET_EXCLUSION},
    {"OFF_HOOK", ITEM_OFF_HOOK}, {"ON_HOOK", ITEM_ON_HOOK},
};

bool ParseItem(const std::string &word, uint32_t *item)
{
    int64_t number;
    if (ParseNumber(word, &number) && number >= 0) {
        *item = (uint32_t)number;
        return true;
    }
    /* Names as in moh.h, with or without their prefix. */
    std::string name = word;
    for (const char *prefix : {"MOH_ITEM_", "MOH_ACTION_"})
        if (name.size() > strlen(prefix) && SameNoCase(name.substr(0, strlen(prefix)), prefix))
            name = name.substr(strlen(prefix));
    for (const ItemName &known : kItems) {
        if (SameNoCase(name, known.name)) {
            *item = known.item;
            return true;
        }
    }
    return false;
}

bool ParseRequestPattern(std::string rest, RequestPattern *pattern, std::string *problem)
{
    static const char *const kOps[] = {"get", "set", "configure", "delete"};
    pattern->text = rest;
    std::string op = NextWord(&rest);
    std::string target = NextWord(&rest);
    bool known = false;
    for (uint32_t i = 0; i < 4; ++i)
        if (op == kOps[i]) {
            pattern->op = i;
            known = true;
        }
    if (op == "action") {
        pattern->op = MODEM_OP_SET;
        pattern->isAction = true;
        known = true;
    }
    size_t equals = target.find('=');
    std::string itemWord = target.substr(0, equals);
    if (!known || !ParseItem(itemWord, &pattern->item)) {
        *problem = "expected a request: get ITEM, set ITEM[=VALUE], configure ITEM[=VALUE], delete ITEM[=VALUE] or "
                   "action ITEM, with ITEM a number or a name such as CALL_ACTION; got " + Quoted(pattern->text);
        return false;
    }
    if (equals != std::string::npos) {
        int64_t value;
        if (pattern->op == MODEM_OP_GET || pattern->isAction || !ParseNumber(target.substr(equals + 1), &value)) {
            *problem = "expected a number after \"=\" of a set, configure or delete request; got " + Quoted(pattern->text);
            return false;
        }
        pattern->anyValue = false;
        pattern->value = (uint32_t)value;
    }
    return NothingMore(rest, problem);
}

bool ParseCommandStates(std::string rest, std::string *states, std::string *problem)
{
    static const char kLetters[] = "AIDCR";
    *states = ".....";
    std::string token;
    while (!(token = NextWord(&rest)).empty()) {
        const char *letter = token.size() == 2 ? strchr(kLetters, toupper((unsigned char)token[0])) : nullptr;
        if (!letter || (token[1] != '+' && token[1] != '-') || (*states)[letter - kLetters] != '.') {
            *problem = "expected command states such as \"A+ I+ D+ C- R-\" (Accept, Ignore, Disconnect, Call, "
                       "Reconnect; + enabled, - grey, each at most once), got " + Quoted(token);
            return false;
        }
        (*states)[letter - kLetters] = token[1];
    }
    if (*states == ".....") {
        *problem = "expected at least one command state such as \"A+\"";
        return false;
    }
    return true;
}

struct ExpectWord {
    const char *word;
    ExpectKind kind;
};
const ExpectWord kExpects[] = {
    {"request", EXPECT_REQUEST}, {"no-request", EXPECT_NO_REQUEST}, {"status", EXPECT_STATUS},
    {"name", EXPECT_NAME}, {"number", EXPECT_NUMBER}, {"countdown", EXPECT_COUNTDOWN},
    {"commands", EXPECT_COMMANDS}, {"window", EXPECT_WINDOW}, {"line", EXPECT_LINE}, {"hook", EXPECT_HOOK},
    {"trace", EXPECT_TRACE}, {"phonebook", EXPECT_PHONE_BOOK}, {"no-phonebook", EXPECT_NO_PHONE_BOOK},
    {"log", EXPECT_LOG}, {"no-log", EXPECT_NO_LOG},
};

bool ParseExpectation(ScenarioStep *step, std::string rest, std::string *problem)
{
    static const char *const kWindow[] = {"hidden", "shown"};
    static const char *const kLine[] = {"idle", "connected", "on-hold"};
    static const char *const kHook[] = {"none", "on", "off"};
    /* By the outcome digit the log file holds. */
    static const char *const kOutcome[] = {"undecided", "disconnected", "accepted", "ignored"};
    switch (step->expect) {
    case EXPECT_REQUEST:
    case EXPECT_NO_REQUEST:
        return ParseRequestPattern(rest, &step->request, problem);
    case EXPECT_COMMANDS:
        return ParseCommandStates(rest, &step->text, problem);
    case EXPECT_WINDOW:
        return ParseChoice(NextWord(&rest), kWindow, 2, &step->value, problem) && NothingMore(rest, problem);
    case EXPECT_LINE:
        return ParseChoice(NextWord(&rest), kLine, 3, &step->value, problem) && NothingMore(rest, problem);
    case EXPECT_HOOK:
        return ParseChoice(NextWord(&rest), kHook, 3, &step->value, problem) && NothingMore(rest, problem);
    case EXPECT_PHONE_BOOK:
        return ParseNumberAndName(rest, &step->text, &step->text2, problem);
    case EXPECT_LOG:
        return ParseChoice(NextWord(&rest), kOutcome, 4, &step->value, problem) &&
               ParseNumberAndName(rest, &step->text, &step->text2, problem);
    case EXPECT_NO_LOG:
        return NothingMore(rest, problem);
    case EXPECT_NO_PHONE_BOOK:
        step->text = NextWord(&rest);
        if (step->text.empty()) {
            *problem = "expected the number no phone book entry may have";
            return false;
        }
        return NothingMore(rest, problem);
    case EXPECT_TRACE:
        step->text = LineText(rest);
        if (step->text.empty()) {
            *problem = "expected the text of a trace line";
            return false;
        }
        return true;
    default:
        step->text = LineText(rest);
        return true;
    }
}

}  // namespace

bool ParseExpect(std::string rest, ScenarioStep *step, std::string *problem)
{
    std::string word = NextWord(&rest);
    for (const ExpectWord &expect : kExpects) {
        if (word == expect.word) {
            step->expect = expect.kind;
            return ParseExpectation(step, rest, problem);
        }
    }
    *problem = "expected what to check: request, no-request, status, name, number, countdown, commands, window, "
               "line, hook, trace, phonebook, no-phonebook, log or no-log; got " + Quoted(word);
    return false;
}

bool RequestMatches(const RequestPattern &pattern, uint32_t op, uint32_t dataKind, uint32_t item, const uint32_t *value)
{
    if (pattern.isAction)
        return dataKind == MODEM_DATA_ACTION && op == MODEM_OP_SET && item == pattern.item;
    if (dataKind == MODEM_DATA_ACTION || op != pattern.op || item != pattern.item)
        return false;
    return pattern.anyValue || (value && *value == pattern.value);
}

bool LogLineMatches(const ScenarioStep &step, const std::string &line)
{
    std::string call = step.text2 + "\t" + step.text + "\t", outcome = "\t" + std::to_string(step.value);
    return line.compare(0, call.size(), call) == 0 && line.size() >= call.size() + outcome.size() &&
           line.compare(line.size() - outcome.size(), outcome.size(), outcome) == 0;
}

bool CommandsMatch(const std::string &wanted, const std::string &states)
{
    for (size_t i = 0; i < wanted.size() && i < states.size(); ++i)
        if (wanted[i] != '.' && wanted[i] != states[i])
            return false;
    return true;
}

bool PhoneBookShows(const ScenarioStep &step, const std::vector<std::string> &lines)
{
    bool found = false;
    for (const std::string &line : lines) {
        size_t tab = line.find('\t');
        found = found || (step.expect == EXPECT_PHONE_BOOK ? line == step.text2 + "\t" + step.text
                                                           : tab != std::string::npos && line.substr(tab + 1) == step.text);
    }
    return found == (step.expect == EXPECT_PHONE_BOOK);
}
