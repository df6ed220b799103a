#include "support/AppFixture.h"

#include "ui/main/RecordWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

namespace kemurina::testing {
namespace {

using RecordWindowTest = AppTest;

// The record item stands last in both menus, after a separator.
void chooseRecordItem(ViewWindow& view) {
    const QList<QAction*> items = view.popupMenu()->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
    EXPECT_EQ(items.last()->text(), QStringLiteral("卒煙の記録を見る"));
    items.last()->trigger();
}

QString cell(QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

TEST_F(RecordWindowTest, TheButtonRecordsTheAttemptAndRestartsOnlyAfterYes) {
    ASSERT_TRUE(startWith(options())); // day 10 of the fixture's attempt
    const QByteArray quitLine = "2010,10,1,12,0,20,300,85\r\n";
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "yes" : "no");
        platform->questionAnswers = {yes};
        chooseRecordItem(mainView());
        auto* record = qobject_cast<RecordWindow*>(app->recordWindow());
        ASSERT_NE(record, nullptr);
        record->restartButton()->click();
        EXPECT_TRUE(platform->questions.last().contains(QStringLiteral("１０日０時間０分")));
        EXPECT_EQ(fileBytes(files.historyPath()),
                  yes ? "2010,10,1,12,0,2010,10,11,12,0,20,300,85\r\n" : "<missing>");
        EXPECT_EQ(fileBytes(files.quitProfilePath()),
                  yes ? "2010,10,11,12,0,20,300,85\r\n" : quitLine);
        EXPECT_EQ(mainView().valueLabel(ElapsedCaption)->text(),
                  yes ? QStringLiteral("０年０ヶ月０日０時間０分")
                      : QStringLiteral("０年０ヶ月１０日０時間０分"));
        EXPECT_EQ(cell(record->attemptsTable(), 0, yes ? 2 : 0),
                  yes ? QStringLiteral("１０日０時間０分")
                      : QStringLiteral("まだ記録はありません。"));
        EXPECT_EQ(record->attemptsTable()->columnSpan(0, 0), yes ? 1 : 5);
        EXPECT_TRUE(record->isVisible());
    }

    // The record window stays open while the views close for the settings and come back,
    // and follows the 30-second refresh.
    auto* record = qobject_cast<RecordWindow*>(app->recordWindow());
    mainView().popupMenu()->findChild<QAction*>(QStringLiteral("mnuSettei"))->trigger();
    // Meanwhile the settings window would save its own quit moment over a new one.
    const qsizetype asked = platform->questions.size();
    record->restartButton()->click();
    EXPECT_EQ(platform->questions.size(), asked);
    EXPECT_TRUE(platform->messages.last().startsWith(QStringLiteral("設定ウィンドウを閉じて")));
    shown("Form2")->close();
    app->showViewForWindowMode();
    settle();
    ASSERT_EQ(app->recordWindow(), record);
    EXPECT_TRUE(record->isVisible());
    setElapsed(10, 0, 5);
    mainView().timer1Tick();
    const RecordView shown = recordView(app->state().profile, app->state().history, clock->now());
    for (std::size_t i = 0; i < shown.timeline.size(); ++i) {
        const RecordTimelineRow& r = shown.timeline[i];
        const int row = static_cast<int>(i);
        EXPECT_EQ(QStringList({cell(record->timelineTable(), row, 0),
                               cell(record->timelineTable(), row, 1),
                               cell(record->timelineTable(), row, 2)}),
                  QStringList({r.when, r.change, r.status}));
    }
    for (std::size_t i = 0; i < shown.summary.size(); ++i)
        EXPECT_EQ(cell(record->summaryTable(), static_cast<int>(i), 1), shown.summary[i].value);
    // Every control says what it is to a screen reader.
    for (QWidget* control : record->findChildren<QAbstractButton*>()) {
        if (!control->isVisibleTo(record))
            continue; // the lists' corner buttons, hidden with their row headers
        EXPECT_FALSE(
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << control->metaObject()->className();
    }
    for (QTableWidget* table : record->findChildren<QTableWidget*>())
        EXPECT_FALSE(table->accessibleName().isEmpty()) << table->objectName().toStdString();
    chooseRecordItem(miniView());
    EXPECT_EQ(app->recordWindow(), record);

    // A clock set back before the quit moment: nothing to ask, nothing recorded, and why.
    setElapsed(9, 23);
    record->restartButton()->click();
    EXPECT_EQ(platform->questions.size(), asked);
    EXPECT_TRUE(platform->messages.last().startsWith(QStringLiteral("卒煙日時が現在の時刻より後")));
    EXPECT_EQ(fileBytes(files.quitProfilePath()), "2010,10,11,12,0,20,300,85\r\n");
}

} // namespace
} // namespace kemurina::testing
