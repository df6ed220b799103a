#include "core/Session.h"

#include "core/Cp932.h"
#include "core/EntryRules.h"
#include "support/Files.h"
#include "support/FixedClock.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();

TEST(EntryRules, ValueOfText) {
    const std::pair<QString, std::int32_t> cases[] = {
        {"2009", 2009}, {"  \t12abc", 12}, {"7 5", 7},   {"+8", 8},       {"12.9", 12},
        {".5", 0},      {"-3", -3},        {"-0.5", -1}, {"-2.0", -2},    {"", 0},
        {"-", 0},       {".", 0},          {"x12", 0},   {"２００９", 0}, {"　12", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(valueOfText(text), value) << qPrintable(text);
    const QString nines(400, u'9');
    EXPECT_EQ(valueOfText("2147483648"), kMax);
    EXPECT_EQ(valueOfText(nines), kMax);
    EXPECT_EQ(valueOfText("-" + nines), kMin);
}

TEST(EntryRules, StrictWholeNumber) {
    const std::pair<QString, std::optional<std::int32_t>> cases[] = {
        {"12244", 12244}, {" 5 ", 5},  {"-1", -1},   {"0", 0},  {"2.5", 2},         {"3.5", 4},
        {"2.51", 3},      {"7.49", 7}, {"-2.6", -3}, {"", {}},  {" ", {}},          {"12a", {}},
        {"1 2", {}},      {"２", {}},  {"-", {}},    {".", {}}, {"99999999999", {}}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(strictWholeNumber(text), value) << qPrintable(text);
}

TEST(EntryRules, RangeErrorsCountEachTest) {
    EXPECT_EQ(smokingProfileRangeErrors(1, 1), 0);
    EXPECT_EQ(smokingProfileRangeErrors(200, 2000), 0);
    EXPECT_EQ(smokingProfileRangeErrors(0, 2001), 2);
    EXPECT_EQ(smokingProfileRangeErrors(201, 0), 2);
    const std::pair<DateTimeParts, int> moments[] = {
        {{1900, 1, 1, 0, 0}, 0},  {{2010, 12, 31, 23, 59}, 0}, {{2009, 6, 31, 24, 60}, 3},
        {{2009, 2, 30, 0, 0}, 1}, {{2000, 2, 29, 0, 0}, 0},    {{0, 0, 0, -1, -1}, 5},
        {{2011, 1, 1, 0, 0}, 1},  {{2009, 4, 30, 0, 0}, 0},    {{2009, 13, 1, 0, 0}, 1}};
    for (const auto& [moment, errors] : moments)
        EXPECT_EQ(quitMomentRangeErrors(moment, 2010), errors)
            << moment.year << "-" << moment.month;
}

TEST(EntryRules, LaterThanToTheMinute) {
    EXPECT_FALSE(isLaterThan({2009, 12, 31, 23, 59}, {2010, 1, 1, 0, 0}));
    EXPECT_FALSE(isLaterThan({2010, 1, 1, 0, 0}, {2010, 1, 1, 0, 0}));
    EXPECT_TRUE(isLaterThan({2010, 1, 1, 0, 1}, {2010, 1, 1, 0, 0}));
    EXPECT_TRUE(isLaterThan({2010, 1, 2, 0, 0}, {2010, 1, 1, 23, 59}));
    EXPECT_TRUE(isLaterThan({2010, 2, 1, 0, 0}, {2010, 1, 31, 23, 59}));
}

constexpr DateTimeParts kNow{2010, 10, 1, 12, 0};
const QByteArray kProfileFile = "2009,1,2,3,4,25,410,100\r\n";
const QByteArray kOptionsFile = "1,12244,5,2,7,0,1500,3000,9241372,16777215,"
                                "\"blog.example.jp/me/\",1,4500,6000,\"" +
                                encodeCp932("会社モード") + "\"\r\n";

class SessionTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    DataStore files{dir.path()};
    Session session{dir.path(), std::make_unique<FixedClock>(kNow),
                    std::make_unique<FixedRandom>()};

    QByteArray profileFile() const { return fileBytes(files.quitProfilePath()); }
    QByteArray optionsFile() const { return fileBytes(files.optionsPath()); }
    void writeFiles() {
        ASSERT_TRUE(writeBytes(files.quitProfilePath(), kProfileFile) &&
                    writeBytes(files.optionsPath(), kOptionsFile));
        session.reloadRecords();
    }
};

// The boxes "/"-separated: year, month, day, hour, minute, a day, a pack, tobacco tax,
// consumption tax, years smoked.
SettingsEntry entered(const char* boxes) {
    const QStringList t = QString::fromUtf8(boxes).split(u'/');
    SettingsEntry e;
    std::copy_n(t.begin(), 5, e.quitMoment.begin());
    std::tie(e.cigarettesPerDay, e.packPrice, e.tobaccoTax, e.consumptionTax, e.smokingYears) =
        std::tie(t[5], t[6], t[7], t[8], t[9]);
    e.blogAddress = " \tmy.example.jp/board/ ";
    e.statusTheme = "Space";
    e.corner = {600, 900};
    e.textColor = 255;
    e.backColor = 16711680;
    return e;
}

// Range and future checks stop before anything is written; the taxes and the years only
// once initial.ini is. What a stop leaves in memory is what the files hold.
TEST_F(SessionTest, SettingsSaveInOrder) {
    using enum SaveOutcome;
    const std::tuple<const char*, SaveOutcome, bool> stops[] = {
        {"2009/4/31/0/0/20/300/1/1/1", OutOfRange, false},
        {"1899/1/1/0/0/20/300/1/1/1", OutOfRange, false},
        {"2010/10/1/12/1/20/300/1/1/1", InFuture, false},
        {"2010/10/1/12/1/0/300/1/1/1", OutOfRange, false},
        {"2009/1/2/3/4/33/2001/1/1/1", OutOfRange, false},
        {"2009/1/2/3/4/33/410/x/5/5", OutOfRange, true},
        {"2009/1/2/3/4/33/410/100001/5/5", OutOfRange, true},
        {"2009/1/2/3/4/33/410/0/-1/5", OutOfRange, true},
        {"2009/1/2/3/4/33/410/0/101/5", OutOfRange, true},
        {"2009/1/2/3/4/33/410/0/0/0", OutOfRange, true},
        {"2009/1/2/3/4/33/410/8744/5/100", OutOfRange, true}};
    for (const auto& [boxes, outcome, profileWritten] : stops) {
        writeFiles();
        EXPECT_EQ(session.saveSettings(entered(boxes)), outcome) << boxes;
        EXPECT_EQ(profileFile(), profileWritten ? "2009,1,2,3,4,33,410,100\r\n" : kProfileFile);
        EXPECT_EQ(optionsFile(), kOptionsFile) << boxes;
        EXPECT_EQ(session.state().profile, files.loadQuitProfile(kNow).record) << boxes;
        EXPECT_EQ(session.state().options, files.loadOptions().record) << boxes;
    }
    // The current minute, read leniently; the taxes at their limits.
    SettingsEntry e = entered("2010/10x/ 1/12//200/2000/100000/100/99");
    std::tie(e.cigaretteLength, e.profileSuffix, e.showPackCount) = std::tuple(50, 1, true);
    EXPECT_EQ(session.saveSettings(e), Saved);
    EXPECT_EQ(profileFile(), "2010,10,1,12,0,200,2000,50\r\n");
    EXPECT_EQ(optionsFile(), "1,100000,100,1,99,1,600,900,16711680,255,\"my.example.jp/board/\","
                             "1,4500,6000,\"Space\"\r\n");
    EXPECT_EQ(session.state().options, files.loadOptions().record);
    EXPECT_EQ(session.saveSettings(entered("2010/1/1/0/0/20/300/0/0/1")), Saved); // no tax
    EXPECT_EQ(optionsFile().left(14), "1,0,0,1,1,0,60");
    ASSERT_TRUE(QFile::remove(files.optionsPath()) && QDir().mkpath(files.optionsPath()));
    EXPECT_EQ(session.saveSettings(e), WriteFailed); // option.ini cannot be written
    ASSERT_TRUE(QDir(files.dataDir()).removeRecursively());
    ASSERT_TRUE(writeBytes(files.dataDir(), "a file where the data folder belongs"));
    EXPECT_EQ(session.saveSettings(e), WriteFailed);
}

TEST_F(SessionTest, FirstRun) {
    ASSERT_EQ(session.start(), StartWindow::FirstRunSetup);
    const auto defaults = snapshot(dir.path());
    for (const auto& [perDay, price] :
         {std::pair{"201", "300"}, {"20", "2001"}, {"0", "1"}, {"", ""}, {"２０", "300"}})
        EXPECT_FALSE(session.acceptSetup(perDay, price, 100)) << perDay << " " << price;
    EXPECT_TRUE(session.acceptSetup("200", "2000", 100));
    EXPECT_EQ(session.beginNow(), kNow);
    EXPECT_EQ(snapshot(dir.path()), defaults) << "nothing is written before the start";
    EXPECT_TRUE(session.completeStart({450, 750}));
    EXPECT_EQ(profileFile(), "2010,10,1,12,0,200,2000,100\r\n");
    EXPECT_EQ(optionsFile(), "1,12244,5,0,5,1,450,750,9241372,16777215,"
                             "\"kemurina.example.jp/community/\",2,0,0,\"" +
                                 encodeCp932("ソルジャー") + "\"\r\n");
    ASSERT_TRUE(QFile::remove(files.optionsPath()) && QDir().mkpath(files.optionsPath()));
    EXPECT_FALSE(session.completeStart({450, 750})) << "option.ini could not be written";
}

} // namespace
