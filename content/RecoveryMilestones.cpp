#include "content/RecoveryMilestones.h"

namespace kemurina {

namespace {

// A month counts as 30 days and a year as 365: the source gives these times only roughly.
constexpr std::int32_t kHour = 60;
constexpr std::int32_t kDay = 24 * kHour;
constexpr std::int32_t kMonth = 30 * kDay;
constexpr std::int32_t kYear = 365 * kDay;

constexpr RecoveryMilestone kMilestones[] = {
    {"２０分", "血圧と脈拍が下がり、手足の冷えがやわらいで温かくなってきます。", 20, 20},
    {"８時間", "血液中の一酸化炭素が減り、からだに運ばれる酸素が増えてきます。", 8 * kHour,
     8 * kHour},
    {"２４時間", "心臓発作の起こる危険が下がりはじめます。", kDay, kDay},
    {"数日", "味やにおいがよくわかるようになり、歩くのも楽になってきます。", 3 * kDay, 3 * kDay},
    {"２週間〜３か月", "心臓や血管の血のめぐりがよくなっていきます。", 14 * kDay, 3 * kMonth},
    {"１〜９か月", "せきが減り、体力が戻ってきて、かぜなどの感染症にかかりにくくなります。", kMonth,
     9 * kMonth},
    {"１年", "肺の働きがよくなってきます（軽い・中くらいのＣＯＰＤの人の場合）。", kYear, kYear},
    {"２〜４年",
     "虚血性心疾患の危険が、吸い続けた人より３５％ほど低くなり、脳卒中の危険もはっきり下がり"
     "ます。",
     2 * kYear, 4 * kYear},
    {"５〜９年", "肺がんの危険が、吸い続けた人よりはっきり低くなります。", 5 * kYear, 9 * kYear},
    {"１０〜１５年", "さまざまな病気の危険が、たばこを吸ったことのない人に近づいていきます。",
     10 * kYear, 15 * kYear},
};

} // namespace

std::span<const RecoveryMilestone> recoveryMilestones() {
    return kMilestones;
}

const char* recoverySource() {
    return "出典：厚生労働省 e-ヘルスネット「禁煙の効果」（2026年12月7日に参照）";
}

} // namespace kemurina
