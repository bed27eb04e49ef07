#pragma once
// The syntax provider component: the dialect as an application places it on
// a form. It owns one tree-level provider, which a subclass creates, forwards
// the dialect questions to it, turns parse failures of criteria and select
// items into an error text, answers aggregate-name questions, keeps the list
// of query builder controls that use it, and names the dialect's property
// dialogs.

#include <string>
#include <vector>

#include "platform/core/Classes.h"

class TastSyntaxProvider;
class TSQLDatabaseObject;
class TSQLExpressionItem;
class TSQLFromObject;
class TSQLObjectColumn;
class TSQLSelectItem;
class TSQLSelectStatement;
class TvnQueryBuilderControlOwner;
class TvnQueryBuilderLink;

class TvnBaseSyntaxProvider : public TComponent {
  VN_CLASS(TvnBaseSyntaxProvider, TComponent)
 public:
  using TComponent::TComponent;

  // Creates ASTSyntaxProvider through CreateASTSyntaxProvider.
  void AfterConstruction() override;
  // Frees the tree-level provider once the component-removal notices have
  // been delivered, so a connected control can still free the trees it built
  // with it when it learns that the component goes away. The registered
  // controls are not called.
  ~TvnBaseSyntaxProvider() override;

  // The tree-level provider, owned; nodes for this dialect are created for it.
  TastSyntaxProvider* ASTSyntaxProvider = nullptr;
  // The connected query builder controls, not owned, in registration order.
  std::vector<TvnQueryBuilderLink*> QueryBuilders;

  virtual TastSyntaxProvider* CreateASTSyntaxProvider() = 0;
  virtual std::string GetQuoteBegin();
  virtual std::string GetQuoteEnd();
  // The condition, or null with the parse error's message as the only line
  // of Errors. Errors of other kinds pass through.
  virtual TSQLExpressionItem* ParseLogicalExpression(const std::string& Text, TStrings* Errors,
                                                     bool RequireLeftOperand);
  // The form class of the modal dialog that edits Owner's properties, or
  // null when the dialect offers none.
  virtual TClass GetEditPropsFormClass(TvnQueryBuilderControlOwner* Owner);

  // Forwarded to ASTSyntaxProvider. The three parse operations raise
  // EvnSQLError on failure; the caller owns what they return.
  TSQLFromObject* CreateSQLFromObject(const std::string& ObjectName, const std::string& Alias);
  void GetComparisonOperators(TStringList* List);
  void GetStarAggregateNames(TStringList* List);
  void Get1ParamAggregateNames(TStringList* List);
  void GetPrefixed1ParamAggregateNames(TStringList* List);
  bool IsDBObjectNamesEqual(TSQLDatabaseObject* Object1, TSQLDatabaseObject* Object2);
  bool IsColumnOfDBObject(TSQLObjectColumn* Column, TSQLDatabaseObject* Object);
  TSQLSelectStatement* ParseSelect(const std::string& Text);
  TSQLDatabaseObject* ParseObjectName(const std::string& Text);
  TSQLExpressionItem* ParseExpression(const std::string& Text, TStringList* Errors);

  // The select item, or null with the parse error's message as the only
  // line of Errors.
  TSQLSelectItem* ParseSelectItem(const std::string& Text, TStrings* Errors);

  // Is Name, upper-cased but not trimmed, one of the dialect's aggregates
  // that accept "*", take one argument, or take one argument with an
  // ALL/DISTINCT prefix.
  bool IsNameOfStarAggregate(const std::string& Name);
  bool IsNameOfAggregate(const std::string& Name);
  bool IsNameOfPrefixedAggregate(const std::string& Name);
  // Name trimmed and written as the dialect's aggregate lists write it
  // (star list first, then the one-argument and the prefixed lists); a name
  // in no list comes back trimmed and upper-cased.
  std::string AggregateNormalize(const std::string& Name);

  // No duplicate check: a control registered twice is listed twice.
  void RegisterQueryBuilder(TvnQueryBuilderLink* QueryBuilder);
  // Removes the first occurrence, if any.
  void UnregisterQueryBuilder(TvnQueryBuilderLink* QueryBuilder);
  // Asks every registered control, in order, to re-read the capability flags.
  void SendCapsChangedNotifications();
};
