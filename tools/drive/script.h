#pragma once
// Script steps: one line of a script, or one --do, names one action on the view. A whole
// script is parsed before any step runs, so a bad step stops the run before it prints
// anything.
//
// A step is a verb and its words. To add one, add a verb to the table in script.cpp with a
// parser that checks the words and returns the action.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace drive {

class Session;
class JsonObject;

// A step that cannot run: unknown, or a value it cannot take. The message names the step.
struct StepError {
  std::string message;
};

struct Step {
  std::string text;  // as written
  // Performs the step. Fields it adds to `answer` are printed with the state after it.
  std::function<void(Session& session, JsonObject& answer)> run;
};

Step ParseStep(std::string_view text);

// Steps of a script file's contents: one per line; blank lines and lines beginning with '#'
// are skipped. Errors also give `origin` and the line number.
std::vector<Step> ParseScript(std::string_view script, std::string_view origin);

// The step forms, one per line, for the usage message.
std::string StepHelp();

}  // namespace drive
