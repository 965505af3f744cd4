#include "core/names/names_data.h"

namespace tavro::names_data {

const PerLanguage<10> kStems = {{
    {"jia", "yi", "bing", "ding", "wu", "ji", "geng", "xin", "ren", "gui"},
    {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"},
    {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"},
    {"Giáp", "Ất", "Bính", "Đinh", "Mậu", "Kỷ", "Canh", "Tân", "Nhâm", "Quý"},
    {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"},
}};

const PerLanguage<12> kBranches = {{
    {"zi", "chou", "yin", "mao", "chen", "si", "wu", "wei", "shen", "you", "xu", "hai"},
    {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"},
    {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"},
    {"Tý", "Sửu", "Dần", "Mão", "Thìn", "Tỵ", "Ngọ", "Mùi", "Thân", "Dậu", "Tuất", "Hợi"},
    {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"},
}};

// Vietnam has the cat and the buffalo-ox (Trâu); Japan's twelfth animal is
// the wild boar (猪), as China's is the pig (猪 too in simplified script).
const PerLanguage<12> kAnimals = {{
    {},
    {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"},
    {"鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"},
    {"Chuột", "Trâu", "Hổ", "Mèo", "Rồng", "Rắn", "Ngựa", "Dê", "Khỉ", "Gà", "Chó", "Lợn"},
    {"鼠", "牛", "虎", "兎", "竜", "蛇", "馬", "羊", "猿", "鶏", "犬", "猪"},
}};

const PerLanguage<12> kMonths = {{
    {"month 1", "month 2", "month 3", "month 4", "month 5", "month 6", "month 7", "month 8", "month 9",
     "month 10", "month 11", "month 12"},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "臘月"},
    {"tháng Giêng", "tháng Hai", "tháng Ba", "tháng Tư", "tháng Năm", "tháng Sáu", "tháng Bảy",
     "tháng Tám", "tháng Chín", "tháng Mười", "tháng Một", "tháng Chạp"},
    {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
}};

const PerLanguage<24> kSolarTerms = {{
    {},
    {"冬至", "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种",
     "夏至", "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"},
    {"冬至", "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨", "立夏", "小滿", "芒種",
     "夏至", "小暑", "大暑", "立秋", "處暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"},
    {"Đông chí", "Tiểu hàn", "Đại hàn", "Lập xuân", "Vũ thủy", "Kinh trập", "Xuân phân", "Thanh minh",
     "Cốc vũ", "Lập hạ", "Tiểu mãn", "Mang chủng", "Hạ chí", "Tiểu thử", "Đại thử", "Lập thu",
     "Xử thử", "Bạch lộ", "Thu phân", "Hàn lộ", "Sương giáng", "Lập đông", "Tiểu tuyết", "Đại tuyết"},
    {"冬至", "小寒", "大寒", "立春", "雨水", "啓蟄", "春分", "清明", "穀雨", "立夏", "小満", "芒種",
     "夏至", "小暑", "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"},
}};

const std::array<sv, 12> kJapaneseTraditionalMonths = {
    "睦月", "如月", "弥生", "卯月", "皐月", "水無月", "文月", "葉月", "長月", "神無月", "霜月", "師走"};

const std::array<sv, 6> kRokuyo = {"大安", "赤口", "先勝", "友引", "先負", "仏滅"};
const std::array<sv, 6> kRokuyoRomaji = {"taian", "shakko", "sensho", "tomobiki", "senbu", "butsumetsu"};

const std::array<sv, 10> kChineseDigits = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

}  // namespace tavro::names_data
