#include "parser/GrammarElement.h"

#include <stdexcept>

TvnGrammar::~TvnGrammar() {
  for (TvnGrammarElement* element : elements_) delete element;
}

TvnGrammarElement* TvnGrammar::New(TvnElementKind kind) {
  elements_.push_back(new TvnGrammarElement);
  elements_.back()->Kind = kind;
  return elements_.back();
}

TvnGrammar::E TvnGrammar::Terminal(int32_t kind, TvnElementFlag flags) {
  TvnGrammarElement* e = New(TvnElementKind::Terminal);
  e->Value = kind;
  e->Flags = flags;
  return e;
}

TvnGrammar::E TvnGrammar::Rule(int32_t rule) {
  TvnGrammarElement* e = New(TvnElementKind::Rule);
  e->Value = rule;
  return e;
}

TvnGrammar::E TvnGrammar::Seq(std::vector<E> items) {
  TvnGrammarElement* e = New(TvnElementKind::Sequence);
  e->Items = std::move(items);
  return e;
}

TvnGrammar::E TvnGrammar::Opt(E body) {
  TvnGrammarElement* e = New(TvnElementKind::Option);
  e->Items = {body};
  return e;
}

TvnGrammar::E TvnGrammar::Opt(E body, const TvnTokenSet& skipFollow) {
  TvnGrammarElement* e = New(TvnElementKind::Option);
  e->Items = {body};
  e->Flags = efFollowTest;
  e->Follow = skipFollow;
  return e;
}

TvnGrammar::E TvnGrammar::OptBeforeRule(E body, int32_t followingRule) {
  TvnGrammarElement* e = New(TvnElementKind::Option);
  e->Items = {body};
  e->Flags = efFollowTest;
  e->FollowRule = followingRule;
  return e;
}

TvnGrammar::E TvnGrammar::Iter(E body, TvnElementFlag flags) {
  TvnGrammarElement* e = New(TvnElementKind::Iteration);
  e->Items = {body};
  e->Flags = flags;
  return e;
}

TvnGrammar::E TvnGrammar::Iter(E body, const TvnTokenSet& stopFollow, TvnElementFlag flags) {
  TvnGrammarElement* e = New(TvnElementKind::Iteration);
  e->Items = {body};
  e->Flags = static_cast<uint8_t>(flags | efFollowTest);
  e->Follow = stopFollow;
  return e;
}

TvnGrammar::E TvnGrammar::Alt(std::vector<E> alternatives) {
  TvnGrammarElement* e = New(TvnElementKind::Alternatives);
  e->Items = std::move(alternatives);
  return e;
}

TvnGrammar::E TvnGrammar::Empty(const TvnTokenSet& follow, TvnElementFlag flags) {
  TvnGrammarElement* e = New(TvnElementKind::Empty);
  e->Flags = static_cast<uint8_t>(flags | efFollowTest);
  e->Follow = follow;
  return e;
}

TvnGrammar::E TvnGrammar::Nest(E body) {
  TvnGrammarElement* e = New(TvnElementKind::Nesting);
  e->Items = {body};
  return e;
}

void TvnGrammar::Define(int32_t rule, const std::string& name, E body) {
  if (rule >= RuleCount()) {
    rules_.resize(rule + 1, nullptr);
    names_.resize(rule + 1);
  }
  rules_[rule] = body;
  names_[rule] = name;
}

// One step of the fixpoint: recomputes FIRST and nullability of an element
// from its items; true when something changed.
bool TvnGrammar::Update(TvnGrammarElement* e) {
  TvnTokenSet first = e->First;
  bool nullable = false;
  switch (e->Kind) {
    case TvnElementKind::Terminal:
      first.Include(e->Value);
      break;
    case TvnElementKind::Rule:
      first.Unite(rules_[e->Value]->First);
      nullable = rules_[e->Value]->Nullable;
      break;
    case TvnElementKind::Sequence:
      nullable = true;
      for (E item : e->Items) {
        first.Unite(item->First);
        if (!item->Nullable) {
          nullable = false;
          break;
        }
      }
      break;
    case TvnElementKind::Option:
    case TvnElementKind::Iteration:
      first.Unite(e->Items[0]->First);
      nullable = true;
      break;
    case TvnElementKind::Alternatives:
      for (E item : e->Items) {
        first.Unite(item->First);
        nullable = nullable || item->Nullable;
      }
      break;
    case TvnElementKind::Empty:
      nullable = true;
      break;
    case TvnElementKind::Nesting:
      first.Unite(e->Items[0]->First);
      nullable = e->Items[0]->Nullable;
      break;
  }
  bool changed = !(first == e->First) || nullable != e->Nullable;
  e->First = first;
  e->Nullable = nullable;
  return changed;
}

void TvnGrammar::Complete() {
  for (int32_t rule = 0; rule < RuleCount(); ++rule)
    if (rules_[rule] == nullptr) throw std::logic_error("grammar rule " + std::to_string(rule) + " is undefined");
  for (bool changed = true; changed;) {
    changed = false;
    for (TvnGrammarElement* e : elements_) changed = Update(e) || changed;
  }
  for (TvnGrammarElement* e : elements_) {
    if (e->FollowRule >= 0) e->Follow.Unite(rules_[e->FollowRule]->First);
    if (e->Kind != TvnElementKind::Alternatives) continue;
    // The way calculation keeps sets of alternative numbers as token sets.
    if (e->Items.size() > charSetSize) throw std::logic_error("grammar: more than 256 alternatives");
    e->AlternativesBefore.assign(256, {});
    for (size_t i = 0; i < e->Items.size(); ++i)
      for (int kind = 0; kind < 256; ++kind)
        if (e->Items[i]->Kind == TvnElementKind::Empty || e->Items[i]->First.Contains(kind))
          e->AlternativesBefore[kind].push_back(static_cast<uint16_t>(i));
    e->SoleAlternativeBefore.assign(256, vnSeveralAlternatives);
    for (int kind = 0; kind < 256; ++kind) {
      const std::vector<uint16_t>& candidates = e->AlternativesBefore[kind];
      if (candidates.empty())
        e->SoleAlternativeBefore[kind] = vnNoAlternative;
      else if (candidates.size() == 1 && e->Items[candidates.front()]->Kind != TvnElementKind::Empty)
        e->SoleAlternativeBefore[kind] = static_cast<int16_t>(candidates.front());
    }
  }
  for (TvnGrammarElement* e : elements_)
    if (e->Kind == TvnElementKind::Option || e->Kind == TvnElementKind::Iteration) e->BodyFirst = e->Items[0]->First;
  for (const TvnGrammarElement* e : elements_) {
    bool bodyMustConsume = e->Kind == TvnElementKind::Option || e->Kind == TvnElementKind::Iteration;
    if (bodyMustConsume && e->Items[0]->Nullable)
      throw std::logic_error("grammar: an option or repetition body may be empty");
    if (e->Kind == TvnElementKind::Alternatives)
      for (E item : e->Items)
        if (item->Nullable && item->Kind != TvnElementKind::Empty)
          throw std::logic_error("grammar: a non-empty alternative may be empty");
  }
}
