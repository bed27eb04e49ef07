#pragma once
// What a syntax provider component needs of a query builder control that is
// connected to it. The control implements this interface and registers
// itself with the component it uses.

class TvnQueryBuilderLink {
 public:
  // Re-reads the dialect's capability flags (views, unions, brackets in
  // unions, derived tables, and the same inside sub-queries).
  virtual void ReadSyntaxProviderCaps() = 0;

 protected:
  ~TvnQueryBuilderLink() = default;
};
