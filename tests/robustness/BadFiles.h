#pragma once

#include "core/Cp932.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kemurina::testing {

// Data files as they may be found after a crash, a bad copy or a hand edit. None of them
// is a record: each must give that record's defaults.
struct BadFile {
    const char* name;
    QByteArray bytes;
};

inline QByteArray mebibyteLine(const QByteArray& head, const QByteArray& tail) {
    return head + QByteArray(1024 * 1024, '7') + tail;
}

inline std::vector<BadFile> badProfileFiles() {
    return {
        {"Empty", ""},
        {"OnlyLineEnd", "\r\n"},
        {"SevenFields", "2009,1,2,3,4,20,300\r\n"},
        {"NineFields", "2009,1,2,3,4,20,300,85,1\r\n"},
        {"NotANumber", "2009,1,2,3,4,twenty,300,85\r\n"},
        {"EmptyField", "2009,1,,3,4,20,300,85\r\n"},
        {"AboveInt32", "2009,1,2,3,4,2147483648,300,85\r\n"},
        {"BelowInt32", "-2147483649,1,2,3,4,20,300,85\r\n"},
        {"TwentyDigits", "2009,1,2,3,4,20,99999999999999999999,85\r\n"},
        {"MonthZero", "2009,0,2,3,4,20,300,85\r\n"},
        {"MonthThirteen", "2009,13,2,3,4,20,300,85\r\n"},
        {"InvalidCp932", "2009,1,2\x82,3,4,20,300,85\r\n"},
        {"NulByte", QByteArray("2009,1,2,3,4\0,20,300,85\r\n", 25)},
        {"MebibyteLine", mebibyteLine("2009,1,2,3,4,20,300,", "\r\n")},
        {"QuotedNumber", "2009,1,2,3,4,\"20\",300,85\r\n"},
    };
}

inline std::vector<BadFile> badOptionsFiles() {
    const QByteArray theme = encodeCp932(QStringLiteral("ソルジャー"));
    return {
        {"Empty", ""},
        {"OnlyLineEnd", "\r\n"},
        {"FourteenFields", "1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp\",2,0,0\r\n"},
        {"SixteenFields",
         "1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp\",2,0,0,\"" + theme + "\",1\r\n"},
        {"NotANumber", "1,12244,5,0,5,1,0,0,blue,16777215,\"a.jp\",2,0,0,\"" + theme + "\"\r\n"},
        {"AboveInt32",
         "1,12244,5,0,5,1,0,0,4294967295,16777215,\"a.jp\",2,0,0,\"" + theme + "\"\r\n"},
        {"UnclosedQuote", "1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp,2,0,0,\"x\r\n"},
        {"InvalidCp932", "1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp\",2,0,0,\"\x81\x7f\"\r\n"},
        {"LoneLeadByteAtEnd", "1,12244,5,0,5,1,0,0,9241372,16777215,\"a.jp\",2,0,0,\"\x82\r\n"},
        {"NulByte",
         QByteArray("1,12244,5,0,5,1,0,0,9241372,16777215,\"a\0.jp\",2,0,0,\"x\"\r\n", 55)},
        {"MebibyteLine",
         mebibyteLine("1,12244,5,0,5,1,0,0,9241372,16777215,\"", "\",2,0,0,\"" + theme + "\"\r\n")},
    };
}

inline std::string caseName(const ::testing::TestParamInfo<BadFile>& info) {
    return info.param.name;
}

} // namespace kemurina::testing
