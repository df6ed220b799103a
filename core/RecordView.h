#pragma once

#include "core/DataFiles.h"
#include "core/History.h"
#include "core/Recovery.h"

#include <QString>
#include <vector>

namespace kemurina {

struct RecordTimelineRow {
    QString when;   // ２週間〜３か月
    QString change; // what happens in the body
    QString status; // 達成, 進行中, これから, or the time left for the next one
    bool next = false;
};

struct RecordAttemptRow {
    QString start; // 2010年10月1日 12:00
    QString end;
    QString duration; // １２日３時間５分
    QString cigarettes;
    QString money;
    bool readable = true; // false: start names the line as unreadable, end holds its text
};

struct RecordSummaryRow {
    QString caption;
    QString value;
};

// Every text of the record window, built from the records and the clock.
struct RecordView {
    std::vector<RecordTimelineRow> timeline;
    QString source;
    std::vector<RecordAttemptRow> attempts; // newest first, unreadable lines last
    QString noAttempts;                     // what stands in for an empty list, else ""
    std::vector<RecordSummaryRow> summary;  // the current attempt, counts and totals
};

QString recoveryHeading(); // からだの回復
QString attemptsHeading(); // これまでの挑戦
QString summaryHeading();  // いまの挑戦と合計

// Whole days, hours and minutes in full-width digits, leading zero units left out:
// "３時間１２分", "５０日０時間０分", "０分". Negative spans count as none.
QString durationText(std::int64_t minutes);
QString timeLeftText(std::int64_t minutes); // あと３時間１２分

// A history file that could not be read shows as an empty list that says so.
RecordView recordView(const QuitProfile& profile, const LoadResult<History>& history,
                      const DateTimeParts& now);

// Both parts as plain lines joined by CR LF, for a terminal or a file.
QString recordText(const RecordView& view);

// The restart button's question, naming the duration of the attempt it would record.
QString restartQuestion(const QuitProfile& profile, const DateTimeParts& now);
QString restartRefusedMessage(RestartCheck check);
QString restartWhileSettingsMessage();
QString historyUnreadableMessage();
QString recordSaveFailedMessage();

} // namespace kemurina
