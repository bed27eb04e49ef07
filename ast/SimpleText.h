#pragma once
// The process-wide single-line text builder behind GetSimpleSQL and the other
// single-line operations: one in-memory stream with one plain-text builder
// over it. A request made while that builder is printing (a node that asks
// for a single-line text while it is printed) gets a builder of its own, so
// the outer text is never disturbed.

#include <functional>
#include <string>

class TSQLBuilder;

// Resets the shared builder, lets Print write into it on one line, and
// returns everything written.
std::string SimpleText(const std::function<void(TSQLBuilder* Builder)>& Print);
