#include "platform/ui/Resources.h"

#include <map>

#include "platform/core/Strings.h"

namespace {

std::map<std::string, TResourceData>& Registry()
{
    static std::map<std::string, TResourceData> registry;
    return registry;
}

} // namespace

void RegisterResource(const std::string& name, const unsigned char* data, size_t size)
{
    Registry()[UpperCase(name)] = TResourceData{data, size};
}

TResourceData FindResource(const std::string& name)
{
    const auto it = Registry().find(UpperCase(name));
    return it == Registry().end() ? TResourceData{} : it->second;
}
