#pragma once
#include <string>

namespace vn {
// The library's version, as set by the build.
std::string LibraryVersion();
}
