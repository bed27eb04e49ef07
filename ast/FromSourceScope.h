#pragma once
// The FROM sources visible at a point of a statement during name binding:
// outer scopes first. Every SELECT block opens a level of its own, so the
// binding can tell which sources belong to which block.

#include <cstddef>
#include <vector>

class TSQLFromSource;

class TSQLFromSourceScope {
 public:
  std::size_t GetCount() const { return Items.size(); }
  TSQLFromSource* GetItems(std::size_t Index) const { return Items.at(Index); }

  // Opens a level and appends its sources; CloseLevel removes exactly them.
  void OpenLevel(const std::vector<TSQLFromSource*>& Sources);
  void CloseLevel();

  std::size_t GetLevelCount() const { return LevelStarts.size(); }
  // Index of the first entry of a level (levels are numbered outermost first).
  std::size_t GetLevelStart(std::size_t Level) const { return LevelStarts.at(Level); }
  std::size_t GetLevelEnd(std::size_t Level) const;

 private:
  std::vector<TSQLFromSource*> Items;
  std::vector<std::size_t> LevelStarts;
};
