#include "core/Cp932.h"
#include "core/Startup.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

const QByteArray kTheme = encodeCp932("ソルジャー");
const QuitProfile kProfile{2009, 1, 2, 3, 4, 20, 300, 85};
const DateTimeParts kNow{2010, 10, 1, 12, 34};

TEST(DataFiles, ByteForByteRoundTrip) {
    EXPECT_EQ(formatQuitProfileLine(kProfile), "2009,1,2,3,4,20,300,85\r\n");
    const Options o{1,  2,  3,         4, 5, 6, -7, 8, -1, 10, "例.jp/?a=1,b=2", WindowMode{12},
                    13, 14, "日本旅行"};
    const QByteArray line = "1,2,3,4,5,6,-7,8,-1,10,\"" + encodeCp932("例.jp/?a=1,b=2") +
                            "\",12,13,14,\"" + encodeCp932("日本旅行") + "\"\r\n";
    EXPECT_EQ(formatOptionsLine(o), line);
    EXPECT_EQ(parseOptionsLine(line), o);
    const QuitProfile p{1900, 2, 29, 23, 59, 1, 2000, -2147483647 - 1};
    EXPECT_EQ(parseQuitProfileLine(formatQuitProfileLine(p)), p);
}

TEST(DataFiles, UnstorableTextReadsBack) {
    const Options o{.blogAddress = "a\"b\r\nc" + QString(QChar(0)) + "😀e%f €",
                    .statusTheme = "ソル\"ジャー😀"};
    const Options stored = storableOptions(o);
    EXPECT_EQ(stored.blogAddress, "a%22b%0D%0Ac%00%F0%9F%98%80e%f %E2%82%AC");
    EXPECT_EQ(stored.statusTheme, "ソル?ジャー?");
    EXPECT_EQ(storableOptions(stored), stored);
    EXPECT_EQ(parseOptionsLine(formatOptionsLine(o)), stored);
}

// Files as they may be found after a crash, a bad copy or a hand edit: none is a record.
// Start-up neither trusts nor replaces one: that record's defaults, the other record as saved.
TEST(DataFiles, BadFileGivesDefaultsAndStays) {
    const QByteArray numbers = "1,12244,5,0,5,1,0,0,9241372,16777215,";
    const QByteArrayList badFiles[] = {
        {"", "2009,1,2,3,4,20,300,85,1\r\n", "2009,1,2,3,4,twenty,300,85\r\n",
         "2009,1,,3,4,20,300,85\r\n", "2009,1,2,3,4,2147483648,300,85\r\n",
         "-2147483649,1,2,3,4,20,300,85\r\n", "2009,0,2,3,4,20,300,85\r\n",
         "2009,13,2,3,4,20,300,85\r\n", "2009,1,2\x82,3,4,20,300,85\r\n",
         QByteArray("2009,1,2,3,4\0,20,300,85\r\n", 25), "2009,1,2,3,4,\"20\",300,85\r\n"},
        {numbers + "\"a.jp\",2,0,0\r\n",
         "1,12244,5,0,5,1,0,0,blue,16777215,\"a\",2,0,0,\"" + kTheme + "\"\r\n",
         numbers + "\"a.jp,2,0,0,\"x\r\n", numbers + "\"a\"b,2,0,0,\"x\"\r\n",
         numbers + "\"a.jp\",2,0,0,\"\x82\r\n",
         (numbers + "\"a\",2,0,0,\"x\"\r\n").leftJustified(64 * 1024 + 1)}};
    const Options good{.setupDone = 1, .statusTheme = "日本旅行"};
    for (const bool options : {false, true}) {
        for (const QByteArray& bytes : badFiles[options]) {
            SCOPED_TRACE(bytes.left(60).constData());
            QTemporaryDir dir;
            const DataStore store(dir.path());
            ASSERT_TRUE(store.saveQuitProfile(kProfile) && store.saveOptions(good));
            ASSERT_TRUE(writeBytes(options ? store.optionsPath() : store.quitProfilePath(), bytes));
            const auto before = snapshot(dir.path());
            const StartupRecords started = loadAtStartup(store, kNow);
            const LoadedRecords loaded = reloadRecords(store, kNow);
            EXPECT_EQ(options ? loaded.optionsStatus : loaded.profileStatus, ReadStatus::Malformed);
            EXPECT_EQ(loaded.profile, options ? kProfile : QuitProfile::defaultsAt(kNow));
            EXPECT_EQ(loaded.options, options ? Options{} : good);
            EXPECT_EQ(started.options, loaded.options);
            EXPECT_EQ(snapshot(dir.path()), before);
        }
    }
}

class OnDisk : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    DataStore store{dir.path()};
};

// A record is read up to 64 KiB, a log up to its own limit; a larger file is none. A missing
// log is an empty one and stays missing.
TEST_F(OnDisk, SizeLimitsAndMissingLogs) {
    EXPECT_EQ(store.loadHistory().status, ReadStatus::Missing);
    EXPECT_EQ(store.loadCravings().status, ReadStatus::Missing);
    EXPECT_FALSE(QFile::exists(store.historyPath()) || QFile::exists(store.cravingsPath()));
    const QByteArray line = formatQuitProfileLine(kProfile).leftJustified(64 * 1024);
    ASSERT_TRUE(writeBytes(store.quitProfilePath(), line));
    ASSERT_TRUE(writeBytes(store.historyPath(), QByteArray(4 * 1024 * 1024 + 1, '\n')));
    ASSERT_TRUE(writeBytes(store.cravingsPath(), QByteArray(16 * 1024 * 1024 + 1, '\n')));
    EXPECT_EQ(store.loadQuitProfile(kNow).status, ReadStatus::Ok);
    EXPECT_EQ(store.loadHistory().status, ReadStatus::Unreadable);
    EXPECT_EQ(store.loadCravings().status, ReadStatus::Unreadable);
}

TEST_F(OnDisk, FirstStartWritesDefaults) {
    const StartupRecords r = loadAtStartup(store, kNow);
    EXPECT_TRUE(r.quitProfileWritten && r.optionsWritten);
    EXPECT_EQ(fileBytes(store.quitProfilePath()), "2010,10,1,12,34,20,300,85\r\n");
    EXPECT_EQ(fileBytes(store.optionsPath()),
              "0,12244,5,0,5,1,0,0,9241372,16777215,\"kemurina.example.jp/community/\",2,0,0,\"" +
                  kTheme + "\"\r\n");
    QFile::remove(store.optionsPath());
    EXPECT_EQ(reloadRecords(store, kNow).optionsStatus, ReadStatus::Missing);
    EXPECT_FALSE(QFile::exists(store.optionsPath())) << "a reload never writes";
}

} // namespace
