#pragma once
// The commands of the vnqb tool. Each command lives in a file of its own and
// is listed in the command table of main.cpp.

#include <string>
#include <vector>

struct VnqbCommand {
  const char* Name;
  // One or more usage lines, each ending in a line break.
  const char* Usage;
  // Runs the command with the arguments after its name; returns the exit
  // status (0 success, 1 failure such as a syntax error, 2 usage error).
  int (*Run)(const std::vector<std::string>& args);
};

extern const VnqbCommand FormatCommand;
extern const VnqbCommand TreeCommand;
extern const VnqbCommand TokensCommand;
extern const VnqbCommand MetaCommand;
