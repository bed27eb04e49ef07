#pragma once
// The SQL-92 dialect object a command parses with, freed at scope end.

#include "dialects/SQL92SyntaxProvider.h"

class SQL92Session {
 public:
  SQL92Session() : provider_(New<TastSQL92SyntaxProvider>()) {}
  ~SQL92Session() { provider_->Free(); }
  SQL92Session(const SQL92Session&) = delete;
  SQL92Session& operator=(const SQL92Session&) = delete;

  TastSyntaxProvider* Provider() const { return provider_; }

 private:
  TastSQL92SyntaxProvider* provider_;
};
