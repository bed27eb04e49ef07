#include "platform/core/Persistent.h"

#include "platform/core/Strings.h"

void TPersistent::Assign(const TPersistent* source) {
    if (!source) AssignError(nullptr);
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) const { dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const {
    const std::string sourceName = source ? source->ClassName() : std::string("nil");
    throw EConvertError(Format("Cannot assign a %s to a %s", sourceName, ClassName()));
}
