#include <cstdio>
#include <cstring>

#include "platform/core/Version.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("vnqb %s\n", vn::LibraryVersion().c_str());
    return 0;
  }
  std::fprintf(stderr, "usage: vnqb --version\n");
  return 2;
}
