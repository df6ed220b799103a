#include "tools/report/ReportCommand.h"

#include "core/DataFiles.h"
#include "core/Refresh.h"
#include "core/Reports.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

namespace kemurina {

namespace {

constexpr int kUsageError = 2;
constexpr int kDataError = 2;

enum class Format { Long, Short, Mini, Json };

struct Request {
    Format format = Format::Long;
    bool crlf = false;
    bool help = false;
};

const char kUsage[] =
    "使い方: kemurina-report [--short | --mini | --json] [--crlf]\n"
    "\n"
    "ケムリナのデータ (カレントディレクトリの kemurinadata/) を読み、今の時刻で計算した\n"
    "レポートを UTF-8 で標準出力に書きます。ファイルは一切書き換えません。\n"
    "\n"
    "  (なし)    「コピ１」と同じ6行のレポート\n"
    "  --short   「コピ２」と同じ1行の投稿文\n"
    "  --mini    ミニウィンドウの6行の表示\n"
    "  --json    表示される全ての文と数値を1つのJSONオブジェクトで\n"
    "  --crlf    改行をCR LFにして、最後の改行を付けない (クリップボードと同じバイト列)\n"
    "  --help    この説明\n"
    "\n"
    "終了コード: 0 成功, 2 オプションの誤り、またはデータが見つからない・読めない\n";

std::optional<Request> parseArguments(const QStringList& arguments) {
    Request r;
    int formats = 0;
    for (const QString& a : arguments) {
        if (a == QLatin1String("--short"))
            r.format = Format::Short, ++formats;
        else if (a == QLatin1String("--mini"))
            r.format = Format::Mini, ++formats;
        else if (a == QLatin1String("--json"))
            r.format = Format::Json, ++formats;
        else if (a == QLatin1String("--crlf"))
            r.crlf = true;
        else if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            r.help = true;
        else
            return std::nullopt;
    }
    if (formats > 1)
        return std::nullopt;
    return r;
}

QByteArray line(const QString& text) {
    return (QStringLiteral("kemurina-report: ") + text + QLatin1Char('\n')).toUtf8();
}

// A file the main view could not even open stops the tool; a malformed one only gets a note.
std::optional<QByteArray> checkReadable(const QString& path, ReadStatus status) {
    switch (status) {
    case ReadStatus::Missing:
        return line(QStringLiteral("データファイルがありません: ") +
                    QDir::toNativeSeparators(path));
    case ReadStatus::Unreadable:
        return line(QStringLiteral("データファイルを読めません: ") +
                    QDir::toNativeSeparators(path));
    default:
        return std::nullopt;
    }
}

QByteArray malformedNote(const QString& path, ReadStatus status) {
    if (status != ReadStatus::Malformed)
        return {};
    return line(QStringLiteral("形式が正しくないため既定値を使います: ") +
                QDir::toNativeSeparators(path));
}

QString withBreaks(QString text, bool crlf) {
    return crlf ? text : text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QJsonObject jsonOf(const AppState& s, bool crlf) {
    static const char* const kPictureNames[] = {"Image1(10)", "Image1(11)", "Image1(12)",
                                                "Image3(0)",  "Image3(1)",  "Image3(2)"};
    const auto& d = s.display;
    const Metrics& m = s.metrics;
    QJsonArray captions;
    for (const QString& c : d.captions)
        captions.append(c);
    QJsonArray visible;
    for (std::size_t i = 0; i < kMilestonePictureCount; ++i)
        if (d.milestones.visible[i])
            visible.append(QString::fromLatin1(kPictureNames[i]));
    QJsonArray parts;
    for (const std::int32_t p : m.elapsedParts)
        parts.append(p);
    return {
        {"captions", captions},
        {"lungColour", QJsonObject{{"red", d.lungColour.red},
                                   {"green", d.lungColour.green},
                                   {"blue", d.lungColour.blue}}},
        {"milestones",
         QJsonObject{
             {"visible", visible},
             {"top", d.milestones.topTwips ? QJsonValue(*d.milestones.topTwips) : QJsonValue()},
             {"progressValue", d.milestones.progressValue},
             {"progressBarVisible", !d.milestones.hideProgressBar}}},
        {"elapsedParts", parts},
        {"totalMinutes", m.totalMinutes},
        {"wholeDays", m.wholeDays},
        {"lifeMinutes", m.lifeMinutes},
        {"moneySaved", m.moneySaved},
        {"taxShare", m.taxShare},
        {"cigarettesNotSmoked", m.cigarettesNotSmoked},
        {"totalLengthMm", m.totalLengthMm},
        {"shortSummary", s.shortSummary},
        {"miniSummary", withBreaks(d.miniSummary, crlf)},
        {"longReport", withBreaks(longReport(s), crlf)},
        {"shortPost", shortPost(s)},
    };
}

QByteArray render(const AppState& s, const Request& r) {
    const QByteArray end = r.crlf ? QByteArray() : QByteArray("\n");
    switch (r.format) {
    case Format::Short:
        return shortPost(s).toUtf8() + end;
    case Format::Mini:
        return withBreaks(s.display.miniSummary, r.crlf).toUtf8() + end;
    case Format::Json: {
        QByteArray json = QJsonDocument(jsonOf(s, r.crlf)).toJson(QJsonDocument::Indented);
        return r.crlf ? json.replace("\n", "\r\n") : json;
    }
    case Format::Long:
        break;
    }
    return withBreaks(longReport(s), r.crlf).toUtf8() + end;
}

} // namespace

CommandOutput runReportCommand(const QStringList& arguments, const QString& appDir,
                               const Clock& clock, RandomSource& random) {
    const auto request = parseArguments(arguments);
    if (!request)
        return {kUsageError, {}, kUsage};
    if (request->help)
        return {0, kUsage, {}};

    const DataStore store(appDir);
    if (!QFileInfo(store.dataDir()).isDir())
        return {kDataError,
                {},
                line(QStringLiteral("データフォルダがありません: ") +
                     QDir::toNativeSeparators(store.dataDir()))};

    const DateTimeParts now = clock.now();
    const auto profile = store.loadQuitProfile(now);
    const auto options = store.loadOptions();
    for (const auto& [path, status] : {std::pair{store.quitProfilePath(), profile.status},
                                       std::pair{store.optionsPath(), options.status}}) {
        if (const auto error = checkReadable(path, status))
            return {kDataError, {}, *error};
    }

    AppState state;
    state.profile = profile.record;
    state.options = options.record;
    refreshAll(state, now, random.drawPercent());
    return {0, render(state, *request),
            malformedNote(store.quitProfilePath(), profile.status) +
                malformedNote(store.optionsPath(), options.status)};
}

} // namespace kemurina
