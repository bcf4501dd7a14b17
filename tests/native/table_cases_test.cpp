/* Cases kept as data: each line of tests/native/cases/ names a function, its arguments and
   the result, separated by " | ", in the texts of case_text.h. A result of several parts joins
   them with "|". */
#include <gtest/gtest.h>

#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "call_log_record.h"
#include "caller_id.h"
#include "case_text.h"
#include "countdown_text.h"
#include "host_options.h"
#include "language_table.h"
#include "list_rows.h"
#include "list_text.h"
#include "scenario.h"

namespace {

typedef std::vector<std::string> Args;

std::string Joined(const Args &parts)
{
    std::string joined;
    for (size_t i = 0; i < parts.size(); ++i)
        joined += (i ? "|" : "") + parts[i];
    return joined;
}

/* The block exactly as read from a file: no terminator after the last byte. */
std::vector<char> Block(const std::string &text)
{
    return std::vector<char>(text.begin(), text.end());
}

std::string Lines(const Args &a)
{
    std::vector<char> block = Block(a[0]), line(a.size() > 1 ? atoi(a[1].c_str()) : LIST_LINE_SIZE);
    Args lines;
    ListScan scan;
    BeginListScan(&scan, block.data(), block.size());
    while (NextListLine(&scan, line.data(), line.size()))
        lines.push_back(std::string(line.data(), strnlen(line.data(), line.size())));
    return std::to_string(lines.size()) + ":" + Joined(lines);
}

/* The phone book's name for the number, or "-", into a name buffer of a line or the size given. */
std::string Lookup(const Args &a)
{
    std::vector<char> block = Block(a[0]), name(a.size() > 2 ? atoi(a[2].c_str()) : LIST_LINE_SIZE, '\0');
    name[0] = '-';
    int found = FindPhoneBookName(block.data(), block.size(), a[1].c_str(), name.data(), name.size());
    return found == (strcmp(name.data(), "-") != 0) ? name.data() : "found but no name";
}

/* The fields of a line of that many, "(null)" for a missing one, and "cut" when not all is shown. */
std::string Split(const Args &a)
{
    int count = atoi(a[1].c_str());
    ListEntry entry = {};
    SplitListLine(a[0].data(), a[0].size(), count, &entry);
    Args fields;
    for (int slot = 0; slot < count; ++slot) {
        char text[LIST_FIELD_SIZE];
        fields.push_back(CopyEntryField(a[0].data(), &entry, slot, text) ? text : "(null)");
    }
    return Joined(fields) + ((entry.marks & ENTRY_CUT) ? " cut" : "");
}

/* Name|number parsed from exactly the bytes given, into the engine's sizes or those given; the
   byte after each output shows through as "x" when the output ends unterminated. */
std::string CallerId(const Args &a)
{
    size_t nameSize = a.size() > 1 ? atoi(a[1].c_str()) : 256, numberSize = a.size() > 2 ? atoi(a[2].c_str()) : 64;
    std::vector<char> text = Block(a[0]), name(nameSize + 1, 'x'), number(numberSize + 1, 'x');
    ParseCallerId(text.data(), text.size(), name.data(), nameSize, number.data(), numberSize);
    return std::string(name.data(), strnlen(name.data(), nameSize + 1)) + "|" +
           std::string(number.data(), strnlen(number.data(), numberSize + 1));
}

/* A phone-book line of name and number written into a buffer of that size. */
std::string BookLine(const Args &a)
{
    std::vector<char> line(atoi(a[2].c_str()), 'x');
    size_t length = FormatPhoneBookLine(line.data(), line.size(), a[0].c_str(), a[1].c_str());
    return length == strlen(line.data()) ? line.data() : "wrong length";
}

/* The log record of name, number and outcome at 2024-03-09 07:05:30, in a buffer of 1024 bytes or
   the size given. */
std::string LogRecord(const Args &a)
{
    const CallTime time = {2024, 3, 9, 7, 5, 30};
    std::vector<char> record(a.size() > 3 ? atoi(a[3].c_str()) : 1024, 'x');
    size_t length = ComposeCallLogRecord(record.data(), record.size(), a[0].c_str(), a[1].c_str(), &time, atoi(a[2].c_str()));
    return length == strlen(record.data()) ? record.data() : "wrong length";
}

/* A record's outcome, then the record after setting another. */
std::string Outcome(const Args &a)
{
    std::string record = a[0];
    int before = CallLogOutcome(record.c_str());
    SetCallLogOutcome(&record[0], atoi(a[1].c_str()));
    return std::to_string(before) + "|" + record;
}

/* The text a save writes of a list file opened with that many fields, sorted by that column. */
std::string SavedRows(const Args &a)
{
    ListRows rows;
    char *block = (char *)malloc(a[0].size());
    memcpy(block, a[0].data(), a[0].size());
    OpenListRows(&rows, atoi(a[1].c_str()), atoi(a[2].c_str()), block, a[0].size());
    std::string saved = FormatListRows(&rows);
    CloseListRows(&rows);
    return saved;
}

/* The error for a scenario file, empty when it parsed. */
std::string ParseText(const std::string &text, Scenario *scenario)
{
    std::string error;
    ParseScenario("s.txt", text, scenario, &error);
    return error;
}

/* A scenario line as the second line of a file after a comment: "kind value value2 text|text2",
   or the error. */
std::string ScenarioLine(const Args &a)
{
    Scenario scenario;
    std::string error = ParseText("# comment\r\n  " + a[0] + "  \r\n", &scenario);
    const ScenarioStep &step = scenario.steps.empty() ? ScenarioStep() : scenario.steps[0];
    if (!error.empty() || step.line != 2 || step.source != a[0])
        return "error or wrong line: " + error;
    return std::to_string(step.kind) + " " + std::to_string(step.value) + " " + std::to_string(step.value2) + " " +
           step.text + "|" + step.text2;
}

/* Whether the request "op kind item [value]" matches the pattern. */
std::string Request(const Args &a)
{
    Scenario scenario;
    std::string error = ParseText("expect request " + a[0], &scenario);
    uint32_t op, kind, item, value;
    int values = sscanf(a[1].c_str(), "%u %u %u %u", &op, &kind, &item, &value);
    if (!error.empty())
        return error;
    bool matches = RequestMatches(scenario.steps[0].request, op, kind, item, values == 4 ? &value : nullptr);
    return matches ? "match" : "no match";
}

/* The error for the line after a first event. */
std::string AfterAnEvent(const std::string &line)
{
    Scenario scenario;
    return ParseText("wait 1\n" + line + "\n", &scenario);
}

/* The options of a command line of words, or the error. */
std::string HostCommandLine(const Args &a)
{
    std::istringstream line(a[0]);
    std::vector<std::string> words = {"mohhost"};
    for (std::string word; line >> word;)
        words.push_back(word == "''" ? "" : word);
    std::vector<const char *> args;
    for (const std::string &word : words)
        args.push_back(word.c_str());
    HostOptions o;
    std::string error;
    if (!ParseHostOptions((int)args.size(), args.data(), &o, &error))
        return error;
    char speed[16];
    snprintf(speed, sizeof speed, "%g", o.speed);
    return "'" + o.scenarioFile + "' speed " + speed + (o.ownLoop ? " own" : " host") +
           (o.freshProductFolder ? " fresh" : " kept") + (o.screenshotDir.empty() ? "" : " shots ") + o.screenshotDir +
           (o.logFile.empty() ? "" : " log ") + o.logFile + (o.traceDir.empty() ? "" : " trace ") + o.traceDir;
}

const std::map<std::string, std::function<std::string(const Args &)>> kFunctions = {
    {"digits", [](const Args &a) {
         char out[8];
         size_t length = KeepDigits(a[0].c_str(), out, sizeof out);
         return length == strlen(out) ? std::string(out) : "wrong length";
     }},
    {"trim", [](const Args &a) {
         std::string text = a[0];
         TrimTrailingControls(&text[0]);
         return std::string(text.c_str());
     }},
    {"countdown", [](const Args &a) {
         char text[COUNTDOWN_TEXT_SIZE];
         FormatCountdown(text, sizeof text, atoi(a[0].c_str()));
         return std::string(text);
     }},
    {"language", [](const Args &a) {   /* primary and sublanguage; a lone primary: the same for every sublanguage */
         std::string codes;
         for (int sub = a.size() > 1 ? atoi(a[1].c_str()) : 0; sub < 64; sub += a.size() > 1 ? 64 : 7) {
             const char *code = LanguageFolderCode((unsigned short)((sub << 10) | atoi(a[0].c_str())));
             codes = codes.empty() || codes == (code ? code : "(none)") ? (code ? code : "(none)") : "varies";
         }
         return codes;
     }},
    {"lines", Lines}, {"lookup", Lookup}, {"split", Split}, {"caller-id", CallerId}, {"scenario", ScenarioLine},
    {"marker", [](const Args &a) { return std::to_string(CallerIdMarker(a[0].c_str())); }}, {"book-line", BookLine},
    {"log-record", LogRecord}, {"outcome", Outcome}, {"saved-rows", SavedRows},
    {"field-outcome", [](const Args &a) { return std::to_string(OutcomeFromField(a[0].c_str())); }},
    {"request", Request}, {"host", HostCommandLine}, {"error", [](const Args &a) { return AfterAnEvent(a[0]); }},
    {"refused", [](const Args &a) {   /* saying where, and more than that */
         std::string error = AfterAnEvent(a[0]);
         return error.find("s.txt:2: ") == 0 && error.size() > 20 ? "refused" : error;
     }},
};

std::vector<std::string> CaseFiles()
{
    std::vector<std::string> files;
    std::string folder = std::string(MOH_SOURCE_DIR) + "/tests/native/cases";
    if (DIR *dir = opendir(folder.c_str())) {
        while (dirent *entry = readdir(dir))
            if (strstr(entry->d_name, ".txt"))
                files.push_back(folder + "/" + entry->d_name);
        closedir(dir);
    }
    return files;
}

TEST(TableCases, EachLineGivesItsResult)
{
    std::vector<std::string> files = CaseFiles();
    ASSERT_FALSE(files.empty());
    for (const std::string &file : files) {
        std::ifstream in(file);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (line.empty() || line[0] == '#')
                continue;
            SCOPED_TRACE(file + ":" + std::to_string(number) + ": " + line);
            Args fields;
            for (size_t start = 0, end; start <= line.size(); start = end + 3) {
                end = std::min(line.find(" | ", start), line.size());
                fields.push_back(Unescape(line.substr(start, end - start)));
            }
            ASSERT_GE(fields.size(), 3u);
            ASSERT_EQ(1u, kFunctions.count(fields[0]));
            std::string expected = fields.back();
            EXPECT_EQ(expected, kFunctions.at(fields[0])(Args(fields.begin() + 1, fields.end() - 1)));
        }
    }
}

}  // namespace
