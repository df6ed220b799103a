#include "tools/report/ReportCommand.h"

#include "core/CravingView.h"
#include "core/DataFiles.h"
#include "core/RecordView.h"
#include "core/Reports.h"
#include "tools/report/ReportJson.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <algorithm>
#include <iterator>

namespace kemurina {

namespace {

enum class Format { Long, Short, Mini, Json, Record, Cravings };

struct Request {
    Format format = Format::Long;
    bool crlf = false;
    bool help = false;
    bool version = false;
    QString error; // set: the arguments cannot be followed, and why
};

struct FormatOption {
    const char* name;
    Format format;
};
constexpr FormatOption kFormatOptions[] = {{"--short", Format::Short},
                                           {"--mini", Format::Mini},
                                           {"--json", Format::Json},
                                           {"--record", Format::Record},
                                           {"--cravings", Format::Cravings}};

struct FlagOption {
    const char* name;
    bool Request::*flag;
};
constexpr FlagOption kFlagOptions[] = {{"--crlf", &Request::crlf},
                                       {"--help", &Request::help},
                                       {"-h", &Request::help},
                                       {"--version", &Request::version}};

const char kSynopsis[] =
    "使い方: kemurina-report [--short | --mini | --json | --record | --cravings] [--crlf]\n";
const char kHelpHint[] = "詳しくは kemurina-report --help を見てください。\n";
const char kHelpBody[] =
    "\n"
    "ケムリナのデータ (カレントディレクトリの kemurinadata/) を読み、今の時刻で計算した\n"
    "レポートを UTF-8 で標準出力に書きます。ファイルは一切書き換えません。\n"
    "\n"
    "  (なし)     「コピ１」と同じ6行のレポート\n"
    "  --short    「コピ２」と同じ1行の投稿文\n"
    "  --mini     ミニウィンドウの6行の表示\n"
    "  --json     表示される全ての文と数値を1つのJSONオブジェクトで\n"
    "  --record   卒煙の記録: からだの回復とこれまでの挑戦\n"
    "  --cravings 吸いたい気持ちの記録のまとめ: いまの挑戦とこれまでのすべて\n"
    "  --crlf     改行をCR LFにして、最後の改行を付けない (クリップボードと同じバイト列)\n"
    "  --help     この説明\n"
    "  --version  バージョン\n"
    "\n"
    "終了ステータス:\n"
    "  0  両方のデータファイルをそのまま読めた\n"
    "  1  形式の正しくないファイルがあり、その分は既定値で計算した (標準エラーにファイル名)、\n"
    "     または挑戦の記録 (history.ini) か吸いたい気持ちの記録 (cravings.ini) を読めなかった\n"
    "  2  オプションの誤り、データフォルダやファイルがない・読めない、または出力できない\n";

template <typename Option, std::size_t N>
const Option* findOption(const Option (&options)[N], const QString& argument) {
    const auto* found = std::find_if(std::begin(options), std::end(options), [&](const Option& o) {
        return argument == QLatin1String(o.name);
    });
    return found == std::end(options) ? nullptr : found;
}

QString unknownArgument(const QString& argument) {
    return (argument.startsWith(QLatin1Char('-')) ? QStringLiteral("不明なオプション: ")
                                                  : QStringLiteral("余分な引数: ")) +
           argument;
}

// By hand: QCommandLineParser drops the dashes of an unknown option and takes "--" and
// "--name=value" its own way, so its messages could not stay the documented ones.
Request parseArguments(const QStringList& arguments) {
    Request r;
    QString chosenFormat;
    for (const QString& a : arguments) {
        if (const FormatOption* f = findOption(kFormatOptions, a)) {
            if (!chosenFormat.isEmpty() && chosenFormat != a) {
                r.error = chosenFormat + QStringLiteral(" と ") + a +
                          QStringLiteral(" は同時に指定できません");
                return r;
            }
            chosenFormat = a;
            r.format = f->format;
        } else if (const FlagOption* o = findOption(kFlagOptions, a)) {
            r.*(o->flag) = true;
        } else {
            r.error = unknownArgument(a);
            return r;
        }
    }
    return r;
}

QByteArray line(const QString& text) {
    return (QStringLiteral("kemurina-report: ") + text + QLatin1Char('\n')).toUtf8();
}

QByteArray pathLine(const char* what, const QString& path) {
    return line(QString::fromUtf8(what) + QDir::toNativeSeparators(path));
}

// What a file's state means for the report: nothing, a note with the defaults, or a stop.
struct FileVerdict {
    ReportStatus status;
    QByteArray message;
};

FileVerdict verdictOf(const QString& path, ReadStatus status) {
    switch (status) {
    case ReadStatus::Missing:
        return {kFailure, pathLine("データファイルがありません: ", path)};
    case ReadStatus::Unreadable:
        return {kFailure, pathLine("データファイルを読めません: ", path)};
    case ReadStatus::Malformed:
        return {kDefaultsUsed, pathLine("形式が正しくないため既定値を使います: ", path)};
    case ReadStatus::Ok:
        break;
    }
    return {kSuccess, {}};
}

// The two logs beside the records: neither has to exist.
struct Logs {
    LoadResult<History> history;
    LoadResult<CravingLog> cravings;
};

QByteArray render(const AppState& s, const Logs& logs, const DateTimeParts& now, const Request& r) {
    const LineBreaks breaks = r.crlf ? LineBreaks::CrLf : LineBreaks::Lf;
    const QByteArray end = r.crlf ? QByteArray() : QByteArray("\n");
    switch (r.format) {
    case Format::Short:
        return shortPost(s).toUtf8() + end;
    case Format::Mini:
        return withLineBreaks(s.display.miniSummary, breaks).toUtf8() + end;
    case Format::Json: {
        QByteArray json = QJsonDocument(reportJson(s, logs.history, logs.cravings, now, breaks))
                              .toJson(QJsonDocument::Indented);
        return r.crlf ? json.replace("\n", "\r\n") : json;
    }
    case Format::Record:
        return withLineBreaks(recordText(recordView(s.profile, logs.history, now)), breaks)
                   .toUtf8() +
               end;
    case Format::Cravings:
        return withLineBreaks(cravingText(logs.cravings, s.profile.quitMoment(), now), breaks)
                   .toUtf8() +
               end;
    case Format::Long:
        break;
    }
    return withLineBreaks(longReport(s), breaks).toUtf8() + end;
}

} // namespace

CommandOutput runReportCommand(const QStringList& arguments, const QString& appDir,
                               const Clock& clock, RandomSource& random) {
    const Request request = parseArguments(arguments);
    if (!request.error.isEmpty())
        return {kFailure, {}, line(request.error) + kSynopsis + kHelpHint};
    if (request.help)
        return {kSuccess, QByteArray(kSynopsis) + kHelpBody, {}};
    if (request.version)
        return {kSuccess, "kemurina-report (ケムリナ) " KEMURINA_VERSION "\n", {}};

    const DataStore store(appDir);
    if (!QFileInfo(store.dataDir()).isDir())
        return {kFailure, {}, pathLine("データフォルダがありません: ", store.dataDir())};

    const DateTimeParts now = clock.now();
    const auto profile = store.loadQuitProfile(now);
    const auto options = store.loadOptions();
    CommandOutput result;
    for (const auto& [path, status] : {std::pair{store.quitProfilePath(), profile.status},
                                       std::pair{store.optionsPath(), options.status}}) {
        const FileVerdict verdict = verdictOf(path, status);
        if (verdict.status == kFailure)
            return {kFailure, {}, verdict.message};
        result.exitCode = std::max<int>(result.exitCode, verdict.status);
        result.err += verdict.message;
    }

    // The logs are optional: a missing file is none yet; one that cannot be read leaves its
    // entries out, and the status says so.
    const Logs logs{store.loadHistory(), store.loadCravings()};
    for (const auto& [path, status, what] :
         {std::tuple{store.historyPath(), logs.history.status, "挑戦の記録を読めません: "},
          std::tuple{store.cravingsPath(), logs.cravings.status,
                     "吸いたい気持ちの記録を読めません: "}}) {
        if (status == ReadStatus::Unreadable) {
            result.exitCode = std::max<int>(result.exitCode, kDefaultsUsed);
            result.err += pathLine(what, path);
        }
    }
    AppState state;
    state.profile = profile.record;
    state.options = options.record;
    refreshAll(state, now, random.drawPercent());
    result.out = render(state, logs, now, request);
    return result;
}

} // namespace kemurina
