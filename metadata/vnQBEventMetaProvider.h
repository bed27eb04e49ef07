#pragma once
// Unit header: the event-driven metadata provider.
#include "metadata/EventMetadataProvider.h"
