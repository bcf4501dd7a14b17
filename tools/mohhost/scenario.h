/* Scenario files of the development host: one step per line, saying what the modem reports, what
   the user clicks, how much time passes and what the status window must show (the format is
   described in scenarios/README.md). Free of any platform header, so it is tested natively. */
#ifndef SCENARIO_H
#define SCENARIO_H

#include <stdint.h>

#include <string>
#include <vector>

enum StepKind {
    STEP_SETTING,     /* section, key, text: a line of the user's settings file, before loading */
    STEP_PHONE_BOOK,  /* text (number), text2 (name): a phone book entry, before loading */
    STEP_MODEM,       /* key (modem field), value or text: the modem's answer from now on */
    STEP_CONNECT,     /* value (modulation), value2 (family) */
    STEP_IDLE,
    STEP_TONE,
    STEP_CALLER,      /* text (number), text2 (name); "-" for a missing one */
    STEP_RESPONSE,    /* value */
    STEP_STATE,       /* value */
    STEP_DIAG,        /* value */
    STEP_CLICK,       /* value (command id), text (command word) */
    STEP_WAIT,        /* value (milliseconds) */
    STEP_SHOT,        /* text (picture name) */
    STEP_BOX,         /* value (button id), text: the open message box shows text; press the button */
    STEP_EXPECT,      /* expect and its fields below */
};

enum ExpectKind {
    EXPECT_REQUEST,     /* request: made since the last matched request */
    EXPECT_NO_REQUEST,  /* request: not made since the last matched request */
    EXPECT_STATUS,      /* text: the status line */
    EXPECT_NAME,        /* text: the caller's name */
    EXPECT_NUMBER,      /* text: the caller's number */
    EXPECT_COUNTDOWN,   /* text: the countdown */
    EXPECT_COMMANDS,    /* text: five characters for Accept, Ignore, Disconnect, Call, Reconnect:
                           '+' enabled, '-' grey, '.' not checked */
    EXPECT_WINDOW,      /* value: 1 shown, 0 hidden */
    EXPECT_LINE,        /* value: a LineState of the modem model */
    EXPECT_HOOK,        /* value: a HookState of the modem model */
    EXPECT_TRACE,       /* text: part of a line of the library's window trace */
    EXPECT_PHONE_BOOK,  /* text (number), text2 (name): an entry of the phone book file */
    EXPECT_NO_PHONE_BOOK, /* text (number): no entry of the phone book file has it */
    EXPECT_LOG,         /* value (outcome digit), text (number), text2 (name): the incoming-call log's
                           next line, after those of the log expectations before */
    EXPECT_NO_LOG,      /* the incoming-call log has no line after those of the log expectations before */
};

/* A request the library may make: op and item, and the value it passed unless anyValue. An
   action is op MODEM_OP_SET with isAction. */
struct RequestPattern {
    uint32_t op = 0;
    uint32_t item = 0;
    bool isAction = false;
    bool anyValue = true;
    uint32_t value = 0;
    std::string text;   /* as the scenario wrote it */
};

struct ScenarioStep {
    int line = 0;
    std::string source;   /* the line as written, for the log and messages */
    StepKind kind = STEP_WAIT;
    ExpectKind expect = EXPECT_STATUS;
    int64_t value = 0;
    int64_t value2 = 0;
    std::string section;
    std::string key;
    std::string text;
    std::string text2;
    RequestPattern request;
};

struct Scenario {
    std::string fileName;
    std::vector<ScenarioStep> steps;
};

/* Whether the step prepares the run (a setting, a phone book entry or a modem value): those before
   the first other step are applied before the library loads. */
inline bool PreparesRun(const ScenarioStep &step)
{
    return step.kind == STEP_SETTING || step.kind == STEP_PHONE_BOOK || step.kind == STEP_MODEM;
}

/* Parses a whole scenario file. On a bad line returns false and sets error to
   "FILE:LINE: what was expected". */
bool ParseScenario(const std::string &fileName, const std::string &text, Scenario *scenario, std::string *error);

/* Whether a request made by the library (FormatRequest's fields) matches the pattern. */
bool RequestMatches(const RequestPattern &pattern, uint32_t op, uint32_t dataKind, uint32_t item,
                    const uint32_t *value);

/* The index of the first request from index from on that the pattern matches, or requests.size();
   a Request has the fields op, dataKind, item, hasValue and value. */
template <typename Request>
size_t FindRequest(const RequestPattern &pattern, const std::vector<Request> &requests, size_t from)
{
    for (; from < requests.size(); ++from) {
        const Request &r = requests[from];
        uint32_t value = (uint32_t)r.value;
        if (RequestMatches(pattern, (uint32_t)r.op, (uint32_t)r.dataKind, (uint32_t)r.item, r.hasValue ? &value : nullptr))
            break;
    }
    return from;
}

/* Whether the command states seen ("+-+-+", as EXPECT_COMMANDS) are those the step wants. */
bool CommandsMatch(const std::string &wanted, const std::string &states);
/* Whether the phone book's lines, without their CR LF, meet an EXPECT_PHONE_BOOK or
   EXPECT_NO_PHONE_BOOK step. */
bool PhoneBookShows(const ScenarioStep &step, const std::vector<std::string> &lines);
/* Whether a line of the incoming-call log file, without its CR LF, is the call and outcome an
   EXPECT_LOG step names. */
bool LogLineMatches(const ScenarioStep &step, const std::string &line);

/* The modem field names a "modem" step accepts, for messages. */
extern const char kModemFields[];

#endif
