#include "platform/core/Version.h"

namespace vn {
std::string LibraryVersion() { return VNQB_VERSION; }
}
