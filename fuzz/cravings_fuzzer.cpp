// Arbitrary bytes as cravings.ini: parsing, rewriting, loading and appending through the data
// folder, the pattern figures of both scopes and every text built from them.
//
// Input: five 32-bit clock parts for now, five for the quit moment, then the file's bytes.

#include "FuzzInput.h"
#include "core/CravingView.h"
#include "core/DataFiles.h"

#include <QDir>
#include <QFile>
#include <numeric>

using namespace kemurina;
using kemurina::fuzzing::FuzzInput;
using kemurina::fuzzing::scratchStore;

namespace {

template <typename Counts> std::int64_t sum(const Counts& counts) {
    return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
}

// Every line comes back as read; what could be read is what its own line says.
void checkLines(const CravingLog& log) {
    const CravingLog again = parseCravings(formatCravings(log));
    FUZZ_CHECK(again.lines.size() == log.lines.size());
    for (std::size_t i = 0; i < log.lines.size(); ++i) {
        FUZZ_CHECK(again.lines[i].bytes == log.lines[i].bytes);
        FUZZ_CHECK(again.lines[i].craving == log.lines[i].craving);
        if (const auto& c = log.lines[i].craving) {
            FUZZ_CHECK(isValidCraving(*c));
            const CravingLine written = cravingLineFor(*c);
            FUZZ_CHECK(parseCravings(written.bytes).lines.at(0).craving == written.craving);
            FUZZ_CHECK(storableCravingNote(written.craving->note) == written.craving->note);
        }
    }
}

void checkStats(const CravingLog& log, const DateTimeParts& quit, const DateTimeParts& now) {
    const CravingStats all = cravingStats(log, quit, now, CravingScope::AllTime);
    const CravingStats attempt = cravingStats(log, quit, now, CravingScope::CurrentAttempt);
    FUZZ_CHECK(all.total + all.unreadableLines == static_cast<std::int64_t>(log.lines.size()));
    FUZZ_CHECK(attempt.total <= all.total && attempt.riddenOut <= all.riddenOut);
    for (const CravingStats* s : {&all, &attempt}) {
        FUZZ_CHECK(s->riddenOut <= s->total);
        FUZZ_CHECK(sum(s->byHour) == s->total && sum(s->byTrigger) == s->total);
        FUZZ_CHECK(sum(s->lastThirtyDays) <= s->total);
        std::int64_t inWeeks = 0;
        for (const CravingWeek& w : s->weeks) {
            inWeeks += w.count;
            if (const auto average = w.averageStrength())
                FUZZ_CHECK(*average >= kWeakestCraving && *average <= kStrongestCraving);
        }
        FUZZ_CHECK(inWeeks <= s->total && inWeeks >= sum(s->lastThirtyDays));
        for (const CravingScope scope : {CravingScope::CurrentAttempt, CravingScope::AllTime}) {
            const CravingPattern p = cravingPattern(*s, scope);
            FUZZ_CHECK(p.emptyText.isEmpty() == (s->total > 0));
            for (const BarChart& chart : p.charts)
                for (const ChartBar& bar : chart.bars)
                    FUZZ_CHECK(bar.value >= 0 && bar.value <= chart.maximum);
        }
    }
}

// Loading gives what parsing gave, and an urge appended comes back after every line read.
void checkStore(QByteArrayView bytes, const CravingLog& log, const DateTimeParts& now) {
    const DataStore& s = scratchStore();
    {
        QFile f(s.cravingsPath());
        FUZZ_CHECK(QDir().mkpath(s.dataDir()));
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(f.write(bytes.data(), bytes.size()) == bytes.size());
    }
    LoadResult<CravingLog> loaded = s.loadCravings();
    FUZZ_CHECK(loaded.status == ReadStatus::Ok);
    FUZZ_CHECK(formatCravings(loaded.record) == formatCravings(log));
    const Craving urge{{2010, 11, 2, 7, 0}, 3, CravingTrigger::Morning, true, "朝\"いちばん\""};
    FUZZ_CHECK(appendCraving(s, loaded, urge) == CravingSave::Saved);
    const CravingLog back = s.loadCravings().record;
    FUZZ_CHECK(back.lines.size() == log.lines.size() + 1);
    FUZZ_CHECK(formatCravings(back) == formatCravings(log) + cravingLineFor(urge).bytes + "\r\n");
    FUZZ_CHECK(!cravingText(s.loadCravings(), urge.moment, now).isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const DateTimeParts now = in.takeClock();
    const DateTimeParts quit = in.takeClock();
    const QByteArrayView bytes = in.rest();

    const CravingLog log = parseCravings(bytes);
    checkLines(log);
    checkStats(log, quit, now);
    checkStore(bytes, log, now);
    return 0;
}
