#include "core/astro/solar_terms.h"

#include <atomic>
#include <cmath>

#include "core/astro/phases.h"
#include "core/time/scales.h"

namespace tavro {

const std::array<std::string, 24> SolarTermCodes = {
    "Z11", "J12", "Z12", "J1", "Z1", "J2", "Z2", "J3", "Z3", "J4",  "Z4",  "J5",
    "Z5",  "J6",  "Z6",  "J7", "Z7", "J8", "Z8", "J9", "Z9", "J10", "Z10", "J11"};

const std::array<std::string, 24> SolarTermPinyin = {
    "Dong zhi",  "Xiao han", "Da han",    "Li chun",  "Yu shui",     "Jing zhe",
    "Chun fen",  "Qing ming", "Gu yu",    "Li xia",   "Xiao man",    "Mang zhong",
    "Xia zhi",   "Xiao shu", "Da shu",    "Li qui",   "Chu shu",     "Bai lu",
    "Qiu fen",   "Han lu",   "Shuang jian", "Li dong", "Xiao xue",   "Da xue"};

const std::array<std::string, 24> SolarTermEnglish = {
    "Winter solstice", "Slight cold",   "Great cold",          "Beginning of spring",
    "Rain water",      "Waking of insects", "Spring equinox",  "Pure brightness",
    "Grain rain",      "Beginning of summer", "Grain full",    "Grain in ear",
    "Summer solstice", "Slight heat",   "Great heat",          "Beginning of autumn",
    "Limit of heat",   "White dew",     "Autumn equinox",      "Cold dew",
    "Descent of frost", "Beginning of winter", "Slight snow",  "Great snow"};

namespace {

constexpr double kToRadians = 6.28318530717959 / 360.0;

// Mean quarter points, rows by kind (March, June, September, December).
constexpr double kBefore1000[4][5] = {
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006}};
constexpr double kFrom1000[4][5] = {
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032}};

// Periodic terms A, B (degrees), C (degrees per Julian century).
struct PeriodicTerm {
  double a, b, c;
};
constexpr PeriodicTerm kPeriodic[24] = {
    {485, 324.96, 1934.136}, {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886}, {136, 171.52, 22518.443},
    {77, 222.54, 65928.934}, {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147}, {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562}, {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328}, {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921}, {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259}, {9, 227.73, 1222.114},    {8, 15.45, 16859.074}};

double ComputeQuarterPoint(int kind, int32_t year) {
  const bool early = year < 1000;
  const double Y = early ? year / 1000.0 : (year - 2000) / 1000.0;
  const double* c = early ? kBefore1000[kind] : kFrom1000[kind];
  const double jde0 = c[0] + Y * (c[1] + Y * (c[2] + Y * (c[3] + Y * c[4])));
  const double T = (jde0 - 2451545.0) / 36525.0;
  const double W = (35999.373 * T - 2.47) * kToRadians;
  const double dLambda = 1.0 + 0.0334 * std::cos(W) + 0.0007 * std::cos(2.0 * W);
  double S = 0.0;
  for (const PeriodicTerm& p : kPeriodic) S += p.a * std::cos(p.b * kToRadians + p.c * kToRadians * T);
  return jde0 + 0.00001 * S / dLambda;
}

// Lunar-year tables ask for the same quarter points on every rebuild, so the
// years of the supported range keep theirs (0 = not yet computed).
constexpr int32_t kFirstMemoYear = -3100;
constexpr int32_t kLastMemoYear = 3100;
std::atomic<double> g_quarterPoints[(kLastMemoYear - kFirstMemoYear + 1) * 4];

}  // namespace

double QuarterPointJDE(int kind, int32_t year) {
  if (kind < 0 || kind > 3) return 0.0;
  if (year < kFirstMemoYear || year > kLastMemoYear) return ComputeQuarterPoint(kind, year);
  std::atomic<double>& slot = g_quarterPoints[(year - kFirstMemoYear) * 4 + kind];
  double jde = slot.load(std::memory_order_relaxed);
  if (jde == 0.0) {
    jde = ComputeQuarterPoint(kind, year);
    slot.store(jde, std::memory_order_relaxed);
  }
  return jde;
}

double QuarterPointUT(int kind, int32_t year) {
  return QuarterPointJDE(kind, year) - DeltaTMinutes(year) / 1440.0;
}

double MarchEquinoxCJDC(int32_t year, int longitude) {
  return ToCJDC(QuarterPointUT(MarchEquinox, year), longitude);
}
double JuneSolsticeCJDC(int32_t year, int longitude) {
  return ToCJDC(QuarterPointUT(JuneSolstice, year), longitude);
}
double SeptemberEquinoxCJDC(int32_t year, int longitude) {
  return ToCJDC(QuarterPointUT(SeptemberEquinox, year), longitude);
}
double DecemberSolsticeCJDC(int32_t year, int longitude) {
  return ToCJDC(QuarterPointUT(DecemberSolstice, year), longitude);
}

}  // namespace tavro
