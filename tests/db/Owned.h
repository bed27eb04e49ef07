#pragma once
// Holds a class-library object for the length of a test and frees it with Free().
#include <memory>

#include "platform/core/Classes.h"

struct FreeObject {
    void operator()(TObject* object) const { object->Free(); }
};

template <class T>
using Owned = std::unique_ptr<T, FreeObject>;
