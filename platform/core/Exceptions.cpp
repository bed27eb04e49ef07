#include "platform/core/Exceptions.h"

void Abort() { throw EAbort(); }
