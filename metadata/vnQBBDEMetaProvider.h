#pragma once
// Unit header: the metadata provider over a BDE-style database.
#include "metadata/BDEMetadataProvider.h"
