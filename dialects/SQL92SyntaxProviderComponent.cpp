#include "dialects/SQL92SyntaxProviderComponent.h"

#include "dialects/SQL92SyntaxProvider.h"

TastSyntaxProvider* TvnSQL92SyntaxProvider::CreateASTSyntaxProvider() { return TastSQL92SyntaxProvider::Create(); }
