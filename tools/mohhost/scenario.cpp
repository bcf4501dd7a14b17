#include "scenario.h"

#include <ctype.h>
#include <string.h>

#include "modem_model.h"
#include "scenario_words.h"

const char kModemFields[] =
    "diag, state, response, modulation, family, decision-time, hold-time, port, name, quick-connect, "
    "cid-setting, handset-exclusion, refuse-all";

namespace {

typedef bool (*StepParser)(std::string rest, ScenarioStep *step, std::string *problem);

const size_t kMaxShotName = 64;

bool ParseSetting(std::string rest, ScenarioStep *step, std::string *problem)
{
    step->section = NextWord(&rest);
    step->key = NextWord(&rest);
    if (step->section.empty() || step->key.empty() || step->section.find_first_of("[]=") != std::string::npos ||
        step->key.find_first_of("[]=") != std::string::npos) {
        *problem = "expected SECTION KEY VALUE, such as \"setting MOH AcceptAll 1\"";
        return false;
    }
    step->text = LineText(rest);
    return true;
}

bool ParsePhoneBook(std::string rest, ScenarioStep *step, std::string *problem)
{
    return ParseNumberAndName(rest, &step->text, &step->text2, problem);
}

bool ParseModem(std::string rest, ScenarioStep *step, std::string *problem)
{
    step->key = NextWord(&rest);
    const std::string &field = step->key;
    if (field == "name") {
        step->text = LineText(rest);
        return true;
    }
    std::string word = NextWord(&rest);
    if (word.empty()) {
        *problem = "expected FIELD VALUE, with FIELD one of: " + std::string(kModemFields);
        return false;
    }
    bool ok;
    if (field == "diag") ok = ParseDiag(word, &step->value, problem);
    else if (field == "state") ok = ParseState(word, &step->value, problem);
    else if (field == "response") ok = ParseResponse(word, &step->value, problem);
    else if (field == "modulation") ok = ParseModulation(word, &step->value, problem);
    else if (field == "family") ok = ParseFamily(word, &step->value, problem);
    else if (field == "handset-exclusion") ok = ParseMethod(word, &step->value, problem);
    else if (field == "decision-time" || field == "hold-time" || field == "port" || field == "quick-connect" ||
             field == "cid-setting" || field == "refuse-all")
        ok = ParseInteger(word, "a number", &step->value, problem);
    else {
        *problem = "unknown modem field " + Quoted(field) + "; expected one of: " + kModemFields;
        return false;
    }
    return ok && NothingMore(rest, problem);
}

bool ParseConnect(std::string rest, ScenarioStep *step, std::string *problem)
{
    step->value = MODULATION_V92;
    step->value2 = 0;
    std::string modulation = NextWord(&rest);
    if (!modulation.empty() && !ParseModulation(modulation, &step->value, problem))
        return false;
    std::string family = NextWord(&rest);
    if (!family.empty() && !ParseFamily(family, &step->value2, problem))
        return false;
    return NothingMore(rest, problem);
}

bool ParseNoArguments(std::string rest, ScenarioStep *, std::string *problem)
{
    return NothingMore(rest, problem);
}

bool ParseCaller(std::string rest, ScenarioStep *step, std::string *problem)
{
    std::string number = NextWord(&rest);
    if (number.empty()) {
        *problem = "expected NUMBER NAME (\"-\" for a missing one), or \"none\"";
        return false;
    }
    if (number == "none")
        return NothingMore(rest, problem);
    step->text = number;
    step->text2 = rest.empty() ? "-" : LineText(rest);
    return true;
}

bool ParseResponseStep(std::string rest, ScenarioStep *step, std::string *problem)
{
    return ParseResponse(NextWord(&rest), &step->value, problem) && NothingMore(rest, problem);
}

bool ParseStateStep(std::string rest, ScenarioStep *step, std::string *problem)
{
    return ParseState(NextWord(&rest), &step->value, problem) && NothingMore(rest, problem);
}

bool ParseDiagStep(std::string rest, ScenarioStep *step, std::string *problem)
{
    return ParseDiag(NextWord(&rest), &step->value, problem) && NothingMore(rest, problem);
}

struct CommandWord {
    const char *word;
    int64_t command;
};
const CommandWord kCommands[] = {
    {"accept", 10001}, {"ignore", 10002}, {"disconnect", 10003}, {"call", 10004}, {"reconnect", 10006},
};

bool ParseClick(std::string rest, ScenarioStep *step, std::string *problem)
{
    step->text = NextWord(&rest);
    for (const CommandWord &command : kCommands) {
        if (SameNoCase(step->text, command.word)) {
            step->value = command.command;
            return NothingMore(rest, problem);
        }
    }
    *problem = "expected a command to click (accept, ignore, disconnect, call or reconnect), got " + Quoted(step->text);
    return false;
}

bool ParseWait(std::string rest, ScenarioStep *step, std::string *problem)
{
    std::string word = NextWord(&rest);
    if (!ParseSeconds(word, &step->value)) {
        *problem = "expected a number of seconds (such as 5 or 0.5, at most one day), got " + Quoted(word);
        return false;
    }
    return NothingMore(rest, problem);
}

bool ParseShot(std::string rest, ScenarioStep *step, std::string *problem)
{
    step->text = NextWord(&rest);
    bool ok = !step->text.empty() && step->text.size() <= kMaxShotName;
    for (char c : step->text)
        ok = ok && (isalnum((unsigned char)c) || c == '-' || c == '_');
    if (!ok) {
        *problem = "expected a picture name of letters, digits, - and _ (at most 64), got " + Quoted(step->text);
        return false;
    }
    return NothingMore(rest, problem);
}

bool ParseBox(std::string rest, ScenarioStep *step, std::string *problem)
{
    static const char *const kButtons[] = {"ok", "cancel", "yes", "no"};
    static const int kButtonIds[] = {1, 2, 6, 7};
    std::string button = NextWord(&rest);
    step->text = LineText(rest);
    for (int i = 0; i < 4; ++i)
        if (SameNoCase(button, kButtons[i]) && !step->text.empty()) {
            step->value = kButtonIds[i];
            return true;
        }
    *problem = "expected a button (ok, cancel, yes or no) and the text of the message box, got " + Quoted(button);
    return false;
}

struct StepWord {
    const char *word;
    StepKind kind;
    StepParser parse;
};
const StepWord kSteps[] = {
    {"setting", STEP_SETTING, ParseSetting},     {"phonebook", STEP_PHONE_BOOK, ParsePhoneBook},
    {"modem", STEP_MODEM, ParseModem},           {"connect", STEP_CONNECT, ParseConnect},
    {"idle", STEP_IDLE, ParseNoArguments},       {"tone", STEP_TONE, ParseNoArguments},
    {"caller", STEP_CALLER, ParseCaller},        {"response", STEP_RESPONSE, ParseResponseStep},
    {"state", STEP_STATE, ParseStateStep},       {"diag", STEP_DIAG, ParseDiagStep},
    {"click", STEP_CLICK, ParseClick},           {"wait", STEP_WAIT, ParseWait},
    {"shot", STEP_SHOT, ParseShot},              {"box", STEP_BOX, ParseBox},
    {"expect", STEP_EXPECT, ParseExpect},
};

bool ParseLine(const std::string &line, ScenarioStep *step, bool libraryLoaded, std::string *problem)
{
    std::string rest = line;
    std::string word = NextWord(&rest);
    for (const StepWord &known : kSteps) {
        if (word != known.word)
            continue;
        step->kind = known.kind;
        if (libraryLoaded && (known.kind == STEP_SETTING || known.kind == STEP_PHONE_BOOK)) {
            *problem = word + " must come before the first event, click, wait, shot, box or expect step: it "
                              "is applied before the library loads";
            return false;
        }
        if (known.parse(rest, step, problem))
            return true;
        *problem = word + ": " + *problem;
        return false;
    }
    *problem = "unknown step " + Quoted(word) + "; expected setting, phonebook, modem, connect, idle, tone, caller, "
               "response, state, diag, click, wait, shot, box or expect";
    return false;
}

}  // namespace

bool ParseScenario(const std::string &fileName, const std::string &text, Scenario *scenario, std::string *error)
{
    scenario->fileName = fileName;
    scenario->steps.clear();
    bool libraryLoaded = false;
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        ScenarioStep step;
        step.line = number;
        step.source = line;
        std::string problem;
        if (!ParseLine(line, &step, libraryLoaded, &problem)) {
            *error = fileName + ":" + std::to_string(number) + ": " + problem;
            return false;
        }
        libraryLoaded = libraryLoaded || (step.kind != STEP_SETTING && step.kind != STEP_PHONE_BOOK &&
                                          step.kind != STEP_MODEM);
        scenario->steps.push_back(step);
    }
    return true;
}
