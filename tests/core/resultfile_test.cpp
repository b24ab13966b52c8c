#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "analysis/runanalysis.h"
#include "printers.h"
#include "results/resultfile.h"
#include "results/viewerjudgement.h"

using namespace tarvelo;

namespace {

QByteArray Fixture(const char* name) {
    QFile file(QStringLiteral(TARVELO_TEST_DATA "/") + QLatin1StringView(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

InputSet CompleteSet() {
    InputSet set;
    set.beforeFront = {"16", "6.5", kOffsetPlus, "45", "205", "55"};
    set.beforeRear = set.beforeFront;
    set.afterFront = {"17", "7", kOffsetPlus, "48", "215", "45"};
    set.afterRear = set.afterFront;
    set.clearanceMm = {"10", "12.5", "20", "007"};
    return set;
}

// What the viewer shows after opening a file of these bytes.
ResultSheet View(QByteArrayView bytes) {
    ResultSheet sheet = ResultSheet::Blank();
    PutIntoSheet(ParseResultFile(bytes), sheet);
    WorkOutStoredResults(sheet);
    return sheet;
}

// A viewer sheet holding the given diameters and after-clearances.
ResultSheet Stored(const char* frontBefore, const char* frontAfter, const char* rearBefore,
                   const char* rearAfter, const char* clearance = "20.0") {
    ResultSheet sheet = ResultSheet::Blank();
    sheet[Field::TD_FA_Old_TXT].text = frontBefore;
    sheet[Field::TD_FA_New_TXT].text = frontAfter;
    sheet[Field::TD_RA_Old_TXT].text = rearBefore;
    sheet[Field::TD_RA_New_TXT].text = rearAfter;
    for (Corner c : kCorners) sheet[FieldsOf(c).after].text = clearance;
    WorkOutStoredResults(sheet);
    return sheet;
}

}  // namespace

TEST(ResultFileWriter, SheetAfterAnalysisByteForByte) {
    const ResultFileBytes file = ResultFileBytesOf(*RunAnalysis(CompleteSet()).sheet);
    EXPECT_EQ(file.error, QString());
    EXPECT_EQ(file.bytes, Fixture("analysed.rdw"));
    const QList<QByteArray> lines = file.bytes.split('\n');
    ASSERT_EQ(lines.size(), 37);  // 36 lines, each ended by CR LF
    for (int line : {11, 14, 17, 20, 23, 26, 29, 32})
        EXPECT_EQ(lines[line - 1], QByteArray("\"\x96\xa2\x89\xf0\x90\xcd\"\r")) << line;
}

TEST(ResultFileWriter, QuoteInsideATextBecomesFullWidth) {
    ResultSheet sheet = ResultSheet::Fresh();
    sheet[Field::WTF_Kumiawase_Old_TXT].text = QStringLiteral("a\"b,c");
    const ResultFileBytes file = ResultFileBytesOf(sheet);
    EXPECT_TRUE(file.bytes.startsWith("\"a\xfa\x57" "b,c\"\r\n"));
    EXPECT_EQ(ParseResultFile(file.bytes).texts[0], QStringLiteral("a＂b,c"));
}

TEST(ResultFileWriter, TextOutsideCodePage932WritesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("old.rdw");
    ASSERT_EQ(SaveResultFile(path, *RunAnalysis(CompleteSet()).sheet), QString());

    ResultSheet sheet = ResultSheet::Fresh();
    sheet[Field::WTR_Kumiawase_New_TXT].text = QStringLiteral("ﾀｲﾔ €");
    const QString error = SaveResultFile(path, sheet);
    EXPECT_TRUE(error.contains("F4_WTR_Kumiawase_New_TXT")) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Fixture("analysed.rdw"));
    EXPECT_NE(SaveResultFile(dir.filePath("no/such/folder.rdw"), sheet), QString());
}

TEST(ResultFileReader, OneLineWithCommasReadsLikeTheWrittenFile) {
    const ResultFileContent oneLine = ParseResultFile(Fixture("oneline.rdw"));
    const ResultFileContent written = ParseResultFile(Fixture("analysed.rdw"));
    EXPECT_EQ(oneLine.valueCount, 36);
    EXPECT_EQ(oneLine.texts[1], "ﾎｲｰﾙ：7×17 +48  ﾀｲﾔ：215/45-17,x");  // a comma inside quotes
    for (int i = 2; i < 36; ++i) EXPECT_EQ(oneLine.texts[i], written.texts[i]) << i;
}

TEST(ResultFileReader, ShortExtraAndMissingFiles) {
    const ResultFileContent shortFile = ParseResultFile(Fixture("short.rdw"));
    EXPECT_EQ(shortFile.valueCount, 7);
    EXPECT_EQ(shortFile.texts[6], "631.9");
    EXPECT_EQ(shortFile.texts[7], "");
    EXPECT_EQ(shortFile.texts[35], "");

    const ResultFileContent extra = ParseResultFile(Fixture("extra.rdw"));
    EXPECT_EQ(extra.valueCount, 36);
    EXPECT_EQ(extra.texts[35], "+8.0");

    const ResultFileRead missing = ReadResultFile(QStringLiteral("/nonexistent/a.rdw"));
    EXPECT_NE(missing.error, QString());
}

TEST(ResultFileReader, ValueRules) {
    const ResultFileContent c = ParseResultFile("  \"abc\"def ,plain  ,\"\x81\"\r\n\"\"");
    EXPECT_EQ(c.valueCount, 4);
    EXPECT_EQ(c.texts[0], "abc");    // what follows the closing quote is dropped
    EXPECT_EQ(c.texts[1], "plain");  // without its trailing blanks
    EXPECT_EQ(c.texts[2], "");       // not code page 932
    EXPECT_EQ(c.undecodableValues, QList<int>{3});
    EXPECT_EQ(c.texts[3], "");
}

TEST(Viewer, FileFromTheSheetShowsTheSameJudgements) {
    const ResultSheet analysed = *RunAnalysis(CompleteSet()).sheet;
    const ResultSheet viewed = View(ResultFileBytesOf(analysed).bytes);
    for (Field f : kVerdictJudgements) {
        EXPECT_EQ(viewed[f].text, analysed[f].text) << FieldName(f, u"F7_").toStdString();
        EXPECT_EQ(viewed[f].background, analysed[f].background);
    }
    EXPECT_EQ(viewed[Field::RESULT_TXT].text, "O K");
    EXPECT_EQ(viewed[Field::RESULT_TXT].background, colours::Blue);
    EXPECT_EQ(viewed[Field::TD_FA_JGCOM_LBL].text, "推奨値の±3%以内です。（誤差：-1.0%）");
    EXPECT_EQ(viewed[Field::UV1].text, "未解析");
}

TEST(Viewer, RoundingAcrossABandEdge) {
    InputSet set = CompleteSet();
    set.clearanceMm[kFL] = "14.96";  // unchanged width and offset: 14.96 mm after the change
    set.afterFront = set.beforeFront;
    const ResultSheet analysed = *RunAnalysis(set).sheet;
    EXPECT_EQ(analysed[Field::FC_FL_Hikikomi_New_TXT].text, "15.0");
    EXPECT_EQ(analysed[Field::FC_FL_Hikikomi_JG_TXT].background, colours::Green);
    const ResultSheet viewed = View(ResultFileBytesOf(analysed).bytes);
    EXPECT_EQ(viewed[Field::FC_FL_Hikikomi_JG_TXT].background, colours::Blue);
    EXPECT_EQ(viewed[Field::FC_FL_Hikikomi_JGCOM_LBL].text,
              "車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕大）");
}

TEST(Viewer, MeterErrorBandsAndComments) {
    const struct {
        const char* after;
        const char* judgement;
        Rgb background;
        Rgb text;
        const char* frontComment;
    } cases[] = {
        {"100.0", "OK", colours::Blue, colours::Black, "変更前と同サイズです。（誤差：0.0%）"},
        {"103.0", "OK", colours::Blue, colours::Black, "推奨値の±3%以内です。（誤差：3.0%）"},
        {"97.0", "OK", colours::Blue, colours::Black, "推奨値の±3%以内です。（誤差：-3.0%）"},
        {"105.0", "OK", colours::Green, colours::Black, "可能ならば±3%以内を推奨。（誤差：5.0%）"},
        {"95.0", "OK", colours::Green, colours::Black, "可能ならば±3%以内を推奨。（誤差：-5.0%）"},
        {"115.0", "NG", colours::Yellow, colours::AlarmRed, "車検範囲内も推奨できません。（誤差：15.0%）"},
        {"90.0", "NG", colours::Yellow, colours::AlarmRed, "車検範囲内も推奨できません。（誤差：-10.0%）"},
        {"115.1", "NG", colours::Pink, colours::AlarmRed, "誤差大につき、要再検討。（誤差：15.1%）"},
        {"89.9", "NG", colours::Pink, colours::AlarmRed, "誤差大につき、要再検討。（誤差：-10.1%）"},
    };
    for (const auto& c : cases) {
        const ResultSheet s = Stored("100.0", c.after, "100.0", c.after);
        for (const AxleFields& axle : {kFrontAxle, kRearAxle}) {
            const bool rear = axle.judgement == Field::TD_RA_JG_TXT;
            EXPECT_EQ(s[axle.judgement].text, c.judgement) << c.after;
            EXPECT_EQ(s[axle.judgement].background, c.background) << c.after;
            EXPECT_EQ(s[axle.judgement].foreground, c.text) << c.after;
            QString comment = QString::fromUtf8(c.frontComment);
            if (rear && c.background == colours::Pink) comment.replace("%）", " %）");
            EXPECT_EQ(s[axle.comment].text, comment) << c.after << rear;
            const Rgb commentColour =
                c.text == colours::Black ? colours::Black
                                         : (rear ? colours::ViewerRearRed : colours::AlarmRed);
            EXPECT_EQ(s[axle.comment].foreground, commentColour) << c.after << rear;
        }
    }
    EXPECT_EQ(Stored("612.3", "630.1", "1", "1")[Field::TD_FA_JGCOM_LBL].text,
              "推奨値の±3%以内です。（誤差：2.9%）");
}

TEST(Viewer, ClearanceBandEdges) {
    const struct {
        const char* clearance;
        const char* judgement;
        Rgb background;
        Rgb text;
    } cases[] = {{"15.0", "OK", colours::Blue, colours::Black},
                 {"14.9", "OK", colours::Green, colours::Black},
                 {"10.0", "OK", colours::Green, colours::Black},
                 {"5.0", "OK", colours::Yellow, colours::Black},
                 {"0.0", "OK", colours::Yellow, colours::Black},
                 {"-0.1", "NG", colours::Pink, colours::AlarmRed}};
    for (const auto& c : cases) {
        const ResultSheet s = Stored("1", "1", "1", "1", c.clearance);
        for (Corner corner : kCorners) {
            const CornerFields& f = FieldsOf(corner);
            EXPECT_EQ(s[f.judgement].text, c.judgement) << c.clearance;
            EXPECT_EQ(s[f.judgement].background, c.background) << c.clearance;
            EXPECT_EQ(s[f.judgement].foreground, c.text) << c.clearance;
            EXPECT_EQ(s[f.comment].foreground, c.text) << c.clearance;
        }
    }
}

TEST(Viewer, NotANumberLeavesTheJudgementEmptyAndVerdictNG) {
    const ResultSheet s = Stored("0.0", "631.9", "", "631.9", "未解析");
    for (Field f : kVerdictJudgements) {
        EXPECT_EQ(s[f], FieldValue{}) << FieldName(f, u"F7_").toStdString();
    }
    EXPECT_EQ(s[Field::TD_FA_JGCOM_LBL].text, "");
    EXPECT_EQ(s[Field::RESULT_TXT].text, "N G");
    EXPECT_EQ(s[Field::RESULT_TXT].background, colours::Pink);
}

TEST(Viewer, NextFileTurnsTextsBackToBlack) {
    ResultSheet s = Stored("100.0", "120.0", "100.0", "120.0", "-5.0");
    ASSERT_EQ(s[Field::TD_RA_JGCOM_LBL].foreground, colours::ViewerRearRed);
    s[Field::TD_FA_New_TXT].text = "101.0";
    s[Field::TD_RA_New_TXT].text = "101.0";
    for (Corner c : kCorners) s[FieldsOf(c).after].text = "20.0";
    WorkOutStoredResults(s);
    for (Field f : kVerdictJudgements) EXPECT_EQ(s[f].foreground, colours::Black);
    EXPECT_EQ(s[Field::TD_RA_JGCOM_LBL].foreground, colours::Black);
    EXPECT_EQ(s[Field::FC_RR_Hikikomi_JGCOM_LBL].foreground, colours::Black);
    EXPECT_EQ(s[Field::RESULT_TXT].text, "O K");
}
