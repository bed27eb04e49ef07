#pragma once
// The names of the GUI enumerations as form files write them, and the colour
// identifiers (registered with the form-file reader and writer at start-up).
#include "platform/core/TypInfo.h"

extern const TEnumInfo AlignInfo;
extern const TEnumInfo AnchorKindInfo;
extern const TEnumInfo FontStyleInfo;
extern const TEnumInfo BorderStyleInfo;
extern const TEnumInfo BevelCutInfo;
extern const TEnumInfo TabStyleInfo;
extern const TEnumInfo PositionInfo;
extern const TEnumInfo ViewStyleInfo;
extern const TEnumInfo AlignmentInfo;
