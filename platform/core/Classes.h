#pragma once
// The platform core in one include: objects and class references, persistent
// objects and components, lists, string lists, streams, exceptions, string
// routines, sets, variants, published properties and form files.
#include "platform/core/AbstractStrings.h"
#include "platform/core/ClassRef.h"
#include "platform/core/Component.h"
#include "platform/core/Events.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormReader.h"
#include "platform/core/FormTextParser.h"
#include "platform/core/FormWriter.h"
#include "platform/core/Lists.h"
#include "platform/core/Object.h"
#include "platform/core/Persistent.h"
#include "platform/core/Set.h"
#include "platform/core/StringList.h"
#include "platform/core/Streams.h"
#include "platform/core/Strings.h"
#include "platform/core/TypInfo.h"
#include "platform/core/Variant.h"
