#pragma once
// Keeping copied trees free of references into the trees they came from.

class TastNode;

// Moves the FROM-source references of Copy, a fresh copy of Original, to the
// copy's own sources. When Copy is a statement (or another union member) it
// must stand alone, and references that leave it are settled as by
// BindReferencesWithin; copies of smaller pieces keep such references, since
// they are used inside the tree they came from.
void RebindCopiedReferences(TastNode* Original, TastNode* Copy);

// Makes Root independent of other trees: every reference from a name in Root
// to a FROM source outside Root moves to the source inside Root that carries
// the same non-null Data (the model object both show), or is dropped when
// there is none, so the name prints as written. The query model uses this
// for trees it builds from its templates.
void BindReferencesWithin(TastNode* Root);
