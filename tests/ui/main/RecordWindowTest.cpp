#include "support/AppFixture.h"

#include "ui/main/RecordWindow.h"

#include <QTableWidget>

namespace kemurina::testing {
namespace {

// Every text of a list, row after row.
QStringList texts(const QTableWidget* table) {
    QStringList all;
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            all << (table->item(row, column) ? table->item(row, column)->text() : "<none>");
    return all;
}

class RecordWindowTest : public AppTest {
  protected:
    RecordWindow* openFrom(ViewWindow& view) {
        use(view, "mnuRecord");
        return qobject_cast<RecordWindow*>(app->recordWindow());
    }
};

TEST_F(RecordWindowTest, RestartAndFollow) {
    ASSERT_TRUE(startWith(options())); // day 10 of the fixture's attempt
    RecordWindow* record = openFrom(mainView());
    QTableWidget* attempts = record->attemptsTable();
    record->restartButton()->click(); // answered No
    EXPECT_TRUE(platform->questions.value(0).contains("１０日０時間０分"));
    EXPECT_EQ(texts(attempts), QStringList({"まだ記録はありません。", "", "", "", ""}));
    EXPECT_EQ(attempts->columnSpan(0, 0), 5);

    platform->answerYes = true;
    record->restartButton()->click();
    EXPECT_EQ(fileBytes(files.historyPath()), "2010,10,1,12,0,2010,10,11,12,0,20,300,85\r\n");
    EXPECT_EQ(profileFile(), "2010,10,11,12,0,20,300,85\r\n");
    EXPECT_EQ(mainView().valueLabel(ElapsedCaption)->text(), "０年０ヶ月０日０時間０分");
    EXPECT_EQ(texts(attempts).value(2), "１０日０時間０分");
    EXPECT_EQ(attempts->columnSpan(0, 0), 1);

    session->request(
        WindowKind::Settings); // whose window would save its own quit moment over a new one
    record->restartButton()->click();
    child<QPushButton>(shown("Form2"), "Command2")->click(); // キャンセル
    settle();
    EXPECT_EQ(openFrom(miniView()), record) << "open across the views' reopening";

    setElapsed(10, 0, 5);
    session->refresh();
    const RecordView now =
        recordView(session->state().profile, session->state().history, clock->now());
    QStringList timeline, summary;
    for (const RecordTimelineRow& r : now.timeline)
        timeline << r.when << r.change << r.status;
    for (const RecordSummaryRow& r : now.summary)
        summary << r.caption << r.value;
    EXPECT_EQ(texts(record->timelineTable()), timeline);
    EXPECT_EQ(texts(record->summaryTable()), summary);
    for (QWidget* named :
         QWidgetList({record, record->timelineTable(), attempts, record->summaryTable()}))
        EXPECT_FALSE(named->accessibleName().isEmpty()) << named->objectName().toStdString();

    setElapsed(9, 23); // the clock set back before the quit moment
    record->restartButton()->click();
    EXPECT_EQ(platform->messages, QStringList({restartWhileSettingsMessage(),
                                               restartRefusedMessage(RestartCheck::QuitInFuture)}));
    EXPECT_EQ(platform->questions.size(), 2) << "asked for No and Yes only";
}

} // namespace
} // namespace kemurina::testing
