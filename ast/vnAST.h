#pragma once
// The syntax tree unit: nodes, text builders and the syntax provider base.

#include "ast/CopiedReferences.h"
#include "ast/Expressions.h"
#include "ast/FromSourceScope.h"
#include "ast/IdentifierQuoting.h"
#include "ast/JoinKindRef.h"
#include "ast/LogicalExpressionUtils.h"
#include "ast/Names.h"
#include "ast/Node.h"
#include "ast/NodeClass.h"
#include "ast/SQLBuilder.h"
#include "ast/SimpleText.h"
#include "ast/Statements.h"
#include "ast/SyntaxProvider.h"
#include "ast/UnionOperatorIcons.h"
