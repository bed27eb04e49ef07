// vnqb: SQL in, SQL out. Dispatches to the commands of the table below.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "apps/vnqb/Command.h"
#include "apps/vnqb/CommandSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Version.h"

namespace {

const VnqbCommand* const kCommands[] = {
    &FormatCommand,
    &TreeCommand,
    &TokensCommand,
    &MetaCommand,
};

int Usage(const char* message) {
  if (message != nullptr) std::fprintf(stderr, "vnqb: %s\n", message);
  std::fprintf(stderr, "usage: vnqb --version\n");
  for (const VnqbCommand* command : kCommands) std::fprintf(stderr, "       %s", command->Usage);
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("vnqb %s\n", vn::LibraryVersion().c_str());
    return kExitOk;
  }
  if (argc < 2) return Usage(nullptr);
  for (const VnqbCommand* command : kCommands) {
    if (std::strcmp(argv[1], command->Name) != 0) continue;
    try {
      return command->Run(std::vector<std::string>(argv + 2, argv + argc));
    } catch (const UsageError& error) {
      std::fprintf(stderr, "vnqb %s: %s\nusage: %s", command->Name, error.Message.c_str(), command->Usage);
      return kExitUsage;
    } catch (const Exception& error) {
      std::fprintf(stderr, "vnqb %s: %s\n", command->Name, error.Message().c_str());
      return kExitFailure;
    }
  }
  return Usage(("unknown command '" + std::string(argv[1]) + "'").c_str());
}
