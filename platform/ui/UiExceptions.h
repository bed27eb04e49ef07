#pragma once
// Exceptions raised by the GUI layer.
#include "platform/core/Exceptions.h"

// A picture could not be read: the bytes are not in a known format.
class EInvalidGraphic : public Exception { public: using Exception::Exception; };
// A named resource does not exist.
class EResNotFound : public Exception { public: using Exception::Exception; };
