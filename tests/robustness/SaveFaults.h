#pragma once

#include "core/DataFiles.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace kemurina::testing {

class SaveFaults : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(save(false)); }
    bool save(bool newer) const {
        return store.saveQuitProfile(profiles[newer]) && store.saveOptions(options[newer]);
    }
    QDir folder() const { return QDir(store.dataDir()); }
    // 0 or 1: the file (or a temporary one beside it) holds the old or the new record whole.
    int version(const QString& name) const {
        const QByteArray bytes = fileBytes(folder().filePath(name));
        for (const int v : {0, 1})
            if (bytes == (name.startsWith("initial") ? formatQuitProfileLine(profiles[v])
                                                     : formatOptionsLine(options[v])))
                return v;
        return -1;
    }

    // The newer records find no room; the old files stay as they were with nothing beside
    // them, and once there is room again the next save succeeds.
    void expectOldFilesUntilRoom(const std::function<void()>& makeRoom) {
        EXPECT_FALSE(store.saveOptions(options[1]));
        EXPECT_FALSE(store.saveQuitProfile(profiles[1]));
        makeRoom();
        EXPECT_EQ(folder().entryList(QDir::Files | QDir::Hidden),
                  QStringList({"initial.ini", "option.ini"}));
        EXPECT_EQ(version("initial.ini"), 0);
        EXPECT_EQ(version("option.ini"), 0);
        EXPECT_TRUE(save(true));
        EXPECT_EQ(version("option.ini"), 1);
    }

    QTemporaryDir dir;
    DataStore store{dir.path()};
    // Two versions of both records that differ in length; the newer options are longer than
    // a page of the disk, so that a torn write would show.
    const QuitProfile profiles[2] = {{2009, 5, 17, 21, 30, 20, 300, 85},
                                     {2010, 12, 31, 23, 59, 199, 1999, 100}};
    const Options options[2] = {
        {.setupDone = 1},
        {.setupDone = 1, .blogAddress = "blog.example.jp/" + QString(4000, u'k')}};
};

} // namespace kemurina::testing
