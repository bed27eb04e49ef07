#pragma once
// The component an application places to use the SQL-92 dialect.

#include "dialects/BaseSyntaxProviderComponent.h"

class TvnSQL92SyntaxProvider : public TvnBaseSyntaxProvider {
  VN_CLASS(TvnSQL92SyntaxProvider, TvnBaseSyntaxProvider)
 public:
  using TvnBaseSyntaxProvider::TvnBaseSyntaxProvider;

  // A new TastSQL92SyntaxProvider.
  TastSyntaxProvider* CreateASTSyntaxProvider() override;
};
