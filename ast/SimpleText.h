#pragma once
// The process-wide single-line text builder behind GetSimpleSQL and the other
// single-line operations: one in-memory stream with one plain-text builder
// over it. Not re-entrant: no node may ask for a simple text while it is
// being printed through this builder.

#include <string>

class TastNode;
class TSQLBuilderPlainText;

// The shared builder, reset and ready for one single-line print.
TSQLBuilderPlainText* ResetSimpleTextBuilder();
// The whole text written into the shared builder since its reset.
std::string SimpleTextBuilderContent();
