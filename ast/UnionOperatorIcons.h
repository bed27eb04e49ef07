#pragma once
// The six shared union-operator icons ("VNQB_UNION" ... "VNQB_INTERSECTALL").
// The syntax tree knows them only by resource name; the GUI library installs
// a factory that turns a resource name into a drawable bitmap. Until one is
// installed, each icon is a stand-in that carries just its name.

#include <string>

class TUnionOperatorBitmap {
 public:
  virtual ~TUnionOperatorBitmap() = default;
  virtual const std::string& GetResourceName() const = 0;
};

using TUnionOperatorBitmapFactory = TUnionOperatorBitmap* (*)(const std::string& ResourceName);

// Replaces the six shared icons by ones made with Factory (null: the name-only
// stand-ins). The icons belong to the library, never to a caller.
void SetUnionOperatorBitmapFactory(TUnionOperatorBitmapFactory Factory);

// The shared icon of a resource name, or null for an unknown name.
const TUnionOperatorBitmap* FindUnionOperatorBitmap(const std::string& ResourceName);
