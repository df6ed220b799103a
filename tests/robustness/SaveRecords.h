#pragma once

#include "core/Records.h"

namespace kemurina::testing {

struct RecordPair {
    QuitProfile profile;
    Options options;
};

// Two versions of both records that differ in length, so that a file holding anything but
// one of them whole is told apart.
inline RecordPair records(bool newer) {
    RecordPair r;
    r.profile = newer ? QuitProfile{2010, 12, 31, 23, 59, 199, 1999, 100}
                      : QuitProfile{2009, 5, 17, 21, 30, 20, 300, 85};
    r.options.setupDone = 1;
    if (newer) // longer than one page of the disk, so that a torn write would show
        r.options.blogAddress = "blog.example.jp/" + QString(4000, u'k');
    return r;
}

} // namespace kemurina::testing
