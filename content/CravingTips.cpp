#include "content/CravingTips.h"

#include <algorithm>

namespace kemurina {

namespace {

constexpr const char* kTriggerNames[kCravingTriggerCount] = {
    "食後", "お酒", "コーヒー", "ストレス", "仕事の合間", "朝", "人が吸っていた", "退屈", "その他",
};

constexpr const char* kSuggestions[] = {
    "コップ一杯の水を、ゆっくり飲んでみましょう。",
    "歯をみがいて、口の中をさっぱりさせましょう。",
    "外の空気を吸いに、少し歩いてみましょう。",
    "肩を回して、大きく伸びをしてみましょう。",
    "冷たい水で顔を洗ってみましょう。",
    "糖分の少ないガムをかんでみましょう。",
    "机の上や引き出しを、少しだけ片づけてみましょう。",
    "好きな曲を一曲、聴いてみましょう。",
    "シャワーを浴びて、気分を切りかえましょう。",
    "氷をひとつ、口にふくんでみましょう。",
    "たばこ代で浮いたお金で、何を買うか考えてみましょう。",
    "その場を離れて、たばこのない場所へ移りましょう。",
};

} // namespace

const char* cravingTriggerName(CravingTrigger trigger) {
    return kTriggerNames[std::min(static_cast<std::size_t>(trigger), kCravingTriggerCount - 1)];
}

std::span<const char* const> cravingSuggestions() {
    return kSuggestions;
}

std::size_t firstSuggestion(int drawPercent) {
    const auto draw = static_cast<std::size_t>(std::clamp(drawPercent, 0, 99));
    return draw * std::size(kSuggestions) / 100;
}

const char* cravingReassurance() {
    return "吸いたい気持ちの波は長く続かず、数分で引いていきます。";
}

const char* cravingWaitHint() {
    return "ゆっくり息をしながら、時間がたつのを待ちましょう。";
}

const char* cravingSource() {
    return "出典：厚生労働省「禁煙支援マニュアル（第二版）」の吸いたい気持ちのコントロール法"
           "（2026年12月7日に参照）";
}

} // namespace kemurina
