#include "core/Session.h"

#include "core/EntryRules.h"
#include "core/Reports.h"

namespace kemurina {

namespace {

constexpr std::int32_t kMaxTobaccoTax = 100000;
constexpr std::int32_t kMaxConsumptionTax = 100;
constexpr std::int32_t kMaxSmokingYears = 99;

bool outside(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value < low || value > high;
}

QString trimmedBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

Session::Session(const QString& appDir, std::unique_ptr<Clock> clock,
                 std::unique_ptr<RandomSource> random, QObject* parent)
    : QObject(parent), m_store(appDir),
      m_clock(clock ? std::move(clock) : std::make_unique<SystemClock>()),
      m_random(random ? std::move(random) : std::make_unique<SystemRandom>()) {
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(kRefreshIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Session::refresh);
}

StartWindow Session::start() {
    const StartupRecords records = loadAtStartup(m_store, m_clock->now());
    m_state.profile = records.profile;
    m_state.options = records.options;
    return chooseStartWindow(m_state.options);
}

void Session::openViews() {
    reloadRecords();
    refresh();
    m_timer.start();
}

void Session::closeViews() {
    m_timer.stop();
}

void Session::refresh() {
    const DateTimeParts now = m_clock->now();
    refreshAll(m_state, now, m_random->drawPercent());
    emit refreshed();
    tellMilestones(now);
}

void Session::tellMilestones(const DateTimeParts& now) {
    const QuitProfile& profile = m_state.profile;
    const QString& theme = m_state.options.statusTheme;
    const auto notice = m_milestonesStarted ? m_milestones.check(profile, theme, now)
                                            : m_milestones.start(profile, theme, now);
    m_milestonesStarted = true;
    if (notice)
        emit milestonesReached(notice->title, notice->body);
}

void Session::reloadRecords() {
    const LoadedRecords records = kemurina::reloadRecords(m_store, m_clock->now());
    m_state.profile = records.profile;
    m_state.options = records.options;
}

void Session::toggleElapsed() {
    toggleElapsedLabel(m_state);
    emit elapsedToggled();
}

void Session::showMiniView() {
    const bool firstUse = m_state.options.windowMode == WindowMode::MiniNeverShown;
    m_state.options.windowMode = WindowMode::Mini;
    emit viewSwitched(View::Mini, firstUse);
}

void Session::showMainView() {
    m_state.options.windowMode = WindowMode::Main;
    emit viewSwitched(View::Main, false);
}

TwipsPoint Session::corner(View view) const {
    const Options& o = m_state.options;
    return view == View::Main ? TwipsPoint{o.mainLeft, o.mainTop}
                              : TwipsPoint{o.miniLeft, o.miniTop};
}

void Session::storeCorner(View view, TwipsPoint corner) {
    Options& o = m_state.options;
    std::tie(view == View::Main ? o.mainLeft : o.miniLeft,
             view == View::Main ? o.mainTop : o.miniTop) = std::tuple(corner.left, corner.top);
}

bool Session::saveOptions() {
    return m_store.saveOptions(m_state.options);
}

QString Session::longReport() const {
    return kemurina::longReport(m_state);
}

QString Session::shortPost() const {
    return kemurina::shortPost(m_state);
}

QString Session::blogUrl() const {
    return QStringLiteral("http://") + m_state.options.blogAddress;
}

SaveOutcome Session::saveSettings(const SettingsEntry& entry) {
    const DateTimeParts now = m_clock->now();
    SaveOutcome outcome = SaveOutcome::Saved;
    if (saveQuitProfile(entry, now, outcome))
        saveEnteredOptions(entry, now, outcome);
    return outcome;
}

bool Session::saveQuitProfile(const SettingsEntry& entry, const DateTimeParts& now,
                              SaveOutcome& stop) {
    std::array<std::int32_t, 5> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i)
        parts[i] = valueOfText(entry.quitMoment[i]);
    const DateTimeParts entered{parts[0], parts[1], parts[2], parts[3], parts[4]};
    int errors = quitMomentRangeErrors(entered, now.year);
    const bool future = isLaterThan(entered, now);

    QuitProfile profile = m_state.profile;
    profile.setQuitMoment(entered);
    profile.cigarettesPerDay = valueOfText(entry.cigarettesPerDay);
    profile.packPrice = valueOfText(entry.packPrice);
    errors += smokingProfileRangeErrors(profile.cigarettesPerDay, profile.packPrice);
    if (errors > 0 || future) {
        stop = errors > 0 ? SaveOutcome::OutOfRange : SaveOutcome::InFuture;
        return false;
    }
    profile.cigaretteLength = entry.cigaretteLength.value_or(profile.cigaretteLength);

    m_store.ensureDataDir();
    if (!m_store.saveQuitProfile(profile)) {
        stop = SaveOutcome::WriteFailed;
        return false;
    }
    m_state.profile = profile;
    return true;
}

bool Session::saveEnteredOptions(const SettingsEntry& entry, const DateTimeParts& now,
                                 SaveOutcome& stop) {
    Options options = m_state.options;
    options.blogAddress = trimmedBlanks(entry.blogAddress);
    options.profileSuffix = entry.profileSuffix.value_or(options.profileSuffix);
    options.showPackCount = entry.showPackCount ? 1 : 0;
    options.statusTheme = entry.statusTheme;
    const auto tobaccoTax = strictWholeNumber(entry.tobaccoTax);
    const auto consumptionTax = strictWholeNumber(entry.consumptionTax);
    options.smokingYears = valueOfText(entry.smokingYears);
    // Checked in this order; the first that fails stops the save.
    if (!tobaccoTax || outside(*tobaccoTax, 0, kMaxTobaccoTax) || !consumptionTax ||
        outside(*consumptionTax, 0, kMaxConsumptionTax) ||
        outside(options.smokingYears, 1, kMaxSmokingYears)) {
        stop = SaveOutcome::OutOfRange;
        return false;
    }
    options.tobaccoTaxPer1000 = *tobaccoTax;
    options.consumptionTaxPercent = *consumptionTax;
    options.mainLeft = entry.corner.left;
    options.mainTop = entry.corner.top;
    options.textColor = entry.textColor;
    options.backColor = entry.backColor;

    m_store.ensureDataDir();
    const ReadStatus profileFile = m_store.loadQuitProfile(now).status;
    if (profileFile == ReadStatus::Missing || profileFile == ReadStatus::Unreadable)
        m_state.profile = QuitProfile::defaultsAt(now);
    if (!m_store.saveOptions(options)) {
        stop = SaveOutcome::WriteFailed;
        return false;
    }
    m_state.options = storableOptions(options);
    return true;
}

bool Session::acceptSetup(const QString& perDay, const QString& price,
                          std::optional<std::int32_t> cigaretteLength) {
    const std::int32_t cigarettes = valueOfText(perDay);
    const std::int32_t pack = valueOfText(price);
    if (smokingProfileRangeErrors(cigarettes, pack) > 0)
        return false;
    QuitProfile& profile = m_state.profile;
    profile.cigarettesPerDay = cigarettes;
    profile.packPrice = pack;
    profile.cigaretteLength = cigaretteLength.value_or(profile.cigaretteLength);
    return true;
}

DateTimeParts Session::beginNow() {
    const DateTimeParts now = m_clock->now();
    m_state.profile.setQuitMoment(now);
    return now;
}

bool Session::completeStart(TwipsPoint corner) {
    bool saved = m_store.saveQuitProfile(m_state.profile);
    Options& options = m_state.options;
    options.setupDone = 1;
    options.mainLeft = corner.left;
    options.mainTop = corner.top;
    return m_store.saveOptions(options) && saved;
}

void Session::reloadHistory() {
    m_state.history = m_store.loadHistory();
}

void Session::reloadCravings() {
    m_state.cravings = m_store.loadCravings();
}

CravingSave Session::logCraving(const Craving& craving) {
    const CravingSave saved = appendCraving(m_store, m_state.cravings, craving);
    if (saved == CravingSave::Saved)
        emit cravingsChanged();
    return saved;
}

std::array<CravingPattern, 2> Session::cravingPatterns() const {
    const DateTimeParts now = m_clock->now();
    std::array<CravingPattern, 2> patterns;
    for (const CravingScope scope : {CravingScope::CurrentAttempt, CravingScope::AllTime})
        patterns[static_cast<std::size_t>(scope)] = cravingPattern(
            cravingStats(m_state.cravings.record, m_state.profile.quitMoment(), now, scope), scope);
    return patterns;
}

RestartResult Session::restartAttempt() {
    const DateTimeParts now = m_clock->now();
    const RestartCheck check = checkRestart(m_state.profile, now);
    if (check != RestartCheck::Allowed)
        return {RestartResult::Refused, check};
    // The file as it is now; one that cannot be read is never written over.
    LoadResult<History> history = m_store.loadHistory();
    if (history.status == ReadStatus::Unreadable) {
        m_state.history = history;
        emit historyChanged();
        return {RestartResult::HistoryUnreadable};
    }
    const QuitProfile before = m_state.profile;
    QuitProfile after = before;
    after.setQuitMoment(now);
    history.record.lines.push_back(historyLineFor(currentAttempt(before, now)));
    if (!saveRestart(before, after, history.record))
        return {RestartResult::SaveFailed};
    history.status = ReadStatus::Ok;
    m_state.profile = after;
    m_state.history = history;
    // Open views show the new attempt at once; without them only the record changes.
    if (ticking())
        refresh();
    else
        emit historyChanged();
    return {};
}

bool Session::saveRestart(const QuitProfile& before, const QuitProfile& after,
                          const History& history) {
    if (!m_store.saveQuitProfile(after))
        return false;
    if (m_store.saveHistory(history))
        return true;
    // Without its history line the new quit moment would lose the attempt: put it back.
    m_store.saveQuitProfile(before);
    return false;
}

} // namespace kemurina
