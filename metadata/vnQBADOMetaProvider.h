#pragma once
// Unit header: the metadata provider over an ADO-style connection.
#include "metadata/ADOMetadataProvider.h"
