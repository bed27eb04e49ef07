#include "ast/FromSourceScope.h"

void TSQLFromSourceScope::OpenLevel(const std::vector<TSQLFromSource*>& Sources) {
  LevelStarts.push_back(Items.size());
  Items.insert(Items.end(), Sources.begin(), Sources.end());
}

void TSQLFromSourceScope::CloseLevel() {
  Items.resize(LevelStarts.back());
  LevelStarts.pop_back();
}

std::size_t TSQLFromSourceScope::GetLevelEnd(std::size_t Level) const {
  return Level + 1 < LevelStarts.size() ? LevelStarts[Level + 1] : Items.size();
}
