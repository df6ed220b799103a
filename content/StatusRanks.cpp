#include "content/StatusRanks.h"

#include <algorithm>
#include <array>

namespace kemurina {

namespace {

enum class Cond { DayIs, DayAbove, YearsAre, YearsAbove };

struct LadderRow {
    Cond cond;
    std::int32_t threshold;
    std::array<const char*, 3> titles; // in the order of the first three theme keys
};

constexpr LadderRow kLadder[] = {
    {Cond::DayIs, 0, {"２等兵", "素粒子", "無職"}},
    {Cond::DayIs, 1, {"１等兵", "陽子", "バイト"}},
    {Cond::DayIs, 2, {"上等兵", "原子", "バイト長"}},
    {Cond::DayIs, 3, {"兵長", "分子", "契約社員"}},
    {Cond::DayIs, 4, {"伍長", "ゴマ粒", "正社員"}},
    {Cond::DayIs, 5, {"軍曹", "小豆", "正社員二年目"}},
    {Cond::DayAbove, 5, {"曹長", "大豆", "正社員三年目"}},
    {Cond::DayAbove, 7, {"准尉", "タマゴ", "主任補佐"}},
    {Cond::DayAbove, 9, {"少尉", "ヒヨコ", "主任"}},
    {Cond::DayAbove, 11, {"中尉", "ニワトリ", "係長補佐"}},
    {Cond::DayAbove, 13, {"大尉", "鶏小屋", "係長"}},
    {Cond::DayAbove, 15, {"少佐", "農家", "課長補佐"}},
    {Cond::DayAbove, 17, {"中佐", "集落", "課長"}},
    {Cond::DayAbove, 19, {"大佐", "村", "次長補佐"}},
    {Cond::DayAbove, 21, {"少将", "市", "次長"}},
    {Cond::DayAbove, 25, {"中将", "県", "副部長"}},
    {Cond::DayAbove, 29, {"大将", "日本列島", "部長"}},
    {Cond::DayAbove, 59, {"元帥", "東アジア", "本部長補佐"}},
    {Cond::DayAbove, 89, {"大臣", "アジア", "本部長"}},
    {Cond::DayAbove, 119, {"首相", "北半球", "監査役"}},
    {Cond::DayAbove, 149, {"大統領", "地球", "常務"}},
    {Cond::DayAbove, 179, {"王様", "月と地球", "専務"}},
    {Cond::DayAbove, 209, {"大王様", "太陽系", "副社長"}},
    {Cond::DayAbove, 239, {"神", "銀河", "社長"}},
    {Cond::DayAbove, 269, {"カイオウ", "大銀河", "会長"}},
    {Cond::DayAbove, 299, {"ラオウ", "星雲", "最高顧問"}},
    {Cond::DayAbove, 329, {"トキ", "小宇宙", "経団連副会長"}},
    {Cond::YearsAbove, 0, {"ケンシロウ", "コスモ", "経団連会長"}},
    {Cond::YearsAbove, 1, {"チョッパー", "大宇宙", "内閣顧問"}},
    {Cond::YearsAbove, 2, {"ゾロ", "宇宙王子", "内閣最高顧問"}},
    {Cond::YearsAbove, 3, {"ロビン", "宇宙王", "経済王"}},
    {Cond::YearsAbove, 4, {"ルフィ", "宇宙大王", "経済大王"}},
    {Cond::YearsAbove, 9, {"ユリア", "宇宙神", "経済神"}},
    {Cond::YearsAbove, 99, {"宇宙大神", "宇宙大神", "経済大神"}},
    {Cond::YearsAre, 333, {"ルパン三世", "ルパン三世", "ルパン三世"}},
    {Cond::YearsAbove, 999, {"トトロ", "トトロ", "トトロ"}},
};
static_assert(std::size(kLadder) == 36);

constexpr bool holds(const LadderRow& row, std::int32_t days, std::int32_t years) {
    switch (row.cond) {
    case Cond::DayIs:
        return days == row.threshold;
    case Cond::DayAbove:
        return days > row.threshold;
    case Cond::YearsAre:
        return years == row.threshold;
    case Cond::YearsAbove:
        return years > row.threshold;
    }
    return false;
}

constexpr const char* kTourPlaces[] = {
    "西表島",       "石垣島",       "宮古島",       "首里城",       "万座毛",     "美ら海水族館",
    "辺戸岬",       "奄美大島",     "屋久島",       "種子島",       "佐多岬",     "指宿",
    "仙巌園",       "霧島山",       "桜島",         "都井岬",       "南郷",       "飫肥",
    "青島",         "綾",           "高千穂峡",     "黒川温泉",     "阿蘇山",     "熊本城",
    "人吉",         "天草諸島",     "雲仙",         "長崎",         "佐世保",     "九十九島",
    "五島列島",     "平戸",         "対馬",         "壱岐",         "唐津",       "伊万里",
    "有田",         "嬉野",         "博多",         "太宰府",       "柳川",       "久留米",
    "小倉",         "英彦山",       "日田",         "耶馬溪",       "国東半島",   "別府温泉",
    "湯布院温泉",   "九重",         "臼杵",         "佐田岬",       "道後温泉",   "今治",
    "西条",         "石鎚山",       "四国カルスト", "大洲",         "宇和島",     "足摺岬",
    "四万十川",     "桂浜",         "安芸",         "室戸岬",       "阿南海岸",   "鳴門",
    "徳島",         "剣山",         "祖谷渓",       "大歩危小歩危", "観音寺",     "琴平",
    "善通寺",       "丸亀",         "栗林公園",     "小豆島",       "坂出",       "鷲羽山",
    "倉敷",         "後楽園",       "備前",         "津山",         "湯原温泉",   "高梁",
    "福山",         "尾道",         "呉",           "江田島",       "原爆ドーム", "宮島",
    "岩国",         "周防大島",     "柳井",         "防府",         "湯田温泉",   "秋吉台",
    "下関",         "青海島",       "萩",           "津和野",       "匹見峡",     "石見銀山",
    "三瓶山",       "出雲大社",     "宍道湖",       "玉造温泉",     "隠岐",       "米子",
    "大山",         "関金温泉",     "三朝温泉",     "鳥取砂丘",     "城崎温泉",   "鉢伏山",
    "赤穂",         "姫路",         "明石",         "淡路島",       "神戸",       "有馬温泉",
    "宝塚",         "箕面",         "太陽の塔",     "大坂城",       "ＵＳＪ",     "通天閣",
    "住吉大社",     "仁徳天皇陵",   "岸和田",       "紀三井寺",     "日ノ御埼",   "白浜温泉",
    "潮岬",         "勝浦温泉",     "那智大滝",     "熊野三山",     "高野山",     "十津川",
    "大台ヶ原",     "吉野山",       "明日香",       "天理",         "法隆寺",     "東大寺",
    "平等院",       "清水寺",       "嵐山",         "金閣寺",       "大原",       "久美浜",
    "天橋立",       "三方五湖",     "敦賀",         "越前岬",       "東尋坊",     "永平寺",
    "九頭竜湖",     "伊吹山",       "彦根城",       "近江八幡",     "栗東",       "比叡山延暦寺",
    "大津",         "信楽",         "伊賀",         "赤目",         "尾鷲",       "志摩",
    "伊勢神宮外宮", "伊勢神宮内宮", "鈴鹿",         "湯の山温泉",   "名古屋城",   "セントレア",
    "伊良湖岬",     "鳳来寺山",     "岡崎",         "豊田",         "足助",       "犬山",
    "金華山",       "郡上八幡",     "下呂温泉",     "奥飛騨温泉郷", "高山",       "白川郷",
    "山中温泉",     "山代温泉",     "兼六園",       "千里浜",       "輪島",       "恋路海岸",
    "和倉温泉",     "砺波",         "五箇山",       "富山",         "魚津",       "宇奈月温泉",
    "黒部ダム",     "白馬",         "野尻湖",       "野沢温泉",     "志賀高原",   "善光寺",
    "上高地",       "乗鞍",         "諏訪湖",       "軽井沢",       "八ヶ岳高原", "高遠",
    "木曽駒ヶ岳",   "天竜峡",       "寸又峡",       "浜名湖",       "御前崎",     "日本平",
    "修善寺温泉",   "下田",         "熱海温泉",     "白糸の滝",     "富士山",     "山中湖",
    "河口湖",       "甲府",         "清里",         "大菩薩峠",     "丹沢",       "箱根",
    "江ノ島",       "鎌倉",         "油壺",         "観音崎",       "八景島",     "横浜中華街",
    "川崎大師",     "東京タワー",   "新宿",         "八王子",       "奥多摩湖",   "青梅",
    "武蔵野",       "秋葉原",       "ＴＤＬ",       "木更津",       "館山",       "大島",
    "鴨川",         "九十九里浜",   "犬吠埼",       "成田山",       "牛久",       "霞ヶ浦",
    "筑波山",       "大洗",         "水戸",         "日立",         "大子",       "八溝山",
    "那須高原",     "塩原温泉郷",   "湯西川温泉",   "鬼怒川温泉",   "日光",       "中禅寺湖",
    "宇都宮",       "益子",         "足利",         "熊谷",         "春日部",     "草加",
    "大宮",         "所沢",         "秩父",         "中津峡",       "長瀞",       "前橋",
    "伊香保温泉",   "浅間山",       "草津温泉",     "四万温泉",     "赤城山",     "水上温泉郷",
    "尾瀬",         "魚沼",         "越後湯沢温泉", "上越",         "柏崎",       "弥彦山",
    "佐渡島",       "新潟",         "村上",         "喜多方",       "只見",       "会津若松",
    "猪苗代湖",     "白河",         "いわき",       "郡山",         "飯坂温泉",   "蔵王",
    "仙台",         "松島",         "石巻",         "気仙沼",       "鳴子温泉",   "天童",
    "山形",         "米沢",         "月山",         "羽黒山",       "湯野浜温泉", "最上峡",
    "鳥海山",       "秋ノ宮温泉郷", "田沢湖",       "乳頭温泉郷",   "森吉山",     "秋田",
    "男鹿半島",     "大館",         "八幡平",       "盛岡",         "花巻温泉郷", "夏油温泉",
    "中尊寺",       "遠野",         "早池峰山",     "宮古",         "金田一温泉", "八戸",
    "十和田湖",     "大鰐温泉",     "白神山地",     "岩木山",       "青森",       "八甲田山",
    "恐山",         "竜飛崎",       "函館",         "奥尻島",       "小樽",       "ニセコ",
    "羊蹄山",       "洞爺湖",       "登別温泉",     "支笏湖",       "札幌",       "帯広",
    "襟裳岬",       "釧路湿原",     "霧多布",       "阿寒湖",       "摩周湖",     "屈斜路湖",
    "十勝岳",       "層雲峡",       "大雪山",       "富良野",       "旭山動物園", "利尻島",
    "礼文島",       "宗谷岬",       "クッチャロ湖", "サロマ湖",     "網走",       "知床",
};
constexpr std::int32_t kTourDays = static_cast<std::int32_t>(std::size(kTourPlaces));
static_assert(kTourDays == 366);

// A year that contains 29 February has a day 365 before the first year completes; the tour
// then stays at the day-364 place instead of arriving early.
constexpr std::int32_t kTourLeapDay = 365;
constexpr const char* kTourLeapDayPlace = "網走";

struct TourYearRow {
    std::int32_t minYears;
    const char* title;
};

constexpr TourYearRow kTourYears[] = {
    {1, "知床"},     {2, "ハワイ"},     {3, "アメリカ"},  {4, "ブラジル"}, {5, "南アフリカ"},
    {6, "エジプト"}, {7, "フランス"},   {8, "トルコ"},    {9, "インド"},   {10, "中国"},
    {11, "日本"},    {100, "天空の城"}, {1000, "神の国"},
};

const char* ladderTitle(std::size_t theme, std::int32_t days, std::int32_t years) {
    const char* title = nullptr;
    for (const LadderRow& row : kLadder) {
        if (holds(row, days, years))
            title = row.titles[theme];
    }
    return title;
}

const char* tourTitle(std::int32_t days, std::int32_t years) {
    const char* title = nullptr;
    if (days < kTourDays)
        title = kTourPlaces[days];
    if (years == 0 && days == kTourLeapDay)
        title = kTourLeapDayPlace;
    for (const TourYearRow& row : kTourYears) {
        if (years >= row.minYears)
            title = row.title;
    }
    return title;
}

void addLadderPoints(StatusChangePoints& points) {
    for (const LadderRow& row : kLadder) {
        const bool byDay = row.cond == Cond::DayIs || row.cond == Cond::DayAbove;
        auto& list = byDay ? points.days : points.years;
        // An exact match holds from its value and stops one later; "above" starts one later.
        if (row.cond == Cond::DayIs || row.cond == Cond::YearsAre)
            list.push_back(row.threshold);
        list.push_back(row.threshold + 1);
    }
}

void addTourPoints(StatusChangePoints& points) {
    for (std::int32_t day = 0; day <= kTourDays; ++day)
        points.days.push_back(day);
    for (const TourYearRow& row : kTourYears)
        points.years.push_back(row.minYears);
}

void sortUnique(std::vector<std::int32_t>& list) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

int themeIndex(const QString& theme) {
    for (std::size_t i = 0; i < kStatusThemes.size(); ++i) {
        if (theme == QString::fromUtf8(kStatusThemes[i]))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

StatusChangePoints statusChangePoints(const QString& theme) {
    StatusChangePoints points;
    const int index = themeIndex(theme);
    if (index < 0)
        return points;
    if (index < 3)
        addLadderPoints(points);
    else
        addTourPoints(points);
    sortUnique(points.days);
    sortUnique(points.years);
    return points;
}

std::span<const char* const> tourPlaces() {
    return kTourPlaces;
}

QString statusTitle(const QString& theme, std::int32_t wholeDays, std::int32_t years) {
    if (wholeDays < 0)
        return {};
    const int index = themeIndex(theme);
    if (index < 0)
        return {};
    const char* title = index < 3 ? ladderTitle(static_cast<std::size_t>(index), wholeDays, years)
                                  : tourTitle(wholeDays, years);
    return title ? QString::fromUtf8(title) : QString();
}

} // namespace kemurina
