#include "core/festivals/festival_rules.h"

namespace tavro {

namespace {

using K = FestivalRuleKind;

// Term indices counted from the December solstice (SolarTermCodes).
constexpr int kZ11 = 0, kJ1 = 3, kZ2 = 6, kJ3 = 7, kJ7 = 15, kZ8 = 18;

constexpr FestivalRule Lunar(std::string_view key, int month, int day,
                             std::array<std::string_view, kLanguageCount> names) {
  return {key, K::LunarDate, month, day, 0, 0, 0, names};
}
constexpr FestivalRule LastDay(std::string_view key, std::array<std::string_view, kLanguageCount> names) {
  return {key, K::LastDayOfYear, 0, 0, 0, 0, 0, names};
}
constexpr FestivalRule Term(std::string_view key, int term, int offset,
                            std::array<std::string_view, kLanguageCount> names) {
  return {key, K::TermDay, 0, 0, term, offset, 0, names};
}
constexpr FestivalRule Sun(std::string_view key, double longitude,
                           std::array<std::string_view, kLanguageCount> names) {
  return {key, K::SunLongitude, 0, 0, 0, 0, longitude, names};
}

// Names: English, simplified Chinese, traditional Chinese, Vietnamese, Japanese.
constexpr FestivalRule kChina[] = {
    Lunar("spring-festival", 1, 1, {"Spring Festival", "春节", "春節", "Tết Nguyên Đán", "春節"}),
    Lunar("lantern", 1, 15, {"Lantern Festival", "元宵节", "元宵節", "Tết Nguyên Tiêu", "元宵節"}),
    Lunar("dragon-head", 2, 2, {"Dragon Raises Its Head", "龙抬头", "龍抬頭", "Long Đài Đầu", "龍抬頭"}),
    Term("cold-food", kJ3, -1, {"Cold Food Festival", "寒食节", "寒食節", "Tết Hàn Thực", "寒食節"}),
    Term("qingming", kJ3, 0, {"Qingming Festival", "清明节", "清明節", "Tết Thanh Minh", "清明節"}),
    Lunar("dragon-boat", 5, 5, {"Dragon Boat Festival", "端午节", "端午節", "Tết Đoan Ngọ", "端午節"}),
    Lunar("qixi", 7, 7, {"Qixi Festival", "七夕节", "七夕節", "Thất Tịch", "七夕"}),
    Lunar("ghost", 7, 15, {"Ghost Festival", "中元节", "中元節", "Tết Trung Nguyên", "中元節"}),
    Lunar("mid-autumn", 8, 15, {"Mid-Autumn Festival", "中秋节", "中秋節", "Tết Trung Thu", "中秋節"}),
    Lunar("double-ninth", 9, 9, {"Double Ninth Festival", "重阳节", "重陽節", "Tết Trùng Cửu", "重陽節"}),
    Lunar("winter-clothes", 10, 1, {"Winter Clothes Festival", "寒衣节", "寒衣節", "Tết Hàn Y", "寒衣節"}),
    Term("winter-solstice", kZ11, 0, {"Winter Solstice Festival", "冬至节", "冬至節", "Tết Đông Chí", "冬至"}),
    Lunar("laba", 12, 8, {"Laba Festival", "腊八节", "臘八節", "Lễ Lạp Bát", "臘八"}),
    Lunar("kitchen-god", 12, 23, {"Kitchen God Festival", "小年", "小年", "Tết Táo Quân", "祭竈"}),
    LastDay("new-years-eve", {"New Year's Eve", "除夕", "除夕", "Đêm Giao thừa", "除夕"}),
};

constexpr FestivalRule kVietnam[] = {
    Lunar("tet", 1, 1, {"Tết (Lunar New Year)", "越南春节", "越南春節", "Tết Nguyên Đán", "テト"}),
    Lunar("tet-nguyen-tieu", 1, 15, {"Full Moon of the First Month", "元宵节", "元宵節", "Tết Nguyên Tiêu", "元宵節"}),
    Lunar("han-thuc", 3, 3, {"Cold Food Festival", "寒食节", "寒食節", "Tết Hàn Thực", "寒食節"}),
    Term("thanh-minh", kJ3, 0, {"Pure Brightness", "清明", "清明", "Tiết Thanh Minh", "清明"}),
    Lunar("hung-kings", 3, 10, {"Hùng Kings' Commemoration", "雄王祭", "雄王祭", "Giỗ Tổ Hùng Vương", "フン王の命日"}),
    Lunar("vesak", 4, 15, {"Buddha's Birthday (Vesak)", "佛诞节", "佛誕節", "Lễ Phật Đản", "仏誕祭"}),
    Lunar("doan-ngo", 5, 5, {"Double Fifth Festival", "端午节", "端午節", "Tết Đoan Ngọ", "端午"}),
    Lunar("vu-lan", 7, 15, {"Vu Lan (Ullambana)", "盂兰盆节", "盂蘭盆節", "Lễ Vu Lan", "盂蘭盆"}),
    Lunar("trung-thu", 8, 15, {"Mid-Autumn Festival", "中秋节", "中秋節", "Tết Trung Thu", "中秋節"}),
    Lunar("ong-tao", 12, 23, {"Kitchen Gods' Day", "灶君节", "灶君節", "Tết Ông Công Ông Táo", "竈神祭"}),
    LastDay("giao-thua", {"New Year's Eve", "除夕", "除夕", "Giao thừa", "除夕"}),
};

constexpr FestivalRule kJapan[] = {
    Lunar("kyu-shogatsu", 1, 1, {"Old New Year", "旧正月", "舊正月", "Tết âm lịch", "旧正月"}),
    Term("setsubun", kJ1, -1, {"Setsubun", "节分", "節分", "Tiết phân", "節分"}),
    Term("higan-spring", kZ2, -3, {"Spring higan begins", "春彼岸入", "春彼岸入", "Bắt đầu Bỉ ngạn xuân", "彼岸入り（春）"}),
    Term("higan-spring", kZ2, 0, {"Spring higan, middle day", "春彼岸中日", "春彼岸中日", "Giữa Bỉ ngạn xuân", "彼岸の中日（春）"}),
    Term("higan-spring", kZ2, 3, {"Spring higan ends", "春彼岸明", "春彼岸明", "Kết thúc Bỉ ngạn xuân", "彼岸明け（春）"}),
    Sun("doyo", 27, {"Spring doyo begins", "春土用", "春土用", "Thổ dụng mùa xuân", "春の土用入り"}),
    Term("hachijuhachiya", kJ1, 87, {"Eighty-eighth night", "八十八夜", "八十八夜", "Đêm thứ tám mươi tám", "八十八夜"}),
    Sun("nyubai", 80, {"Start of the rainy season (nyubai)", "入梅", "入梅", "Nhập mai", "入梅"}),
    Sun("hangesho", 100, {"Hangesho", "半夏生", "半夏生", "Bán hạ sinh", "半夏生"}),
    Sun("doyo", 117, {"Summer doyo begins", "夏土用", "夏土用", "Thổ dụng mùa hạ", "夏の土用入り"}),
    {"doyo-ushi", K::OxDaysAfterSun, 0, 0, kJ7, 0, 117,
     {"Ox day of summer doyo", "土用丑日", "土用丑日", "Ngày Sửu tiết Thổ dụng", "土用の丑の日"}},
    Lunar("kyu-tanabata", 7, 7, {"Old Tanabata", "旧七夕", "舊七夕", "Thất Tịch âm lịch", "旧七夕"}),
    Term("nihyakutoka", kJ1, 209, {"Two hundred tenth day", "二百十日", "二百十日", "Ngày thứ hai trăm mười", "二百十日"}),
    Lunar("jugoya", 8, 15, {"Harvest moon (jugoya)", "十五夜", "十五夜", "Đêm rằm tháng Tám", "十五夜"}),
    Term("higan-autumn", kZ8, -3, {"Autumn higan begins", "秋彼岸入", "秋彼岸入", "Bắt đầu Bỉ ngạn thu", "彼岸入り（秋）"}),
    Term("higan-autumn", kZ8, 0, {"Autumn higan, middle day", "秋彼岸中日", "秋彼岸中日", "Giữa Bỉ ngạn thu", "彼岸の中日（秋）"}),
    Term("higan-autumn", kZ8, 3, {"Autumn higan ends", "秋彼岸明", "秋彼岸明", "Kết thúc Bỉ ngạn thu", "彼岸明け（秋）"}),
    Sun("doyo", 207, {"Autumn doyo begins", "秋土用", "秋土用", "Thổ dụng mùa thu", "秋の土用入り"}),
    Lunar("jusanya", 9, 13, {"Thirteenth night (jusanya)", "十三夜", "十三夜", "Đêm mười ba tháng Chín", "十三夜"}),
    Sun("doyo", 297, {"Winter doyo begins", "冬土用", "冬土用", "Thổ dụng mùa đông", "冬の土用入り"}),
};

}  // namespace

std::span<const FestivalRule> FestivalRules(Country country) {
  switch (country) {
    case Country::Vietnam: return kVietnam;
    case Country::Japan: return kJapan;
    default: return kChina;
  }
}

std::string_view FestivalName(const FestivalRule& rule, Language language) {
  const int i = static_cast<int>(language);
  if (i < 0 || i >= kLanguageCount || rule.names[i].empty()) return rule.names[0];
  return rule.names[i];
}

}  // namespace tavro
