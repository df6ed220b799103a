#include "core/DataFiles.h"

#include "core/Cp932.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;

namespace {

QByteArray cp932(const char* utf8) {
    return encodeCp932(QString::fromUtf8(utf8));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const QByteArray kDefaultOptionsLine =
    "0,12244,5,0,5,1,0,0,9241372,16777215,\"kemurina.example.jp/community/\",2,0,0,\"" +
    cp932("ソルジャー") + "\"\r\n";

} // namespace

TEST(LineFormat, WritesTheRecordsByteForByte) {
    EXPECT_EQ(formatQuitProfileLine({2009, 1, 2, 3, 4, 20, 300, 85}), "2009,1,2,3,4,20,300,85\r\n");
    EXPECT_EQ(formatOptionsLine(Options{}), kDefaultOptionsLine);
    Options o;
    o.mainLeft = -120;
    EXPECT_TRUE(formatOptionsLine(o).contains(",-120,"));
}

TEST(LineFormat, ReadsWhatItWritesIncludingJapaneseAndNegativeNumbers) {
    Options o;
    o.statusTheme = QStringLiteral("日本旅行");
    o.blogAddress = QStringLiteral("例え.example.jp/掲示板?a=1,b=2");
    o.mainLeft = -120;
    o.backColor = -1;
    const auto back = parseOptionsLine(formatOptionsLine(o));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, o);
    const QuitProfile p{1900, 2, 29, 23, 59, 1, 2000, 100};
    EXPECT_EQ(parseQuitProfileLine(formatQuitProfileLine(p)), p);
}

TEST(LineFormat, ToleratesLfCrAndBlanksAroundFields) {
    const QuitProfile expected{2009, 1, 2, 3, 4, 20, 300, 85};
    for (const QByteArray& line :
         {QByteArray("2009,1,2,3,4,20,300,85\n"), QByteArray("2009,1,2,3,4,20,300,85\rjunk"),
          QByteArray("2009,1,2,3,4,20,300,85"), QByteArray(" 2009 , 1,2,3 ,4,\t20,300,85 \r\n")})
        EXPECT_EQ(parseQuitProfileLine(line), expected) << line.constData();
    const auto o =
        parseOptionsLine("1, 12244,5,0,5,1,0,0,9241372,16777215, \"a b\" ,2,0,0,  \"x\"  \r\n");
    ASSERT_TRUE(o);
    EXPECT_EQ(o->blogAddress, "a b");
    EXPECT_EQ(o->statusTheme, "x");
}

TEST(LineFormat, RejectsFractionsAndTextAfterAClosingQuote) {
    // The table of bad files on disk covers the rest.
    EXPECT_FALSE(parseQuitProfileLine("2009,1.5,2,3,4,20,300,85"));
    EXPECT_TRUE(parseQuitProfileLine("2009,1,2,3,4,20,300,-2147483648"));
    EXPECT_FALSE(parseOptionsLine("0,12244,5,0,5,1,0,0,9241372,16777215,\"a\"b,2,0,0,\"x\""));
}

TEST(LineFormat, TextTheLineCannotCarryStillReadsBackAsTheSameRecord) {
    Options o;
    o.blogAddress = QString::fromUtf8("a\"b\r\nc") + QChar(0) + QString::fromUtf8("😀e%f €");
    o.statusTheme = QString::fromUtf8("ソル\"ジャー😀");
    const Options stored = storableOptions(o);
    EXPECT_EQ(stored.blogAddress, "a%22b%0D%0Ac%00%F0%9F%98%80e%f %E2%82%AC");
    EXPECT_EQ(stored.statusTheme, "ソル?ジャー?");
    EXPECT_EQ(storableOptions(stored), stored);
    EXPECT_EQ(parseOptionsLine(formatOptionsLine(o)), stored);
    EXPECT_EQ(formatOptionsLine(o), formatOptionsLine(stored));
}

class DataStoreTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    DataStore store{dir.path()};
    const DateTimeParts now{2010, 10, 1, 12, 34};
};

TEST_F(DataStoreTest, SavingTwiceGivesIdenticalBytesAndLoadsBack) {
    Options o;
    o.statusTheme = QStringLiteral("会社モード");
    ASSERT_TRUE(store.saveOptions(o));
    const QByteArray first = readAll(store.optionsPath());
    ASSERT_TRUE(store.saveOptions(o));
    EXPECT_EQ(readAll(store.optionsPath()), first);
    EXPECT_EQ(store.loadOptions().record, o);
    EXPECT_EQ(store.loadOptions().status, ReadStatus::Ok);
    EXPECT_TRUE(QDir(store.dataDir()).entryList(QDir::Files | QDir::Hidden).size() == 1)
        << "no temporary file is left behind";
}
