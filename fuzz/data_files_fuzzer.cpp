// Arbitrary bytes as the two data files: parsing, loading from a data folder, a refresh at an
// arbitrary clock and every text the program builds from the result.
//
// Input: five 32-bit clock parts, one byte for the daily message's draw, a 16-bit length n,
// then n bytes of initial.ini and the rest as option.ini.

#include "FuzzInput.h"
#include "core/DataFiles.h"
#include "core/Refresh.h"
#include "core/Reports.h"
#include "core/Startup.h"

#include <QDir>
#include <QFile>

using namespace kemurina;
using kemurina::fuzzing::FuzzInput;
using kemurina::fuzzing::scratchStore;

namespace {

void writeFile(const QString& path, QByteArrayView bytes) {
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(f.write(bytes.data(), bytes.size()) == bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void checkLineFormat(const std::optional<QuitProfile>& profile,
                     const std::optional<Options>& options) {
    if (profile) {
        FUZZ_CHECK(profile->quitMonth >= 1 && profile->quitMonth <= 12);
        FUZZ_CHECK(parseQuitProfileLine(formatQuitProfileLine(*profile)) == profile);
    }
    if (options) {
        const QByteArray line = formatOptionsLine(*options);
        FUZZ_CHECK(parseOptionsLine(line) == storableOptions(*options));
        FUZZ_CHECK(formatOptionsLine(storableOptions(*options)) == line);
    }
}

// Both files present: start-up reads and never rewrites; each record is what parsing gave
// or that record's defaults.
void checkLoading(QByteArrayView profileBytes, QByteArrayView optionsBytes,
                  const std::optional<QuitProfile>& profile, const std::optional<Options>& options,
                  const DateTimeParts& now) {
    const DataStore& s = scratchStore();
    FUZZ_CHECK(s.ensureDataDir());
    writeFile(s.quitProfilePath(), profileBytes);
    writeFile(s.optionsPath(), optionsBytes);

    const StartupRecords started = loadAtStartup(s, now);
    FUZZ_CHECK(!started.quitProfileWritten && !started.optionsWritten);
    FUZZ_CHECK(started.options == options.value_or(Options{}));
    FUZZ_CHECK(readFile(s.quitProfilePath()) == profileBytes);
    FUZZ_CHECK(readFile(s.optionsPath()) == optionsBytes);

    const LoadedRecords loaded = reloadRecords(s, now);
    FUZZ_CHECK(loaded.profile == profile.value_or(QuitProfile::defaultsAt(now)));
    FUZZ_CHECK(loaded.options == options.value_or(Options{}));
    FUZZ_CHECK((loaded.profileStatus == ReadStatus::Ok) == profile.has_value());
    FUZZ_CHECK((loaded.optionsStatus == ReadStatus::Ok) == options.has_value());
}

void checkDisplay(const AppState& state) {
    const DisplayValues& d = state.display;
    for (const int c : {d.lungColour.red, d.lungColour.green, d.lungColour.blue})
        FUZZ_CHECK(c >= 0 && c <= 255);
    FUZZ_CHECK(d.milestones.progressValue >= 0 && d.milestones.progressValue <= kProgressMaximum);
    FUZZ_CHECK(!d.milestones.topTwips || *d.milestones.topTwips == kMilestoneRowTopTwips);
    FUZZ_CHECK(!state.elapsedToggle);
    // Status and message may be empty (unknown theme, clock before the quit moment).
    for (const std::size_t i : {ElapsedCaption, LifeCaption, MoneyCaption, NotSmokedCaption})
        FUZZ_CHECK(!d.captions[i].isEmpty());
}

void checkTexts(AppState& state) {
    const QString report = longReport(state);
    FUZZ_CHECK(report.count(QStringLiteral("\r\n")) == 5);
    const QString mini = miniSummary(state);
    const bool knownSuffix = state.options.profileSuffix >= 0 && state.options.profileSuffix <= 2;
    FUZZ_CHECK(mini == (knownSuffix ? report : QString()));
    FUZZ_CHECK(mini == state.display.miniSummary);
    const QString post = shortPost(state);
    FUZZ_CHECK(!post.contains(QLatin1Char('\r')) && !post.contains(QLatin1Char('\n')));

    const QString calendarForm = state.display.captions[ElapsedCaption];
    toggleElapsedLabel(state);
    FUZZ_CHECK(state.elapsedToggle);
    FUZZ_CHECK(longReport(state).count(QStringLiteral("\r\n")) == 5);
    FUZZ_CHECK(!shortPost(state).isEmpty());
    toggleElapsedLabel(state);
    FUZZ_CHECK(state.display.captions[ElapsedCaption] == calendarForm);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const DateTimeParts now = in.takeClock();
    const int draw = in.take<std::uint8_t>() % 100;
    const qsizetype profileLength = in.take<std::uint16_t>();
    const QByteArrayView files = in.rest();
    const QByteArrayView profileBytes = files.first(std::min(profileLength, files.size()));
    const QByteArrayView optionsBytes = files.sliced(profileBytes.size());

    const auto profile = parseQuitProfileLine(profileBytes);
    const auto options = parseOptionsLine(optionsBytes);
    checkLineFormat(profile, options);
    checkLoading(profileBytes, optionsBytes, profile, options, now);

    AppState state;
    state.profile = profile.value_or(QuitProfile::defaultsAt(now));
    state.options = options.value_or(Options{});
    refreshAll(state, now, draw);
    checkDisplay(state);
    checkTexts(state);
    return 0;
}
