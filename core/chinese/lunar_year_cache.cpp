#include "core/chinese/lunar_year_cache.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <vector>

namespace tavro {

namespace {

constexpr size_t kCapacity = 64;

struct Entry {
  int32_t anchorYear = 0;
  int longitude = 0;
  int method = 0;
  // Days of the sui the tables were built for: [firstDay, endDay).
  int32_t firstDay = 0;
  int32_t endDay = 0;
  uint64_t lastUse = 0;
  std::shared_ptr<const LunarYearTables> tables;
};

struct Cache {
  std::mutex mutex;
  std::vector<Entry> entries;
  uint64_t clock = 0;
  std::atomic<uint64_t> generation{1};  // bumped by Clear so per-thread shortcuts expire
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

// Every thread remembers its last few tables: a run of conversions in one
// sui (and the neighbouring tables that date-to-day conversions read) then
// costs a few comparisons, without the lock.
constexpr int kRecent = 4;
struct Recent {
  uint64_t generation = 0;
  Entry entries[kRecent];
  int next = 0;  // the slot to overwrite
};
thread_local Recent tlsRecent;

Entry MakeEntry(std::shared_ptr<const LunarYearTables> t) {
  Entry e;
  e.anchorYear = t->anchorYear;
  e.longitude = t->longitude;
  e.method = t->method;
  // The sui of b runs from the day of the December solstice of b - 1 to the
  // day before that of b; both solstices are among the cardinal points, as
  // the very values SuiYearOf compares with.
  const double from = t->method == 1 ? t->CardinalPoints[1] : t->CardinalPoints[4];
  const double to = t->method == 1 ? t->CardinalPoints[2] : t->CardinalPoints[8];
  e.firstDay = static_cast<int32_t>(std::floor(from));
  e.endDay = static_cast<int32_t>(std::floor(to));
  e.tables = std::move(t);
  return e;
}

std::shared_ptr<const LunarYearTables> Build(double cjd, int longitude, int method) {
  auto t = std::make_shared<LunarYearTables>();
  BuildSolarTerms(*t, cjd, longitude, method);
  if (method != 1) {
    BuildDarkMoons(*t);
    LabelMonths(*t);
  }
  return t;
}

std::shared_ptr<const LunarYearTables> Lookup(double cjd, int longitude, int method) {
  method = method == 1 ? 1 : 0;
  const int32_t day = static_cast<int32_t>(std::floor(cjd));
  Cache& cache = TheCache();
  Recent& recent = tlsRecent;
  const uint64_t generation = cache.generation.load(std::memory_order_acquire);
  if (recent.generation != generation) recent = Recent{generation, {}, 0};
  for (const Entry& e : recent.entries) {
    if (e.tables && e.longitude == longitude && e.method == method && day >= e.firstDay && day < e.endDay)
      return e.tables;
  }
  auto remember = [&recent](const Entry& e) {
    recent.entries[recent.next] = e;
    recent.next = (recent.next + 1) % kRecent;
  };
  {
    std::lock_guard<std::mutex> lock(cache.mutex);
    for (Entry& e : cache.entries) {
      if (e.longitude == longitude && e.method == method && day >= e.firstDay && day < e.endDay) {
        e.lastUse = ++cache.clock;
        remember(e);
        return e.tables;
      }
    }
  }

  // Build outside the lock: builds are pure, so two threads racing for the
  // same tables both get equal answers.
  Entry fresh = MakeEntry(Build(cjd, longitude, method));

  std::lock_guard<std::mutex> lock(cache.mutex);
  fresh.lastUse = ++cache.clock;
  if (cache.entries.size() < kCapacity) {
    cache.entries.push_back(fresh);
  } else {
    Entry* oldest = &cache.entries[0];
    for (Entry& e : cache.entries)
      if (e.lastUse < oldest->lastUse) oldest = &e;
    *oldest = fresh;
  }
  remember(fresh);
  return fresh.tables;
}

}  // namespace

std::shared_ptr<const LunarYearTables> LunarYearAt(double cjd, int longitude) {
  return Lookup(cjd, longitude, 0);
}

std::shared_ptr<const LunarYearTables> SolarTermsAt(double cjd, int longitude, int method) {
  return Lookup(cjd, longitude, method);
}

void ClearLunarYearCache() {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  cache.entries.clear();
  ++cache.generation;
}

}  // namespace tavro
