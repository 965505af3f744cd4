#include "core/astro/engine/library.h"

#include <swephexp.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>

#include "core/astro/engine/internal.h"

namespace tavro::engine {

namespace {

// Files of the Debian packages swe-basic-data and swe-standard-data.
constexpr const char* kEphemerisPath = "/usr/share/libswe/ephe";

// The library is not documented as thread-safe (builds differ), so every
// call into it is serialised by this mutex.
std::mutex& LibraryMutex() {
  static std::mutex m;
  return m;
}

std::atomic<uint64_t> g_positions{0};
std::atomic<bool> g_fellBack{false};

// The Debian build keeps the library's state per thread (its files, path
// and buffers), so each thread sets the path on first use and closes the
// library when it ends, or its buffers would leak. Should a build share one
// state instead, a close resets the path for everyone: the generation count
// makes every thread set it again after a close.
uint64_t g_closeGeneration = 0;  // guarded by the library mutex
// Guarded by the library mutex; a function-local static so that calls made
// while other files are being initialised find it constructed.
std::string& EphemerisPath() {
  static std::string path = kEphemerisPath;
  return path;
}

struct ThreadUse {
  bool initialised = false;
  uint64_t generation = 0;
  ~ThreadUse() {
    if (initialised) {
      std::lock_guard lock(LibraryMutex());
      swe_close();
      ++g_closeGeneration;
    }
  }
};
thread_local ThreadUse t_use;

// Caller holds the lock.
void EnsureInitialised() {
  if (!t_use.initialised || t_use.generation != g_closeGeneration) {
    swe_set_ephe_path(const_cast<char*>(EphemerisPath().c_str()));
    t_use.initialised = true;
    t_use.generation = g_closeGeneration;
  }
}

void ReportFallback(const char* detail) {
  bool expected = false;
  if (!g_fellBack.compare_exchange_strong(expected, true)) return;
  // The library's message may span lines; the report is one.
  std::string text;
  for (const char* p = detail; *p; ++p) {
    const char c = (*p == '\n' || *p == '\r' || *p == '\t') ? ' ' : *p;
    if (!(c == ' ' && (text.empty() || text.back() == ' '))) text += c;
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == ';')) text.pop_back();
  std::fprintf(stderr,
               "tavro: ephemeris files not usable in %s (%s); continuing with the "
               "library's built-in ephemeris, which is less accurate\n",
               EphemerisPath().c_str(), text.empty() ? "no detail" : text.c_str());
}

// One position with the file ephemeris; if the library could not use the
// files it says so in the returned flag, and we carry on with what it gave.
// Caller holds the lock.
void Position(double jd, int body, bool ut, int32_t extraFlags, double xx[6]) {
  char serr[AS_MAXCH] = "";
  const int32_t flags = SEFLG_SWIEPH | extraFlags;
  int32_t ret = ut ? swe_calc_ut(jd, body, flags, xx, serr) : swe_calc(jd, body, flags, xx, serr);
  g_positions.fetch_add(1, std::memory_order_relaxed);
  if (ret < 0) {
    ReportFallback(serr);
    const int32_t moshier = SEFLG_MOSEPH | extraFlags;
    serr[0] = '\0';
    ret = ut ? swe_calc_ut(jd, body, moshier, xx, serr) : swe_calc(jd, body, moshier, xx, serr);
    if (ret < 0) std::fprintf(stderr, "tavro: ephemeris error: %s\n", serr);
  } else if ((ret & SEFLG_SWIEPH) == 0) {
    ReportFallback(serr);
  }
}

}  // namespace

void SunAndMoonTT(double jdTT, Longitude& sun, Longitude& moon) {
  double xs[6] = {}, xm[6] = {};
  {
    std::lock_guard lock(LibraryMutex());
    EnsureInitialised();
    Position(jdTT, SE_SUN, false, SEFLG_SPEED, xs);
    Position(jdTT, SE_MOON, false, SEFLG_SPEED, xm);
  }
  sun = {xs[0], xs[3]};
  moon = {xm[0], xm[3]};
}

Longitude SunTT(double jdTT) {
  double xs[6] = {};
  {
    std::lock_guard lock(LibraryMutex());
    EnsureInitialised();
    Position(jdTT, SE_SUN, false, SEFLG_SPEED, xs);
  }
  return {xs[0], xs[3]};
}

double SunLongitudeUT(double jdUT) {
  double xs[6] = {};
  std::lock_guard lock(LibraryMutex());
  EnsureInitialised();
  Position(jdUT, SE_SUN, true, 0, xs);
  return xs[0];
}

double MoonLongitudeUT(double jdUT, double* latitude) {
  double xm[6] = {};
  {
    std::lock_guard lock(LibraryMutex());
    EnsureInitialised();
    Position(jdUT, SE_MOON, true, 0, xm);
  }
  if (latitude) *latitude = xm[1];
  return xm[0];
}

double DeltaTDays(double jdUT) {
  char serr[AS_MAXCH] = "";
  std::lock_guard lock(LibraryMutex());
  EnsureInitialised();
  // The ephemeris flag selects the tidal acceleration of the lunar theory in
  // use, so delta T and the positions agree.
  return swe_deltat_ex(jdUT, SEFLG_SWIEPH, serr);
}

double GregorianJulianDate(int32_t year, int month, int day) {
  std::lock_guard lock(LibraryMutex());
  return swe_julday(year, month, day, 0.0, SE_GREG_CAL);
}

double LibrarySunCrossing(double longitude, double jdTT) {
  char serr[AS_MAXCH] = "";
  std::lock_guard lock(LibraryMutex());
  EnsureInitialised();
  return swe_solcross(longitude, jdTT, SEFLG_SWIEPH, serr);
}

void SetEphemerisPath(const std::string& path) {
  std::lock_guard lock(LibraryMutex());
  EphemerisPath() = path;
  ++g_closeGeneration;  // every thread picks the new path up
}

void ForgetFallbackReport() { g_fellBack.store(false); }

uint64_t PositionCount() { return g_positions.load(std::memory_order_relaxed); }

bool FellBack() { return g_fellBack.load(); }

}  // namespace tavro::engine
