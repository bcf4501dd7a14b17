/* The words and values of scenario lines, shared by the step and expectation parsers. Each
   parser of a value returns false and says what it expected in problem. */
#ifndef SCENARIO_WORDS_H
#define SCENARIO_WORDS_H

#include <stdint.h>

#include <string>

#include "scenario.h"

std::string Trim(const std::string &text);
/* Takes the first word off rest. */
std::string NextWord(std::string *rest);
bool SameNoCase(const std::string &left, const char *right);
std::string Quoted(const std::string &text);
/* A text that runs to the end of the line; double quotes around it keep its spaces. */
std::string LineText(const std::string &rest);
bool NothingMore(const std::string &rest, std::string *problem);

/* A decimal number from -2^31 to 2^32 - 1. */
bool ParseNumber(const std::string &word, int64_t *number);
bool ParseInteger(const std::string &word, const char *what, int64_t *value, std::string *problem);
/* Seconds with at most three decimals, as milliseconds, at most one day. */
bool ParseSeconds(const std::string &word, int64_t *milliseconds);
/* The index of word among choices. */
bool ParseChoice(const std::string &word, const char *const *choices, int count, int64_t *value, std::string *problem);
bool ParseNumberAndName(std::string rest, std::string *number, std::string *name, std::string *problem);

/* Values of the host contract by name (with or without the name's prefix) or number. */
bool ParseDiag(const std::string &word, int64_t *value, std::string *problem);
bool ParseState(const std::string &word, int64_t *value, std::string *problem);
bool ParseResponse(const std::string &word, int64_t *value, std::string *problem);
bool ParseFamily(const std::string &word, int64_t *value, std::string *problem);
bool ParseModulation(const std::string &word, int64_t *value, std::string *problem);
bool ParseMethod(const std::string &word, int64_t *value, std::string *problem);

/* The rest of an "expect" line. */
bool ParseExpect(std::string rest, ScenarioStep *step, std::string *problem);

#endif
