#pragma once
// The BDE-style database classes in one include.
#include "platform/db/DBErrors.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Session.h"
#include "platform/db/TableList.h"
