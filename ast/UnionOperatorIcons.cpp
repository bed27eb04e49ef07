#include "ast/UnionOperatorIcons.h"

#include <array>
#include <memory>

namespace {

const std::array<const char*, 6> IconNames = {"VNQB_UNION",     "VNQB_UNIONALL",  "VNQB_EXCEPT",
                                              "VNQB_EXCEPTALL", "VNQB_INTERSECT", "VNQB_INTERSECTALL"};

// The icon that stands in until the GUI library supplies pictures.
class TNamedUnionOperatorBitmap : public TUnionOperatorBitmap {
 public:
  explicit TNamedUnionOperatorBitmap(std::string AName) : Name(std::move(AName)) {}
  const std::string& GetResourceName() const override { return Name; }

 private:
  std::string Name;
};

TUnionOperatorBitmap* MakeNamedBitmap(const std::string& ResourceName) {
  return new TNamedUnionOperatorBitmap(ResourceName);
}

std::array<std::unique_ptr<TUnionOperatorBitmap>, 6>& Icons() {
  static std::array<std::unique_ptr<TUnionOperatorBitmap>, 6> icons = [] {
    std::array<std::unique_ptr<TUnionOperatorBitmap>, 6> made;
    for (std::size_t i = 0; i < IconNames.size(); ++i) made[i].reset(MakeNamedBitmap(IconNames[i]));
    return made;
  }();
  return icons;
}

}  // namespace

void SetUnionOperatorBitmapFactory(TUnionOperatorBitmapFactory Factory) {
  if (!Factory) Factory = MakeNamedBitmap;
  for (std::size_t i = 0; i < IconNames.size(); ++i) Icons()[i].reset(Factory(IconNames[i]));
}

const TUnionOperatorBitmap* FindUnionOperatorBitmap(const std::string& ResourceName) {
  for (std::size_t i = 0; i < IconNames.size(); ++i)
    if (ResourceName == IconNames[i]) return Icons()[i].get();
  return nullptr;
}
