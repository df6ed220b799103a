#include "core/DataFiles.h"

#include "core/Cp932.h"
#include "core/Metrics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <limits>
#include <span>
#include <vector>

namespace kemurina {

namespace {

constexpr char kDataFolder[] = "kemurinadata";
constexpr char kQuitProfileFile[] = "initial.ini";
constexpr char kOptionsFile[] = "option.ini";
constexpr char kHistoryFile[] = "history.ini";
constexpr char kCravingsFile[] = "cravings.ini";
constexpr char kMilestoneFile[] = "milestone.ini";
// Far above any line this program writes; a bigger file is not one of ours.
constexpr qint64 kMaxFileBytes = 64 * 1024;
// Tens of thousands of attempts.
constexpr qint64 kMaxHistoryBytes = 4 * 1024 * 1024;
// A hundred thousand urges with long notes.
constexpr qint64 kMaxCravingsBytes = 16 * 1024 * 1024;
constexpr int kQuitProfileFields = 8;
constexpr int kOptionsFields = 15;
constexpr int kHistoryFields = 13;
constexpr int kCravingFields = 9;
constexpr int kMilestoneFields = 6;

struct Field {
    QString text;
    bool quoted = false;
};

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

std::optional<std::vector<Field>> splitFields(const QString& line) {
    std::vector<Field> fields;
    qsizetype pos = 0;
    const qsizetype end = line.size();
    while (true) {
        while (pos < end && isBlank(line[pos]))
            ++pos;
        Field field;
        if (pos < end && line[pos] == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), pos + 1);
            if (close < 0)
                return std::nullopt;
            field.text = line.mid(pos + 1, close - pos - 1);
            field.quoted = true;
            pos = close + 1;
            while (pos < end && isBlank(line[pos]))
                ++pos;
        } else {
            qsizetype comma = line.indexOf(QLatin1Char(','), pos);
            if (comma < 0)
                comma = end;
            field.text = line.mid(pos, comma - pos).trimmed();
            pos = comma;
        }
        fields.push_back(field);
        if (pos == end)
            return fields;
        if (line[pos] != QLatin1Char(','))
            return std::nullopt;
        ++pos;
    }
}

std::optional<std::int32_t> parseInt32(const Field& field) {
    if (field.quoted)
        return std::nullopt;
    const QString& t = field.text;
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        negative = t[i++] == QLatin1Char('-');
    if (i == t.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::vector<Field>> readFields(QByteArrayView fileBytes, std::size_t expected) {
    qsizetype lineEnd = 0;
    while (lineEnd < fileBytes.size() && fileBytes[lineEnd] != '\r' && fileBytes[lineEnd] != '\n')
        ++lineEnd;
    const QByteArrayView lineBytes = fileBytes.first(lineEnd);
    if (lineBytes.contains('\0'))
        return std::nullopt;
    const auto line = decodeCp932(lineBytes);
    if (!line)
        return std::nullopt;
    auto fields = splitFields(*line);
    if (!fields || fields->size() != expected)
        return std::nullopt;
    return fields;
}

QString percentEncoded(char32_t codePoint) {
    QString out;
    for (const char byte : QString::fromUcs4(&codePoint, 1).toUtf8())
        out += QStringLiteral("%%1")
                   .arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0'))
                   .toUpper();
    return out;
}

bool fitsInQuotedField(char32_t c) {
    return c >= 0x20 && c != 0x7F && c != U'"' && roundTripsInCp932(c);
}

template <typename Replace> QString storableText(const QString& text, Replace replace) {
    QString out;
    for (const char32_t c : text.toUcs4()) {
        if (fitsInQuotedField(c))
            out += QString::fromUcs4(&c, 1);
        else
            out += replace(c);
    }
    return out;
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QByteArray finishLine(const QStringList& fields) {
    return encodeCp932(fields.join(QLatin1Char(','))) + "\r\n";
}

std::optional<QByteArray> readSmallFile(const QString& path, ReadStatus& status,
                                        qint64 maxBytes = kMaxFileBytes) {
    const QFileInfo info(path);
    if (!info.exists()) {
        status = ReadStatus::Missing;
        return std::nullopt;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        status = ReadStatus::Unreadable;
        return std::nullopt;
    }
    // The size first: reading up to the limit would reserve all of it every time.
    QByteArray bytes = info.size() > maxBytes ? QByteArray() : file.readAll();
    if (info.size() > maxBytes || bytes.size() > maxBytes) {
        status = ReadStatus::Malformed;
        return std::nullopt;
    }
    status = ReadStatus::Ok;
    return bytes;
}

// The file's record, or the defaults with the reason when it cannot be read or parsed.
template <typename Record>
LoadResult<Record> loadRecord(const QString& path, Record defaults,
                              std::optional<Record> (*parse)(QByteArrayView)) {
    LoadResult<Record> result{std::move(defaults), ReadStatus::Ok};
    const auto bytes = readSmallFile(path, result.status);
    if (!bytes)
        return result;
    if (const auto parsed = parse(*bytes))
        result.record = *parsed;
    else
        result.status = ReadStatus::Malformed;
    return result;
}

bool writeAtomically(const QString& dir, const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(dir))
        return false;
    QSaveFile file(path);
    // Unbuffered: QSaveFile commits a file whose buffered flush failed (disk full, size
    // limit), so every write must report its own short count here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

std::optional<std::vector<std::int32_t>> integersOf(std::span<const Field> fields) {
    std::vector<std::int32_t> values;
    for (const Field& field : fields) {
        const auto v = parseInt32(field);
        if (!v)
            return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

std::optional<std::vector<std::int32_t>> readIntegers(QByteArrayView lineBytes,
                                                      std::size_t expected) {
    const auto fields = readFields(lineBytes, expected);
    return fields ? integersOf(*fields) : std::nullopt;
}

// A line of a file of many: readFields stops at a line end, and a stray CR inside would
// hide the rest of the line.
std::optional<std::vector<Field>> readLineFields(QByteArrayView lineBytes, std::size_t expected) {
    if (lineBytes.contains('\r'))
        return std::nullopt;
    return readFields(lineBytes, expected);
}

std::optional<Attempt> parseAttempt(QByteArrayView lineBytes) {
    const auto fields = readLineFields(lineBytes, kHistoryFields);
    const auto v = fields ? integersOf(*fields) : std::nullopt;
    if (!v)
        return std::nullopt;
    const Attempt a{{(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]},
                    {(*v)[5], (*v)[6], (*v)[7], (*v)[8], (*v)[9]},
                    (*v)[10],
                    (*v)[11],
                    (*v)[12]};
    if (!isCalendarMoment(a.start) || !isCalendarMoment(a.end) ||
        minutesBetween(a.start, a.end) < 0)
        return std::nullopt;
    return a;
}

// The non-empty lines of a file of one record a line, each with what parse makes of it.
template <typename Line, typename Parse>
std::vector<Line> parseLines(QByteArrayView fileBytes, Parse parse) {
    std::vector<Line> lines;
    for (QByteArrayView rest = fileBytes; !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines.push_back({line.toByteArray(), parse(line)});
    }
    return lines;
}

template <typename Line> QByteArray formatLines(const std::vector<Line>& lines) {
    QByteArray bytes;
    for (const Line& line : lines)
        bytes += line.bytes + "\r\n";
    return bytes;
}

std::optional<Craving> parseCraving(QByteArrayView lineBytes) {
    const auto fields = readLineFields(lineBytes, kCravingFields);
    if (!fields)
        return std::nullopt;
    const auto v = integersOf(std::span(*fields).first(kCravingFields - 1));
    if (!v)
        return std::nullopt;
    const std::int32_t trigger = (*v)[6];
    const std::int32_t outcome = (*v)[7];
    if (trigger < 0 || outcome < 0 || outcome > 1)
        return std::nullopt;
    const Craving c{
        {(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]},
        (*v)[5],
        static_cast<CravingTrigger>(std::min<std::int32_t>(trigger, kCravingTriggerCount)),
        outcome == 1,
        fields->back().text};
    if (!isValidCraving(c))
        return std::nullopt;
    return c;
}

template <typename Record, typename Parse>
LoadResult<Record> loadLineFile(const QString& path, qint64 maxBytes, Parse parse) {
    LoadResult<Record> result;
    if (const auto bytes = readSmallFile(path, result.status, maxBytes))
        result.record = parse(*bytes);
    else if (result.status == ReadStatus::Malformed)
        result.status = ReadStatus::Unreadable; // too big: not a file to write over
    return result;
}

} // namespace

QString storableBlogAddress(const QString& address) {
    return storableText(address, percentEncoded);
}

QString storableStatusTheme(const QString& theme) {
    return storableText(theme, [](char32_t) { return QStringLiteral("?"); });
}

Options storableOptions(Options options) {
    options.blogAddress = storableBlogAddress(options.blogAddress);
    options.statusTheme = storableStatusTheme(options.statusTheme);
    return options;
}

QByteArray formatQuitProfileLine(const QuitProfile& p) {
    QStringList f;
    for (const std::int32_t v : {p.quitYear, p.quitMonth, p.quitDay, p.quitHour, p.quitMinute,
                                 p.cigarettesPerDay, p.packPrice, p.cigaretteLength})
        f << QString::number(v);
    return finishLine(f);
}

QByteArray formatOptionsLine(const Options& options) {
    const Options o = storableOptions(options);
    QStringList f;
    for (const std::int32_t v :
         {o.setupDone, o.tobaccoTaxPer1000, o.consumptionTaxPercent, o.profileSuffix,
          o.smokingYears, o.showPackCount, o.mainLeft, o.mainTop, o.backColor, o.textColor})
        f << QString::number(v);
    f << quoted(o.blogAddress);
    for (const std::int32_t v : {static_cast<std::int32_t>(o.windowMode), o.miniLeft, o.miniTop})
        f << QString::number(v);
    f << quoted(o.statusTheme);
    return finishLine(f);
}

std::optional<QuitProfile> parseQuitProfileLine(QByteArrayView fileBytes) {
    const auto v = readIntegers(fileBytes, kQuitProfileFields);
    if (!v)
        return std::nullopt;
    QuitProfile p{(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4], (*v)[5], (*v)[6], (*v)[7]};
    // The month indexes the month-length tables.
    if (p.quitMonth < 1 || p.quitMonth > 12)
        return std::nullopt;
    return p;
}

std::optional<Options> parseOptionsLine(QByteArrayView fileBytes) {
    const auto fields = readFields(fileBytes, kOptionsFields);
    if (!fields)
        return std::nullopt;
    Options o;
    std::int32_t windowMode = 0;
    std::int32_t* const numbers[] = {&o.setupDone,
                                     &o.tobaccoTaxPer1000,
                                     &o.consumptionTaxPercent,
                                     &o.profileSuffix,
                                     &o.smokingYears,
                                     &o.showPackCount,
                                     &o.mainLeft,
                                     &o.mainTop,
                                     &o.backColor,
                                     &o.textColor,
                                     nullptr,
                                     &windowMode,
                                     &o.miniLeft,
                                     &o.miniTop,
                                     nullptr};
    for (std::size_t i = 0; i < fields->size(); ++i) {
        const Field& field = (*fields)[i];
        if (numbers[i]) {
            const auto v = parseInt32(field);
            if (!v)
                return std::nullopt;
            *numbers[i] = *v;
        }
    }
    o.windowMode = static_cast<WindowMode>(windowMode);
    o.blogAddress = (*fields)[10].text;
    o.statusTheme = (*fields)[14].text;
    return o;
}

QByteArray formatMilestoneLine(const MilestoneRecord& r) {
    QStringList f;
    for (const std::int32_t v : {r.lastTold.year, r.lastTold.month, r.lastTold.day, r.lastTold.hour,
                                 r.lastTold.minute, std::int32_t{r.notify}})
        f << QString::number(v);
    return finishLine(f);
}

std::optional<MilestoneRecord> parseMilestoneLine(QByteArrayView fileBytes) {
    const auto v = readIntegers(fileBytes, kMilestoneFields);
    if (!v || ((*v)[5] != 0 && (*v)[5] != 1))
        return std::nullopt;
    const MilestoneRecord r{{(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]}, (*v)[5] == 1};
    if (!isCalendarMoment(r.lastTold))
        return std::nullopt;
    return r;
}

History parseHistory(QByteArrayView fileBytes) {
    return {parseLines<HistoryLine>(fileBytes, parseAttempt)};
}

QByteArray formatHistory(const History& history) {
    return formatLines(history.lines);
}

HistoryLine historyLineFor(const Attempt& a) {
    QStringList f;
    for (const std::int32_t v : {a.start.year, a.start.month, a.start.day, a.start.hour,
                                 a.start.minute, a.end.year, a.end.month, a.end.day, a.end.hour,
                                 a.end.minute, a.cigarettesPerDay, a.packPrice, a.cigaretteLength})
        f << QString::number(v);
    QByteArray line = finishLine(f);
    line.chop(2);
    return {line, a};
}

CravingLog parseCravings(QByteArrayView fileBytes) {
    return {parseLines<CravingLine>(fileBytes, parseCraving)};
}

QByteArray formatCravings(const CravingLog& log) {
    return formatLines(log.lines);
}

QString storableCravingNote(const QString& note) {
    return storableText(note,
                        [](char32_t c) {
                            if (c == U'"')
                                return QStringLiteral("”");
                            return c < 0x20 ? QStringLiteral(" ") : QStringLiteral("?");
                        })
        .trimmed();
}

CravingLine cravingLineFor(const Craving& c) {
    Craving stored = c;
    stored.note = storableCravingNote(c.note);
    QStringList f;
    for (const std::int32_t v : {c.moment.year, c.moment.month, c.moment.day, c.moment.hour,
                                 c.moment.minute, std::int32_t{c.strength},
                                 static_cast<std::int32_t>(c.trigger), std::int32_t{c.riddenOut}})
        f << QString::number(v);
    f << quoted(stored.note);
    QByteArray line = finishLine(f);
    line.chop(2);
    return {line, stored};
}

DataStore::DataStore(QString appDir) : m_appDir(std::move(appDir)) {}

QString DataStore::dataDir() const {
    return QDir(m_appDir).filePath(QString::fromLatin1(kDataFolder));
}
QString DataStore::quitProfilePath() const {
    return QDir(dataDir()).filePath(QString::fromLatin1(kQuitProfileFile));
}
QString DataStore::optionsPath() const {
    return QDir(dataDir()).filePath(QString::fromLatin1(kOptionsFile));
}
QString DataStore::historyPath() const {
    return QDir(dataDir()).filePath(QString::fromLatin1(kHistoryFile));
}
QString DataStore::cravingsPath() const {
    return QDir(dataDir()).filePath(QString::fromLatin1(kCravingsFile));
}

QString DataStore::milestonePath() const {
    return QDir(dataDir()).filePath(QString::fromLatin1(kMilestoneFile));
}

bool DataStore::ensureDataDir() const {
    return QDir().mkpath(dataDir());
}

LoadResult<QuitProfile> DataStore::loadQuitProfile(const DateTimeParts& now) const {
    return loadRecord(quitProfilePath(), QuitProfile::defaultsAt(now), parseQuitProfileLine);
}

LoadResult<Options> DataStore::loadOptions() const {
    return loadRecord(optionsPath(), Options{}, parseOptionsLine);
}

LoadResult<History> DataStore::loadHistory() const {
    return loadLineFile<History>(historyPath(), kMaxHistoryBytes, parseHistory);
}

LoadResult<CravingLog> DataStore::loadCravings() const {
    return loadLineFile<CravingLog>(cravingsPath(), kMaxCravingsBytes, parseCravings);
}

LoadResult<MilestoneRecord> DataStore::loadMilestoneRecord(const DateTimeParts& now) const {
    return loadRecord(milestonePath(), MilestoneRecord{now}, parseMilestoneLine);
}

bool DataStore::saveQuitProfile(const QuitProfile& profile) const {
    return writeAtomically(dataDir(), quitProfilePath(), formatQuitProfileLine(profile));
}

bool DataStore::saveOptions(const Options& options) const {
    return writeAtomically(dataDir(), optionsPath(), formatOptionsLine(options));
}

bool DataStore::saveHistory(const History& history) const {
    return writeAtomically(dataDir(), historyPath(), formatHistory(history));
}

bool DataStore::saveCravings(const CravingLog& log) const {
    return writeAtomically(dataDir(), cravingsPath(), formatCravings(log));
}

bool DataStore::saveMilestoneRecord(const MilestoneRecord& record) const {
    return writeAtomically(dataDir(), milestonePath(), formatMilestoneLine(record));
}

} // namespace kemurina
