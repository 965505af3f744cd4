#include "core/chinese/names.h"

#include <cctype>

namespace tavro {

const std::array<std::string, 5> ElementNames = {"wood", "fire", "earth", "metal", "water"};
const std::array<std::string, 10> StemNames = {"jia", "yi",  "bing", "ding", "wu",
                                               "ji",  "geng", "xin", "ren",  "gui"};
const std::array<std::string, 12> BranchNames = {"zi", "chou", "yin",  "mao",  "chen", "si",
                                                 "wu", "wei",  "shen", "you", "xu",   "hai"};
const std::array<std::string, 6> CountryNames = {"Vietnam",    "China",   "Japan",
                                                 "Vietnamese", "Chinese", "Japanese"};

namespace {

const std::array<std::string, 12> kChina = {"rat",   "ox",    "tiger", "rabbit",  "dragon", "snake",
                                            "horse", "sheep", "monkey", "rooster", "dog",   "pig"};
const std::array<std::string, 12> kVietnam = {"rat",   "ox",   "tiger",  "cat",     "dragon", "snake",
                                              "horse", "goat", "monkey", "rooster", "dog",    "pig"};
const std::array<std::string, 12> kJapan = {"rat",   "ox",    "tiger",  "rabbit",  "dragon", "snake",
                                            "horse", "sheep", "monkey", "rooster", "dog",    "boar"};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

const std::array<std::string, 12>& AnimalNames(Country country) {
  switch (country) {
    case Country::Vietnam: return kVietnam;
    case Country::Japan: return kJapan;
    default: return kChina;
  }
}

int ElementIndexOfName(std::string_view name) {
  for (int i = 0; i < 5; ++i)
    if (SameIgnoringCase(name, ElementNames[i])) return i;
  return -1;
}

int AnimalIndexOfName(std::string_view name) {
  for (const auto* table : {&kChina, &kVietnam, &kJapan})
    for (int i = 0; i < 12; ++i)
      if (SameIgnoringCase(name, (*table)[i])) return i;
  return -1;
}

int DefaultLongitude(Country country) {
  switch (country) {
    case Country::Vietnam: return 105;
    case Country::Japan: return 135;
    default: return 120;
  }
}

}  // namespace tavro
