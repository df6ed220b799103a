#include "content/DailyMessages.h"

#include <limits>

namespace kemurina {

namespace {

constexpr const char* kMessages[] = {
    "さあ今日からいよいよ卒煙です！がんばりましょう！",
    "とにかく今日です！どんな手を使ってもいい！がんばれ！",
    "がんばれ、まけるな。がんばれ、まけるな。",
    "タバコは一時の満足、肺ガンは一生の苦しみ。やめるのは今！",
    "タバコにだまされてはいけません。ただの枯れた葉っぱです",
    "タバコ＝血行不良＝皮膚への栄養不足＝皮膚カサカサ＝老化",
    "このキツイ卒煙経験は、あなたを大きく成長させるでしょう",
    "よし！！一週間だ！！よくやった！！エライゾー！！",
    "ゆったりと生活。のんびりと生活。けむりのない生活。",
    "子供の頃を思い出そう。元々タバコなんて必要ないのです",
    "「自分の意志で簡単にやめられない」←コレが煙草害の筆頭",
    "卒煙して１１日目です。アヒル副隊長がお祝いに来ました",
    "リラックス、リラックス。 ひとやすみ、ひとやすみ。",
    "春夏秋冬。いつもおいしい空気。そして、おいしいごはん",
    "キターーー！！２週間だーーー！！よくやったーーー！！",
    "一本だけ。それは絶対にダメ！一本吸ったら全て終わりです",
    "大丈夫。卒煙した多くの先輩達が貴方の味方です",
    "ゆったり、ゆったり。ひとやすみ、ひとやすみ。",
    "臭い新幹線の喫煙車両、臭い空港の喫煙ルーム、さようなら",
    "タバコをやめた貴方の勇気に乾杯！",
    "タバコの煙は有料ですが、おいしい空気は無料です",
    "ヨシー！キター！３週間だ！エライゾー！！",
    "卒煙して２２日目です。アヒル隊長がお祝いに来ました",
    "イライラしたら、気分転換。コーヒーか、お茶でもどーぞ",
    "タバコ臭いという理由だけで振られました・・・",
    "もし夢で煙草を吸っていたら、それはタバコ脳の断末魔",
    "卒煙したいという気持ちがある限り、必ずできるのです",
    "もうタバコに無煙なわたし（おやぢぎゃぐ）",
    "アヒル隊長から一言 「もうすぐ一ヶ月達成です」",
    "吸いたくなったら、まずは大きく深呼吸です",
    "人生を２度楽しめる。卒煙前と卒煙後",
    "きれいな肺で、はーい元気（おやぢぎゃぐ２）",
    "卒煙から１ヶ月経過しました。おめでとうございます",
    "おめでとうございます。卒煙から２ヶ月経過しました",
    "おめでとうございます。卒煙から３ヶ月経過しました",
    "おめでとうございます。卒煙から４ヶ月経過しました",
    "おめでとうございます。卒煙から５ヶ月経過しました",
    "おめでとうございます。卒煙から６ヶ月経過しました",
    "おめでとうございます。卒煙から７ヶ月経過しました",
    "おめでとうございます。卒煙から８ヶ月経過しました",
    "おめでとうございます。卒煙から９ヶ月経過しました",
    "おめでとうございます。卒煙から１０ヶ月経過しました",
    "おめでとうございます。卒煙から１１ヶ月経過しました",
    "～ ご卒煙おめでとうございます ～",
    "卒煙して３３日目です。アヒルの王様がお祝いに来ました",
    "油断は禁物です。一本だけオバケに注意してください",
    "飲み会では特に注意してください",
    "煙草友達の喫煙の誘いには注意してください",
    "気合いだ！気合いだ！気合いだ！気合いだ！気合いだー！",
    "煮詰まったら、フッと肩の力を抜いてリラックスです",
    "がんばれ！がんばれ！がんばれ！がんばれ！がんばれー！",
    "根性です！今日は根性で乗り切るのです！",
    "苦しくなったら気分転換！がんばれー！がんばれー！",
    "ガンバレ！ガンバレ！ガンバレ！ガンバレ！ガンバレー！",
    "今日を乗り切れば、取り合えず一山超えたことになります",
    "そつえん いっかげつ おめでとぉー　がぁーがぁーがぁー",
    "卒煙して１ヶ月越えしましたが、油断は大敵です",
    "卒煙して４４日目です。アヒル副隊長が喜んでいます",
    "卒煙して５５日目です。アヒル隊長が喜んでいます",
    "卒煙して６６日目です。アヒルの王様が喜んでいます",
};
static_assert(std::size(kMessages) == kDailyMessageCount);

constexpr int kFirstMonthMessage = 31; // plus the completed months 1..11
constexpr int kAfterFirstYear = 43;

struct Milestone {
    std::int32_t day;
    int message;
};

constexpr Milestone kMilestones[] = {{33, 44}, {34, 55}, {35, 56}, {44, 57}, {55, 58}, {66, 59}};

// A random alternative replaces a message numbered from..to when the draw lies in rLow..rHigh.
struct Alternative {
    int from;
    int to;
    int rLow;
    int rHigh;
    int message;
};

constexpr int kRMin = std::numeric_limits<int>::min();
constexpr int kRMax = std::numeric_limits<int>::max();

// clang-format off
constexpr Alternative kAlternatives[] = {
    {32, 42, 1, 2, 45},
    {32, 42, 3, 3, 46},
    {32, 42, 4, 4, 47},
    {1, 1, 71, kRMax, 48},
    {1, 1, kRMin, 19, 49},
    {1, 1, 21, 29, 50},
    {2, 2, 71, kRMax, 51},
    {2, 2, kRMin, 19, 52},
    {2, 2, 21, 29, 53},
    {3, 3, 71, kRMax, 54},
};
// clang-format on

} // namespace

int pickDailyMessage(std::int32_t years, std::int32_t months, std::int32_t wholeDays, int r) {
    if (years < 0 || months < 0 || wholeDays < 0)
        return -1;
    std::int32_t number = -1;
    if (years == 0 && months == 0)
        number = wholeDays;
    if (months >= 1 && months <= 11)
        number = kFirstMonthMessage + months;
    if (years > 0)
        number = kAfterFirstYear;
    for (const Milestone& m : kMilestones) {
        if (wholeDays == m.day)
            number = m.message;
    }
    for (const Alternative& a : kAlternatives) {
        if (number >= a.from && number <= a.to && r >= a.rLow && r <= a.rHigh) {
            number = a.message;
            break;
        }
    }
    return number >= 0 && number < kDailyMessageCount ? number : -1;
}

QString dailyMessageText(int number) {
    if (number < 0 || number >= kDailyMessageCount)
        return {};
    return QString::fromUtf8(kMessages[number]);
}

} // namespace kemurina
