#pragma once
// One line describing a syntax tree node: its class name and its own scalar
// fields in name=value form (names, operator texts, flags, union operators,
// quantifiers, sizes). Sub-nodes are not described.

#include <string>

class TastExtender;

std::string DescribeNode(TastExtender* node);
