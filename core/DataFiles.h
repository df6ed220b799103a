#pragma once

#include "core/Cravings.h"
#include "core/History.h"
#include "core/Records.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace kemurina {

// One record per file, one comma-separated line ending in CR LF, text in code page 932.
QByteArray formatQuitProfileLine(const QuitProfile& profile);
QByteArray formatOptionsLine(const Options& options);
std::optional<QuitProfile> parseQuitProfileLine(QByteArrayView fileBytes);
std::optional<Options> parseOptionsLine(QByteArrayView fileBytes);

// milestone.ini: the moment last told (year, month, day, hour, minute), then 1 or 0 for
// whether milestones are told at all.
QByteArray formatMilestoneLine(const MilestoneRecord& record);
std::optional<MilestoneRecord> parseMilestoneLine(QByteArrayView fileBytes);

// history.ini: one attempt a line in the same conventions, start and end moment, then
// cigarettesPerDay, packPrice and cigaretteLength. Lines may end in LF alone; empty lines
// hold nothing and are dropped. A rewrite gives every line back as it was read.
History parseHistory(QByteArrayView fileBytes);
QByteArray formatHistory(const History& history);
HistoryLine historyLineFor(const Attempt& attempt);

// cravings.ini: one urge a line in the same conventions: year, month, day, hour, minute,
// strength (1-5), trigger (0-8), outcome (1 ridden out, 0 smoked), then the note as a quoted
// text. Lines as in history.ini: LF alone ends one, empty ones are dropped, and a rewrite
// gives every line back as it was read.
CravingLog parseCravings(QByteArrayView fileBytes);
QByteArray formatCravings(const CravingLog& log);
// The line of an urge; its note as storableCravingNote keeps it.
CravingLine cravingLineFor(const Craving& craving);
// A note as the quoted field can carry it: a double quote becomes "”", which reads the same,
// control characters become spaces, a character outside code page 932 becomes "?", and
// spaces at either end go.
QString storableCravingNote(const QString& note);

// Text fields as the file can carry them: the blog address percent-encodes what the line
// cannot hold (quote, control characters, anything outside code page 932), which keeps it
// the same address; the theme name turns such characters into "?", as it can match no key.
QString storableBlogAddress(const QString& address);
QString storableStatusTheme(const QString& theme);
Options storableOptions(Options options);

enum class ReadStatus { Ok, Missing, Unreadable, Malformed };

template <typename Record> struct LoadResult {
    Record record;
    ReadStatus status = ReadStatus::Ok;
};

// The data folder kemurinadata under the start directory and its two files.
class DataStore {
  public:
    explicit DataStore(QString appDir);

    const QString& appDir() const { return m_appDir; }
    QString dataDir() const;
    QString quitProfilePath() const;
    QString optionsPath() const;
    QString historyPath() const;
    QString cravingsPath() const;
    QString milestonePath() const;

    bool ensureDataDir() const;

    // Missing, unreadable or malformed files give that record's defaults (quit moment = now).
    LoadResult<QuitProfile> loadQuitProfile(const DateTimeParts& now) const;
    LoadResult<Options> loadOptions() const;
    // Missing: an empty history. Unreadable (or far too big to be ours): an empty history
    // that must not be saved over the file.
    LoadResult<History> loadHistory() const;
    // The same for the log of urges.
    LoadResult<CravingLog> loadCravings() const;
    // Anything but a readable file gives a record told up to now, with notices on.
    LoadResult<MilestoneRecord> loadMilestoneRecord(const DateTimeParts& now) const;

    // Atomic: the old file stays whole unless the new one was written completely.
    // Returns false when nothing was saved.
    bool saveQuitProfile(const QuitProfile& profile) const;
    bool saveOptions(const Options& options) const;
    bool saveHistory(const History& history) const;
    bool saveCravings(const CravingLog& log) const;
    bool saveMilestoneRecord(const MilestoneRecord& record) const;

  private:
    QString m_appDir;
};

} // namespace kemurina
