#pragma once
// The scanner framework: tokens, the text buffer, character sets and the
// abstract scanner.

#include "parser/BaseScanner.h"
#include "parser/Buffer.h"
#include "parser/CharSet.h"
#include "parser/Token.h"
