#pragma once
// Class descriptors of syntax tree classes. Node and extender classes form
// one class-reference family whose virtual constructor takes the syntax
// provider; VNAST_NODE declares a class of that family and inherits its
// parent's constructors.

#include "platform/core/Object.h"

class TastExtender;
class TastSyntaxProvider;

// Declares the class reference of a syntax tree class (child of TParent) and
// takes over the parent's constructors. Leaves the body in public access.
#define VNAST_NODE(TSelf, TParent) \
  VN_CLASS(TSelf, TParent)         \
 public:                           \
  using TParent::TParent;

// Creates an instance of the node or extender class Class for SyntaxProvider
// (the virtual constructor Create(SyntaxProvider)). Raises EInvalidCast when
// Class is no syntax tree class and EAbstractError when it is abstract.
TastExtender* CreateNodeOfClass(const ClassRef* Class, TastSyntaxProvider* SyntaxProvider);
