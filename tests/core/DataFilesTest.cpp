#include "core/Cp932.h"
#include "core/Startup.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

const QByteArray kTheme = encodeCp932("ソルジャー");
const QByteArray kDefaultOptionsLine =
    "0,12244,5,0,5,1,0,0,9241372,16777215,\"kemurina.example.jp/community/\",2,0,0,\"" + kTheme +
    "\"\r\n";
const QuitProfile kProfile{2009, 1, 2, 3, 4, 20, 300, 85};

TEST(DataFiles, ByteForByteRoundTrip) {
    EXPECT_EQ(formatQuitProfileLine(kProfile), "2009,1,2,3,4,20,300,85\r\n");
    EXPECT_EQ(formatOptionsLine(Options{}), kDefaultOptionsLine);
    Options o;
    o.statusTheme = "日本旅行";
    o.blogAddress = "例え.example.jp/掲示板?a=1,b=2";
    o.mainLeft = -120;
    o.backColor = -1;
    EXPECT_EQ(parseOptionsLine(formatOptionsLine(o)), o);
    const QuitProfile p{1900, 2, 29, 23, 59, 1, 2000, -2147483647 - 1};
    EXPECT_EQ(parseQuitProfileLine(formatQuitProfileLine(p)), p);
}

TEST(DataFiles, ToleratesLineEndsAndBlanks) {
    for (const QByteArray line : {"2009,1,2,3,4,20,300,85\n", "2009,1,2,3,4,20,300,85\rjunk",
                                  "2009,1,2,3,4,20,300,85", " 2009 , 1,2,3 ,4,\t20,300,85 \r\n"})
        EXPECT_EQ(parseQuitProfileLine(line), kProfile) << line.constData();
    const auto o =
        parseOptionsLine("1, 12244,5,0,5,1,0,0,9241372,16777215, \"a b\" ,2,0,0,  \"x\"  ");
    ASSERT_TRUE(o);
    EXPECT_EQ(o->blogAddress, "a b");
    EXPECT_EQ(o->statusTheme, "x");
}

TEST(DataFiles, UnstorableTextReadsBackTheSame) {
    Options o;
    o.blogAddress = QString::fromUtf8("a\"b\r\nc") + QChar(0) + QString::fromUtf8("😀e%f €");
    o.statusTheme = QString::fromUtf8("ソル\"ジャー😀");
    const Options stored = storableOptions(o);
    EXPECT_EQ(stored.blogAddress, "a%22b%0D%0Ac%00%F0%9F%98%80e%f %E2%82%AC");
    EXPECT_EQ(stored.statusTheme, "ソル?ジャー?");
    EXPECT_EQ(storableOptions(stored), stored);
    EXPECT_EQ(parseOptionsLine(formatOptionsLine(o)), stored);
}

// Files as they may be found after a crash, a bad copy or a hand edit: none is a record.
struct BadBytes {
    const char* name;
    bool options; // option.ini, else initial.ini
    QByteArray bytes;
};

QByteArray options(const QByteArray& fields) {
    return fields + "\r\n";
}

const BadBytes kBadFiles[] = {
    {"Empty", false, ""},
    {"OnlyLineEnd", true, "\r\n"},
    {"SevenFields", false, "2009,1,2,3,4,20,300\r\n"},
    {"NineFields", false, "2009,1,2,3,4,20,300,85,1\r\n"},
    {"NotANumber", false, "2009,1,2,3,4,twenty,300,85\r\n"},
    {"EmptyField", false, "2009,1,,3,4,20,300,85\r\n"},
    {"Fraction", false, "2009,1.5,2,3,4,20,300,85\r\n"},
    {"AboveInt32", false, "2009,1,2,3,4,2147483648,300,85\r\n"},
    {"BelowInt32", false, "-2147483649,1,2,3,4,20,300,85\r\n"},
    {"TwentyDigits", false, "2009,1,2,3,4,20,99999999999999999999,85\r\n"},
    {"MonthZero", false, "2009,0,2,3,4,20,300,85\r\n"},
    {"MonthThirteen", false, "2009,13,2,3,4,20,300,85\r\n"},
    {"InvalidCp932", false, "2009,1,2\x82,3,4,20,300,85\r\n"},
    {"NulByte", false, QByteArray("2009,1,2,3,4\0,20,300,85\r\n", 25)},
    {"QuotedNumber", false, "2009,1,2,3,4,\"20\",300,85\r\n"},
    {"FourteenFields", true, options("1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp\",2,0,0")},
    {"SixteenFields", true,
     options("1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp\",2,0,0,\"" + kTheme + "\",1")},
    {"ColourIsText", true,
     options("1,12244,5,0,5,1,0,0,blue,16777215,\"a.jp\",2,0,0,\"" + kTheme + "\"")},
    {"UnclosedQuote", true, options("1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp,2,0,0,\"x")},
    {"TextAfterQuote", true, options("0,12244,5,0,5,1,0,0,9241372,16777215,\"a\"b,2,0,0,\"x\"")},
    {"LoneLeadByte", true, options("1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp\",2,0,0,\"\x82")},
    {"OverSixtyFourKiB", true,
     options("1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp\",2,0,0,\"x\"") + QByteArray(65520, ' ')},
};

class OnDisk : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    DataStore store{dir.path()};
    const DateTimeParts now{2010, 10, 1, 12, 34};
};

class BadFile : public OnDisk, public ::testing::WithParamInterface<BadBytes> {};

// Start-up neither trusts nor replaces it: that record's defaults, the other record as saved.
TEST_P(BadFile, DefaultsNoWrite) {
    Options good;
    good.setupDone = 1;
    good.statusTheme = "日本旅行";
    ASSERT_TRUE(store.saveQuitProfile(kProfile) && store.saveOptions(good));
    const bool options = GetParam().options;
    ASSERT_TRUE(
        writeBytes(options ? store.optionsPath() : store.quitProfilePath(), GetParam().bytes));
    const auto before = snapshot(dir.path());
    const StartupRecords started = loadAtStartup(store, now);
    const LoadedRecords loaded = reloadRecords(store, now);
    EXPECT_EQ(options ? loaded.optionsStatus : loaded.profileStatus, ReadStatus::Malformed);
    EXPECT_EQ(loaded.profile, options ? kProfile : QuitProfile::defaultsAt(now));
    EXPECT_EQ(loaded.options, options ? Options{} : good);
    EXPECT_EQ(started.options, loaded.options);
    EXPECT_EQ(snapshot(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Bytes, BadFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OnDisk, SixtyFourKiBIsRead) {
    const QByteArray line = formatQuitProfileLine(kProfile);
    ASSERT_TRUE(
        writeBytes(store.quitProfilePath(), line + QByteArray(64 * 1024 - line.size(), ' ')));
    EXPECT_EQ(store.loadQuitProfile(now).status, ReadStatus::Ok);
}

TEST_F(OnDisk, FirstStartWritesDefaults) {
    const StartupRecords r = loadAtStartup(store, now);
    EXPECT_TRUE(r.quitProfileWritten && r.optionsWritten);
    EXPECT_EQ(fileBytes(store.quitProfilePath()), "2010,10,1,12,34,20,300,85\r\n");
    EXPECT_EQ(fileBytes(store.optionsPath()), kDefaultOptionsLine);
    EXPECT_EQ(chooseStartWindow(r.options), StartWindow::FirstRunSetup);
    ASSERT_TRUE(store.saveOptions(Options{}));
    EXPECT_EQ(fileBytes(store.optionsPath()), kDefaultOptionsLine);
    EXPECT_EQ(QDir(store.dataDir()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    QFile::remove(store.optionsPath());
    EXPECT_EQ(reloadRecords(store, now).optionsStatus, ReadStatus::Missing);
    EXPECT_FALSE(QFile::exists(store.optionsPath())) << "a reload never writes";
}

TEST_F(OnDisk, UnreadableLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(store.quitProfilePath())); // a folder where a file belongs
    ASSERT_TRUE(store.saveOptions(Options{}));
    auto before = snapshot(dir.path());
    EXPECT_FALSE(loadAtStartup(store, now).quitProfileWritten);
    EXPECT_EQ(reloadRecords(store, now).profileStatus, ReadStatus::Unreadable);
    EXPECT_FALSE(store.saveQuitProfile(kProfile)) << "a save must not replace a folder";
    EXPECT_EQ(snapshot(dir.path()), before);

    QTemporaryDir other; // a file where the data folder belongs
    const DataStore blocked(other.path());
    ASSERT_TRUE(writeBytes(blocked.dataDir(), "not a folder"));
    before = snapshot(other.path());
    const StartupRecords r = loadAtStartup(blocked, now);
    EXPECT_FALSE(r.quitProfileWritten || r.optionsWritten);
    EXPECT_EQ(r.profile, QuitProfile::defaultsAt(now));
    EXPECT_EQ(snapshot(other.path()), before);
}

} // namespace
