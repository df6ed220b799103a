#include "content/ComparisonObjects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using kemurina::comparisonObjects;
using kemurina::lengthInMetres;
using kemurina::notSmokedTexts;
using kemurina::pickComparison;
using testing::StartsWith;

namespace {

std::string pick(double lengthMm) {
    return pickComparison(lengthMm).toStdString();
}

std::string caption(double lengthMm, std::int32_t count, std::int32_t cigaretteLength,
                    std::int32_t showPackCount = 1) {
    return notSmokedTexts(lengthMm, count, cigaretteLength, showPackCount).caption.toStdString();
}

std::string sentence(double lengthMm, std::int32_t count, std::int32_t cigaretteLength) {
    return notSmokedTexts(lengthMm, count, cigaretteLength, 1).sentence.toStdString();
}

} // namespace

TEST(ComparisonObjects, PickAtAndBetweenRows) {
    EXPECT_EQ(pick(0), "ガンバレ－");
    EXPECT_EQ(pick(109.9), "ガンバレ－");
    EXPECT_EQ(pick(110), "ダチョウの卵");
    EXPECT_EQ(pick(179.99), "ダチョウの卵");
    EXPECT_EQ(pick(180), "鉛筆");
    EXPECT_EQ(pick(609600), "シカゴ・スパイア（仮）");
    EXPECT_EQ(pick(626999.9), "シカゴ・スパイア（仮）");
    EXPECT_EQ(pick(627000), "若戸大橋");
    EXPECT_EQ(pick(628800), "ＫＴＨＩテレビ塔");
    EXPECT_EQ(pick(629999.99), "ＫＴＨＩテレビ塔");
    EXPECT_EQ(pick(630000), "打上花火３０号の到達高度");
    EXPECT_EQ(pick(633999), "打上花火３０号の到達高度");
    EXPECT_EQ(pick(634000), "東京スカイツリー");
    EXPECT_EQ(pick(799999999.9), "国道１号線");
    EXPECT_EQ(pick(800000000), "成層圏を脱しました！");
    EXPECT_EQ(pick(1e300), "成層圏を脱しました！");
}

TEST(ComparisonObjects, PickOutsideTheTable) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(pick(inf), "成層圏を脱しました！");
    EXPECT_EQ(pick(-1700), "ガンバレ－");
    EXPECT_EQ(pick(-inf), "ガンバレ－");
    EXPECT_EQ(pick(std::nan("")), "ガンバレ－");
}

TEST(ComparisonObjects, MetresKeepTwoDecimalsWithHalvesToEven) {
    EXPECT_EQ(lengthInMetres(1700), 1.7);
    EXPECT_EQ(lengthInMetres(500), 0.5);
    EXPECT_EQ(lengthInMetres(5), 0.0);
    EXPECT_EQ(lengthInMetres(15), 0.02);
    EXPECT_EQ(lengthInMetres(25), 0.02);
    EXPECT_EQ(lengthInMetres(55), 0.06);
    EXPECT_EQ(lengthInMetres(1234), 1.23);
    EXPECT_EQ(lengthInMetres(-1700), -1.7);
}

TEST(ComparisonObjects, OneDayOfTwentyRegularCigarettes) {
    EXPECT_EQ(caption(1700, 20, 85, 1), "1箱 1.7ｍ シーラカンス");
    EXPECT_EQ(caption(1700, 20, 85, 0), "20本 1.7ｍ シーラカンス");
    EXPECT_EQ(sentence(1700, 20, 85),
              "節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵します。");
}

TEST(ComparisonObjects, ZeroCigarettesAlwaysCountSingly) {
    for (std::int32_t option : {0, 1}) {
        EXPECT_EQ(caption(0, 0, 85, option), "0本 0ｍ ガンバレ－");
        EXPECT_EQ(caption(0, 0, 50, option), "0本 0ｍ ガンバレ－");
    }
    EXPECT_EQ(sentence(0, 0, 85), "節煙本数は０本で、これは０ｍのガンバレ－に匹敵します。");
    // Half a day at one a day: the length is not zero but the count is.
    EXPECT_EQ(caption(42.5, 0, 85), "0本 .04ｍ ガンバレ－");
}

TEST(ComparisonObjects, ShortCigarettesComeInPacksOfTen) {
    EXPECT_EQ(caption(500, 10, 50), "1箱 .5ｍ ノミのジャンプ");
    EXPECT_EQ(sentence(500, 10, 50),
              "節煙本数は１０本で、これは．５ｍのノミのジャンプに匹敵します。");
    EXPECT_EQ(caption(1500, 30, 50), "3箱 1.5ｍ ブリ");
    EXPECT_THAT(caption(1500, 30, 85), StartsWith("30本 "));
    EXPECT_EQ(caption(5000, 100, 50), "10箱 5ｍ 日本一の鬼瓦");
    EXPECT_EQ(caption(10000, 200, 50), "1カートン 10ｍ 蒸気機関車Ｄ５１");
}

TEST(ComparisonObjects, CartonsHoldTwoHundredForEveryLength) {
    for (std::int32_t length : {50, 85, 100}) {
        const double mm = 200.0 * length;
        EXPECT_THAT(caption(mm, 200, length), StartsWith("1カートン ")) << length;
        EXPECT_THAT(caption(2 * mm, 400, length), StartsWith("2カートン ")) << length;
        EXPECT_THAT(caption(mm, 200, length, 0), StartsWith("200本 ")) << length;
    }
    EXPECT_EQ(caption(18700, 220, 85), "11箱 18.7ｍ Ｚガンダム");
    EXPECT_EQ(caption(18280, 215, 85), "215本 18.28ｍ ガンダム(RX-78)");
    EXPECT_EQ(caption(2000, 20, 100), "1箱 2ｍ アホウドリの翼長");
    // Only the value 1 switches the pack count on.
    EXPECT_EQ(caption(1700, 20, 85, 2), "20本 1.7ｍ シーラカンス");
}

TEST(ComparisonObjects, NegativeAndExtremeCounts) {
    EXPECT_EQ(caption(-1700, -20, 85), "-1箱 -1.7ｍ ガンバレ－");
    EXPECT_EQ(sentence(-1700, -20, 85),
              "節煙本数は－２０本で、これは－１．７ｍのガンバレ－に匹敵します。");
    constexpr std::int32_t minCount = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t maxCount = std::numeric_limits<std::int32_t>::max();
    EXPECT_THAT(caption(-1e12, minCount, 50), StartsWith("-2147483648本 "));
    EXPECT_THAT(caption(1e12, maxCount, 85), StartsWith("2147483647本 "));
    EXPECT_THAT(caption(-1e12, -2147483600, 85), StartsWith("-10737418カートン "));
}
