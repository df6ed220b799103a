#include "content/ComparisonObjects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kemurina;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ComparisonObjects, PickTheLastRowNotLonger) {
    const std::pair<double, const char*> cases[] = {{0, "ガンバレ－"},
                                                    {109.9, "ガンバレ－"},
                                                    {110, "ダチョウの卵"},
                                                    {179.99, "ダチョウの卵"},
                                                    {180, "鉛筆"},
                                                    {626999.9, "シカゴ・スパイア（仮）"},
                                                    {627000, "若戸大橋"},
                                                    {633999, "打上花火３０号の到達高度"},
                                                    {634000, "東京スカイツリー"},
                                                    {799999999.9, "国道１号線"},
                                                    {800000000, "成層圏を脱しました！"},
                                                    {kInf, "成層圏を脱しました！"},
                                                    {-1700, "ガンバレ－"},
                                                    {-kInf, "ガンバレ－"},
                                                    {std::nan(""), "ガンバレ－"}};
    for (const auto& [mm, label] : cases)
        EXPECT_EQ(pickComparison(mm), QString::fromUtf8(label)) << mm;
}

TEST(ComparisonObjects, MetresRoundHalvesToEven) {
    const std::pair<double, double> cases[] = {{1700, 1.7}, {5, 0},       {15, 0.02},   {25, 0.02},
                                               {55, 0.06},  {1234, 1.23}, {-1700, -1.7}};
    for (const auto& [mm, metres] : cases)
        EXPECT_EQ(lengthInMetres(mm), metres) << mm;
}

TEST(ComparisonObjects, PacksAndCartonsAtExactMultiples) {
    struct Case {
        double mm;
        std::int32_t count, length, packs;
        const char* caption;
    };
    for (const Case& c :
         {Case{1700, 20, 85, 1, "1箱 1.7ｍ シーラカンス"},
          Case{1700, 20, 85, 0, "20本 1.7ｍ シーラカンス"},
          Case{1700, 20, 85, 2, "20本 1.7ｍ シーラカンス"}, Case{0, 0, 50, 1, "0本 0ｍ ガンバレ－"},
          Case{42.5, 0, 85, 1, "0本 .04ｍ ガンバレ－"},
          Case{500, 10, 50, 1, "1箱 .5ｍ ノミのジャンプ"}, Case{1500, 30, 50, 1, "3箱 1.5ｍ ブリ"},
          Case{2550, 30, 85, 1, "30本 2.55ｍ ダチョウ"},
          Case{10000, 200, 50, 1, "1カートン 10ｍ 蒸気機関車Ｄ５１"},
          Case{17000, 200, 85, 1, "1カートン 17ｍ シャア専用ザク"},
          Case{40000, 400, 100, 1, "2カートン 40ｍ ウルトラマン"},
          Case{18700, 220, 85, 1, "11箱 18.7ｍ Ｚガンダム"},
          Case{18280, 215, 85, 1, "215本 18.28ｍ ガンダム(RX-78)"},
          Case{-1700, -20, 85, 1, "-1箱 -1.7ｍ ガンバレ－"},
          Case{-1e12, -2147483600, 85, 1, "-10737418カートン -1000000000ｍ ガンバレ－"},
          Case{1e12, 2147483647, 85, 1, "2147483647本 1000000000ｍ 成層圏を脱しました！"}})
        EXPECT_EQ(notSmokedTexts(c.mm, c.count, c.length, c.packs).caption,
                  QString::fromUtf8(c.caption))
            << c.count << " of " << c.length;
}

TEST(ComparisonObjects, SentenceInFullWidth) {
    const std::tuple<double, std::int32_t, std::int32_t, const char*> cases[] = {
        {1700, 20, 85, "節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵します。"},
        {500, 10, 50, "節煙本数は１０本で、これは．５ｍのノミのジャンプに匹敵します。"},
        {-1700, -20, 85, "節煙本数は－２０本で、これは－１．７ｍのガンバレ－に匹敵します。"}};
    for (const auto& [mm, count, length, sentence] : cases)
        EXPECT_EQ(notSmokedTexts(mm, count, length, 1).sentence, QString::fromUtf8(sentence));
}

} // namespace
