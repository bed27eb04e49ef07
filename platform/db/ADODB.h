#pragma once
// The ADO-style database classes in one include.
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/DBErrors.h"
