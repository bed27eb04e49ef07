#pragma once
// Named resources embedded in the libraries (bitmaps and other binary data).
// A module registers its resources once, at start-up; lookups ignore case, as
// resource names do on the platform the library comes from.
#include <cstddef>
#include <string>

struct TResourceData {
    const unsigned char* Data = nullptr;
    size_t Size = 0;
};

// Registers (or replaces) a resource; the bytes must outlive the process.
void RegisterResource(const std::string& name, const unsigned char* data, size_t size);
// The resource of that name, or an empty record.
TResourceData FindResource(const std::string& name);
