// tarvelo-cli: the analysis engine and both data files for scripts and batch work.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "analysis/runanalysis.h"
#include "cli/report.h"
#include "input/inputfile.h"
#include "results/resultfile.h"
#include "results/viewerjudgement.h"

using namespace tarvelo;

namespace {

enum ExitCode { kAllDone = 0, kIncomplete = 1, kTrouble = 2 };

const char kUsage[] =
    "Usage:\n"
    "  tarvelo-cli analyse [--rear-same-before] [--rear-same-after] [--json]\n"
    "                      [--save-result OUT.rdw] FILE.ipw...\n"
    "  tarvelo-cli view [--json] FILE.rdw...\n"
    "  tarvelo-cli --help\n"
    "\n"
    "analyse  reads each input data file (*.ipw) into a fresh input form, analyses it and\n"
    "         prints the result sheet. --rear-same-before and --rear-same-after tick the\n"
    "         two \"same as the front wheel\" boxes. --save-result (one file only) writes\n"
    "         the result data file as the result sheet saves it.\n"
    "view     reads each result data file (*.rdw) and prints what the viewer shows.\n"
    "--json   one JSON object per file on one line instead of a table.\n"
    "\n"
    "Exit status: 0 every file was analysed or viewed; 1 an input set was incomplete;\n"
    "2 a usage error, or a file that could not be read, decoded or saved.\n"
    "\n"
    "使い方:\n"
    "  tarvelo-cli analyse [--rear-same-before] [--rear-same-after] [--json]\n"
    "                      [--save-result 出力.rdw] 入力データ.ipw...\n"
    "  tarvelo-cli view [--json] 解析結果データ.rdw...\n"
    "\n"
    "analyse  入力データ（*.ipw）を新しい入力画面に読み込んだときと同じように読み、解析して\n"
    "         解析結果を表示します。--rear-same-before / --rear-same-after は《変更前》【変更後】の\n"
    "         「前輪ホイールと同じ」にチェックを入れた状態を表します。--save-result は解析結果\n"
    "         データを解析結果モードの保存と同じ形式で書き出します（入力ファイルは1つだけ）。\n"
    "view     解析結果データ（*.rdw）を読み込み、ビューワと同じ判定を表示します。\n"
    "--json   ファイルごとに1行のJSONで出力します。\n"
    "\n"
    "終了コード: 0 全ファイルを処理、1 未選択または未入力の項目あり、\n"
    "2 使い方の誤り、または読み込み・変換・保存できないファイルあり。\n";

void Out(const QByteArray& bytes) { std::fwrite(bytes.constData(), 1, bytes.size(), stdout); }

void Complain(const QString& text) {
    const QByteArray bytes = (u"tarvelo-cli: " + text + u"\n").toUtf8();
    std::fwrite(bytes.constData(), 1, bytes.size(), stderr);
}

int Usage(const QString& problem) {
    Complain(problem);
    std::fputs(kUsage, stderr);
    return kTrouble;
}

struct Options {
    bool json = false;
    bool rearSameBefore = false;
    bool rearSameAfter = false;
    QString saveResult;
    QStringList files;
};

// Reports the values of a file that were not code page 932 (they were read as empty).
bool ReportUndecodable(const QString& file, const QList<int>& values, const char* what) {
    for (int value : values) {
        Complain(QStringLiteral("%1: %2 %3 is not code page 932 text; read as empty")
                     .arg(file, QLatin1StringView(what))
                     .arg(value));
    }
    return values.isEmpty();
}

int Analyse(const Options& options) {
    if (!options.saveResult.isEmpty() && options.files.size() != 1)
        return Usage(QStringLiteral("--save-result takes exactly one input file"));
    int status = kAllDone;
    for (const QString& file : options.files) {
        const InputFileRead read = ReadInputFile(file);
        if (!read.error.isEmpty()) {
            Complain(QStringLiteral("%1: cannot read the file: %2").arg(file, read.error));
            if (options.json) Out(cli::JsonError(file, read.error));
            status = kTrouble;
            continue;
        }
        if (!ReportUndecodable(file, read.content.undecodableLines, "line")) status = kTrouble;

        InputSet fresh;
        fresh.rearSameAsFrontBefore = options.rearSameBefore;
        fresh.rearSameAsFrontAfter = options.rearSameAfter;
        QStringList refused;
        const InputSet set = ApplyInputFile(read.content, fresh, &refused);
        for (const QString& box : refused) {
            Complain(QStringLiteral("%1: %2 holds characters other than half-width digits and "
                                    "points; the box is left empty")
                         .arg(file, box));
        }

        const AnalysisRun run = RunAnalysis(set);
        if (!run.sheet) {
            Out(options.json ? cli::JsonAnalysis(file, false, run.missing, nullptr)
                             : cli::TableIncomplete(file, run.missing));
            status = std::max<int>(status, kIncomplete);
            continue;
        }
        Out(options.json ? cli::JsonAnalysis(file, true, {}, &*run.sheet)
                         : cli::TableSheet(file, *run.sheet));
        if (!options.saveResult.isEmpty()) {
            const QString error = SaveResultFile(options.saveResult, *run.sheet);
            if (!error.isEmpty()) {
                Complain(QStringLiteral("%1: the result file was not saved: %2")
                             .arg(options.saveResult, error));
                status = kTrouble;
            }
        }
    }
    return status;
}

int View(const Options& options) {
    int status = kAllDone;
    for (const QString& file : options.files) {
        const ResultFileRead read = ReadResultFile(file);
        if (!read.error.isEmpty()) {
            Complain(QStringLiteral("%1: cannot read the file: %2").arg(file, read.error));
            if (options.json) Out(cli::JsonError(file, read.error));
            status = kTrouble;
            continue;
        }
        if (!ReportUndecodable(file, read.content.undecodableValues, "value")) status = kTrouble;
        ResultSheet sheet = ResultSheet::Blank();
        PutIntoSheet(read.content, sheet);
        WorkOutStoredResults(sheet);
        Out(options.json ? cli::JsonSheet(file, sheet, u"F7_") : cli::TableSheet(file, sheet));
    }
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return Usage(QStringLiteral("no command given"));
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(kUsage, stdout);
        return kAllDone;
    }
    const QString command = args.takeFirst();
    const bool analyse = command == u"analyse" || command == u"analyze";
    if (!analyse && command != u"view") return Usage(u"unknown command: " + command);

    Options options;
    bool onlyFiles = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (onlyFiles || !arg.startsWith(u"--")) {
            options.files << arg;
        } else if (arg == u"--") {
            onlyFiles = true;
        } else if (arg == u"--json") {
            options.json = true;
        } else if (analyse && arg == u"--rear-same-before") {
            options.rearSameBefore = true;
        } else if (analyse && arg == u"--rear-same-after") {
            options.rearSameAfter = true;
        } else if (analyse && arg == u"--save-result") {
            if (++i == args.size()) return Usage(QStringLiteral("--save-result needs a file name"));
            options.saveResult = args[i];
        } else {
            return Usage(u"unknown option: " + arg);
        }
    }
    if (options.files.isEmpty()) return Usage(QStringLiteral("no file given"));
    const int status = analyse ? Analyse(options) : View(options);
    std::fflush(stdout);
    return status;
}
