#include "ui/dialogs/HelpWindow.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The help speaks of this desktop: secure site addresses, no other system's tools.
TEST(HelpText, DescribesThisDesktopAndItsSecureAddresses) {
    const QString document = kemurina::helpDocument();
    // "「http://」" is the settings window's fixed prefix, named as it stands.
    EXPECT_FALSE(document.contains(QRegularExpression(QStringLiteral("http://[a-z]"))));
    EXPECT_TRUE(document.contains(QStringLiteral("https://kemurina.example.jp/community/")));
    for (const char* elsewhere : {"Windows", "コントロールパネル", "ランタイム", "画面右下",
                                  "ケムリナのフォルダ", "レジストリ"})
        EXPECT_FALSE(document.contains(QString::fromUtf8(elsewhere))) << elsewhere;
    for (const char* here : {"~/.local/share/kemurina/kemurinadata/", "sudo apt remove kemurina",
                             "通知領域（タスクトレイ）", "Debian 12"})
        EXPECT_TRUE(document.contains(QString::fromUtf8(here))) << here;
}

} // namespace
