#pragma once

#include "core/Records.h"

namespace kemurina::testing {

// Two versions of both records that differ in every field and in length, so that a file
// holding anything but one of them whole is told apart.
struct RecordPair {
    QuitProfile profile;
    Options options;
};

inline RecordPair oldRecords() {
    RecordPair r;
    r.profile = {2009, 5, 17, 21, 30, 20, 300, 85};
    r.options.setupDone = 1;
    return r;
}

inline RecordPair newRecords() {
    RecordPair r;
    r.profile = {2010, 12, 31, 23, 59, 199, 1999, 100};
    r.options.setupDone = 1;
    r.options.tobaccoTaxPer1000 = 99999;
    r.options.profileSuffix = 2;
    r.options.mainLeft = -120;
    r.options.mainTop = 14400;
    r.options.backColor = 255;
    r.options.windowMode = 1;
    // Longer than one page of the disk, so that a torn write would show.
    r.options.blogAddress = QStringLiteral("blog.example.jp/") + QString(4000, QLatin1Char('k'));
    r.options.statusTheme = QStringLiteral("日本旅行");
    return r;
}

} // namespace kemurina::testing
