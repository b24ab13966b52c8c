#include <gtest/gtest.h>

#include "analysis/clearance.h"
#include "analysis/metererror.h"
#include "analysis/numbers.h"
#include "analysis/runanalysis.h"
#include "printers.h"

using namespace tarvelo;

namespace {

SpecValues Spec(float rim, float tyre, float aspect, float offset = 0, float width = 7) {
    return SpecValues{rim, width, tyre, aspect, offset};
}

WheelTyreSpec Entry(const char* rim, const char* width, int direction, const char* offset,
                    const char* tyre, const char* aspect) {
    return WheelTyreSpec{QString::fromUtf8(rim),    QString::fromUtf8(width), direction,
                         QString::fromUtf8(offset), QString::fromUtf8(tyre),  QString::fromUtf8(aspect)};
}

// A complete set: 205/55 R16 on 6.5J +45 before, 215/45 R17 on 7J +48 after, both axles.
InputSet CompleteSet() {
    InputSet set;
    set.beforeFront = Entry("16", "6.5", kOffsetPlus, "45", "205", "55");
    set.beforeRear = set.beforeFront;
    set.afterFront = Entry("17", "7", kOffsetPlus, "48", "215", "45");
    set.afterRear = set.afterFront;
    set.clearanceMm = {"10", "12.5", "20", "007"};
    return set;
}

}  // namespace

TEST(OuterDiameter, WorkedExamples) {
    EXPECT_EQ(FormatOneDecimal(OuterDiameterMm(Spec(16, 205, 55))), "631.9");
    EXPECT_EQ(FormatOneDecimal(OuterDiameterMm(Spec(17, 215, 45))), "625.3");
    EXPECT_EQ(FormatOneDecimal(OuterDiameterMm(Spec(15, 195, 65))), "634.5");
    EXPECT_EQ(FormatOneDecimal(OuterDiameterMm(Spec(20, 295, 30))), "685.0");
}

struct MeterCase {
    float before[3];  // rim, tyre width, aspect ratio
    float after[3];
    float error;
    const char* judgement;
    Rgb background;
    bool alarm;
    const char* comment;
};

class MeterExampleTest : public testing::TestWithParam<MeterCase> {};

TEST_P(MeterExampleTest, ErrorJudgementAndComment) {
    const MeterCase& c = GetParam();
    const float db = OuterDiameterMm(Spec(c.before[0], c.before[1], c.before[2]));
    const float da = OuterDiameterMm(Spec(c.after[0], c.after[1], c.after[2]));
    const float e = MeterErrorPct(db, da);
    EXPECT_EQ(e, c.error);
    const Judgement j = JudgeMeterError(e);
    EXPECT_EQ(j.text, QString::fromUtf8(c.judgement));
    EXPECT_EQ(j.background, c.background);
    EXPECT_EQ(j.alarm, c.alarm);
    EXPECT_EQ(j.comment, QString::fromUtf8(c.comment));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MeterExampleTest,
    testing::Values(
        MeterCase{{16, 205, 55}, {17, 215, 45}, -1.0f, "OK", colours::Blue, false,
                  "推奨値の±3%以内です。（誤差：-1 %）"},
        MeterCase{{14, 185, 65}, {16, 205, 60}, 9.4f, "NG", colours::Yellow, false,
                  "車検範囲内も推奨できません。（誤差：9.4 %）"},
        MeterCase{{13, 165, 80}, {20, 295, 30}, 15.3f, "NG", colours::Pink, true,
                  "誤差大につき、要再検討。（誤差：15.3 %）"},
        MeterCase{{16, 205, 55}, {16, 205, 55}, 0.0f, "OK", colours::Blue, false,
                  "変更前と同サイズです。（誤差：0 %）"},
        // 634.5 mm before and 634.4 mm after: an error that rounds to zero, never "-0".
        MeterCase{{15, 195, 65}, {16, 285, 40}, 0.0f, "OK", colours::Blue, false,
                  "変更前と同サイズです。（誤差：0 %）"}));

TEST(MeterError, RoundsToOneDecimalBeforeJudging) {
    EXPECT_EQ(MeterErrorPct(100.0f, 103.04f), 3.0f);
    EXPECT_EQ(JudgeMeterError(MeterErrorPct(100.0f, 103.04f)).band, 2);
    EXPECT_EQ(MeterErrorPct(100.0f, 103.06f), 3.1f);
    EXPECT_EQ(JudgeMeterError(MeterErrorPct(100.0f, 103.06f)).band, 3);
}

TEST(MeterError, BandEdges) {
    const struct {
        float e;
        int band;
        const char* text;
    } cases[] = {{0.0f, 1, "OK"},   {0.1f, 2, "OK"},   {3.0f, 2, "OK"},    {3.1f, 3, "OK"},
                 {5.0f, 3, "OK"},   {5.1f, 4, "NG"},   {15.0f, 4, "NG"},   {15.1f, 5, "NG"},
                 {-0.1f, 2, "OK"},  {-3.0f, 2, "OK"},  {-3.1f, 3, "OK"},   {-5.0f, 3, "OK"},
                 {-5.1f, 4, "NG"},  {-10.0f, 4, "NG"}, {-10.1f, 5, "NG"}};
    for (const auto& c : cases) {
        const Judgement j = JudgeMeterError(c.e);
        EXPECT_EQ(j.band, c.band) << c.e;
        EXPECT_EQ(j.text, QLatin1StringView(c.text)) << c.e;
    }
    EXPECT_EQ(JudgeMeterError(3.1f).background, colours::Green);
    EXPECT_EQ(JudgeMeterError(10.7f).comment, "車検範囲内も推奨できません。（誤差：10.7 %）");
}

TEST(Clearance, WorkedExamples) {
    const SpecValues before = Spec(16, 205, 55, 45);
    const SpecValues after = Spec(17, 215, 45, 48);
    EXPECT_EQ(NewClearanceMm(10, before, after), 8.0f);
    EXPECT_EQ(InwardMovementMm(10, before, after), 8.0f);
    EXPECT_EQ(*InwardMovementText(8.0f), "+8.0");
    EXPECT_EQ(JudgeClearance(8.0f).band, 3);
    EXPECT_EQ(JudgeClearance(8.0f).background, colours::Yellow);

    const SpecValues wide = Spec(17, 235, 45, 35);
    EXPECT_EQ(NewClearanceMm(5, before, wide), -20.0f);
    EXPECT_EQ(*InwardMovementText(InwardMovementMm(5, before, wide)), "+5.0");
    const Judgement ng = JudgeClearance(-20.0f);
    EXPECT_EQ(ng.text, "NG");
    EXPECT_EQ(ng.background, colours::Pink);
    EXPECT_TRUE(ng.alarm);
    EXPECT_EQ(ng.comment, "タイヤが車体外側となっており、道交法違反の対象になります。");

    // 195 -> 205 mm with offset 50 -> 45: the wheel stays where its tyre was.
    EXPECT_EQ(NewClearanceMm(20, Spec(15, 195, 65, 50), Spec(16, 205, 55, 45)), 10.0f);
    EXPECT_EQ(*InwardMovementText(InwardMovementMm(20, Spec(15, 195, 65, 50),
                                                   Spec(16, 205, 55, 45))),
              "±0.0");
    // An offset of "－" 10 counts negative: the wheel moves 20 mm inward.
    EXPECT_EQ(NewClearanceMm(3, Spec(16, 205, 55, -10), Spec(16, 205, 55, 10)), 23.0f);
    EXPECT_EQ(*InwardMovementText(InwardMovementMm(3, Spec(16, 205, 55, -10),
                                                   Spec(16, 205, 55, 10))),
              "+20.0");
}

TEST(Clearance, BandEdgesOnTheUnroundedValue) {
    const struct {
        float n;
        int band;
        const char* text;
        Rgb background;
    } cases[] = {{15.0f, 1, "OK", colours::Blue},    {14.96f, 2, "OK", colours::Green},
                 {10.0f, 2, "OK", colours::Green},   {9.99f, 3, "OK", colours::Yellow},
                 {5.0f, 3, "OK", colours::Yellow},   {4.9f, 4, "OK", colours::Yellow},
                 {0.0f, 4, "OK", colours::Yellow},   {-0.001f, 5, "NG", colours::Pink}};
    for (const auto& c : cases) {
        const Judgement j = JudgeClearance(c.n);
        EXPECT_EQ(j.band, c.band) << c.n;
        EXPECT_EQ(j.text, QLatin1StringView(c.text)) << c.n;
        EXPECT_EQ(j.background, c.background) << c.n;
        EXPECT_EQ(j.alarm, c.band == 5) << c.n;
    }
    EXPECT_EQ(FormatOneDecimal(14.96f), "15.0");
    EXPECT_EQ(JudgeClearance(15.0f).comment,
              "車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕大）");
    EXPECT_EQ(JudgeClearance(0.0f).comment,
              "注意！ほぼﾂﾗｲﾁ状態ですが、ﾀｲﾔが車体外側の可能性も有。");
}

TEST(Clearance, MovementTexts) {
    EXPECT_EQ(*InwardMovementText(1.0f), "+1.0");
    EXPECT_EQ(*InwardMovementText(0.0f), "±0.0");
    EXPECT_EQ(*InwardMovementText(-0.5f), "-0.5");
    EXPECT_FALSE(InwardMovementText(0.5f).has_value());
}

TEST(CombinationText, SignOfTheOffset) {
    EXPECT_EQ(CombinationText(SpecValues{17, 7.5f, 215, 45, 45}), "ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：215/45-17");
    EXPECT_EQ(CombinationText(SpecValues{17, 7.5f, 215, 45, -12}), "ﾎｲｰﾙ：7.5×17 -12  ﾀｲﾔ：215/45-17");
    EXPECT_EQ(CombinationText(SpecValues{17, 7.5f, 215, 45, 0}), "ﾎｲｰﾙ：7.5×17 ±0  ﾀｲﾔ：215/45-17");
    // "－" with an amount of 0 is still zero offset.
    EXPECT_EQ(CombinationText(ReadSpec(Entry("17", "7.5", kOffsetMinus, "0", "215", "45"))),
              "ﾎｲｰﾙ：7.5×17 ±0  ﾀｲﾔ：215/45-17");
}

TEST(RunAnalysis, FillsEveryFieldOfAFreshSheet) {
    const AnalysisRun run = RunAnalysis(CompleteSet());
    ASSERT_TRUE(run.missing.isEmpty());
    ASSERT_TRUE(run.sheet.has_value());
    const ResultSheet& s = *run.sheet;

    const struct {
        Field field;
        const char* text;
        Rgb background;
        Rgb foreground;
    } expected[] = {
        {Field::WTF_Kumiawase_Old_TXT, "ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16", colours::White, colours::Black},
        {Field::WTF_Kumiawase_New_TXT, "ﾎｲｰﾙ：7×17 +48  ﾀｲﾔ：215/45-17", colours::White, colours::Black},
        {Field::WTR_Kumiawase_Old_TXT, "ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16", colours::White, colours::Black},
        {Field::WTR_Kumiawase_New_TXT, "ﾎｲｰﾙ：7×17 +48  ﾀｲﾔ：215/45-17", colours::White, colours::Black},
        {Field::TD_FA_Old_TXT, "631.9", colours::White, colours::Black},
        {Field::TD_FA_New_TXT, "625.3", colours::White, colours::Black},
        {Field::TD_FA_JG_TXT, "OK", colours::Blue, colours::Black},
        {Field::TD_FA_JGCOM_LBL, "推奨値の±3%以内です。（誤差：-1 %）", colours::White, colours::Black},
        {Field::TD_RA_JG_TXT, "OK", colours::Blue, colours::Black},
        {Field::FC_FL_Hikikomi_Old_TXT, "10.0", colours::White, colours::Black},
        {Field::FC_FL_Hikikomi_New_TXT, "8.0", colours::White, colours::Black},
        {Field::FC_FL_Hikikomi_JG_TXT, "OK", colours::Yellow, colours::Black},
        {Field::FC_FL_Hikikomi_JGCOM_LBL, "注意！計測誤差等によってはﾀｲﾔが車体外側の可能性も有。",
         colours::White, colours::Black},
        {Field::FC_FL_ZOUKA_New_TXT, "+8.0", colours::White, colours::Black},
        {Field::FC_FR_Hikikomi_Old_TXT, "12.5", colours::White, colours::Black},
        {Field::FC_FR_Hikikomi_New_TXT, "10.5", colours::White, colours::Black},
        {Field::FC_FR_Hikikomi_JG_TXT, "OK", colours::Green, colours::Black},
        {Field::FC_RL_Hikikomi_New_TXT, "18.0", colours::White, colours::Black},
        {Field::FC_RL_Hikikomi_JG_TXT, "OK", colours::Blue, colours::Black},
        {Field::FC_RR_Hikikomi_Old_TXT, "7.0", colours::White, colours::Black},
        {Field::FC_RR_Hikikomi_New_TXT, "5.0", colours::White, colours::Black},
        {Field::FC_RR_Hikikomi_JG_TXT, "OK", colours::Yellow, colours::Black},
        {Field::UV1, "未解析", colours::White, colours::Black},
        {Field::UV16, "未解析", colours::White, colours::Black},
        {Field::RESULT_TXT, "O K", colours::Blue, colours::Black},
    };
    for (const auto& e : expected) {
        const QString name = FieldName(e.field, u"F4_");
        EXPECT_EQ(s[e.field].text, QString::fromUtf8(e.text)) << name.toStdString();
        EXPECT_EQ(s[e.field].background, e.background) << name.toStdString();
        EXPECT_EQ(s[e.field].foreground, e.foreground) << name.toStdString();
    }
}

TEST(RunAnalysis, AlarmBandsTurnTextsRedAndVerdictNG) {
    InputSet set = CompleteSet();
    set.beforeFront = Entry("13", "5", kOffsetPlus, "45", "165", "80");
    set.afterFront = Entry("20", "8.5", kOffsetPlus, "35", "295", "30");
    const ResultSheet s = *RunAnalysis(set).sheet;
    EXPECT_EQ(s[Field::TD_FA_JG_TXT].text, "NG");
    EXPECT_EQ(s[Field::TD_FA_JG_TXT].foreground, colours::AlarmRed);
    EXPECT_EQ(s[Field::TD_FA_JGCOM_LBL].foreground, colours::AlarmRed);
    EXPECT_EQ(s[Field::FC_FL_Hikikomi_JG_TXT].text, "NG");
    EXPECT_EQ(s[Field::FC_FL_Hikikomi_JG_TXT].foreground, colours::AlarmRed);
    EXPECT_EQ(s[Field::FC_FL_Hikikomi_JGCOM_LBL].foreground, colours::AlarmRed);
    // Only the alarm band changes text colours.
    EXPECT_EQ(s[Field::TD_RA_JG_TXT].foreground, colours::Black);
    EXPECT_EQ(s[Field::RESULT_TXT].text, "N G");
    EXPECT_EQ(s[Field::RESULT_TXT].background, colours::Pink);
    EXPECT_EQ(s[Field::RESULT_TXT].foreground, colours::Black);
}

TEST(RunAnalysis, NoTextForAMovementBelowOneMillimetre) {
    InputSet set = CompleteSet();
    set.afterFront.offsetMm = "45.5";  // the inner sidewall moves 5.5 mm, tyre 10 mm wider
    set.afterFront.tyreWidthMm = "205";
    const ResultSheet s = *RunAnalysis(set).sheet;
    EXPECT_EQ(s[Field::FC_FL_ZOUKA_New_TXT].text, "");
}

TEST(RunAnalysis, CompletenessDependsOnTheFlags) {
    InputSet empty;
    const QStringList all{
        "Combo11", "Combo12", "Combo1",  "Text13",  "Combo14", "Combo15",
        "F2_FC_FL_Hikikomi_Old_TXT",     "F2_FC_FR_Hikikomi_Old_TXT",
        "Combo16", "Combo17", "Combo2",  "Text18",  "Combo19", "Combo20",
        "F2_FC_RL_Hikikomi_Old_TXT",     "F2_FC_RR_Hikikomi_Old_TXT",
        "Combo21", "Combo22", "Combo3",  "Text23",  "Combo24", "Combo25",
        "Combo26", "Combo27", "Combo4",  "Text28",  "Combo29", "Combo30"};
    EXPECT_EQ(MissingEntries(empty), all);

    const struct {
        bool before;
        bool after;
        QStringList notNeeded;
    } cases[] = {
        {false, false, {}},
        {true, false, {"Combo16", "Combo17", "Combo2", "Text18"}},
        {false, true, {"Combo26", "Combo27", "Combo4", "Text28"}},
        {true, true, {"Combo16", "Combo17", "Combo2", "Text18", "Combo26", "Combo27", "Combo4", "Text28"}},
    };
    for (const auto& c : cases) {
        empty.rearSameAsFrontBefore = c.before;
        empty.rearSameAsFrontAfter = c.after;
        QStringList needed = all;
        for (const QString& n : c.notNeeded) needed.removeAll(n);
        EXPECT_EQ(MissingEntries(empty), needed) << c.before << c.after;
        EXPECT_EQ(needed.size(), 28 - c.notNeeded.size());
    }
}

TEST(RunAnalysis, IncompleteSetGivesNoSheet) {
    InputSet set = CompleteSet();
    set.beforeRear.rimDiameterInch.clear();
    AnalysisRun run = RunAnalysis(set);
    EXPECT_EQ(run.missing, QStringList{"Combo16"});
    EXPECT_FALSE(run.sheet.has_value());
    EXPECT_EQ(kIncompleteWarning, "項目に未選択または未入力の項目があります。　　");

    // With the flag set the rear wheel before the change is the front wheel.
    set.rearSameAsFrontBefore = true;
    run = RunAnalysis(set);
    ASSERT_TRUE(run.sheet.has_value());
    EXPECT_EQ((*run.sheet)[Field::WTR_Kumiawase_Old_TXT].text, "ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16");
}

TEST(RunAnalysis, FlagIgnoresValuesLeftInTheRearWheel) {
    InputSet set = CompleteSet();
    set.rearSameAsFrontBefore = true;
    set.beforeRear = Entry("20", "11", kOffsetMinus, "12", "195", "65");
    const ResultSheet s = *RunAnalysis(set).sheet;
    EXPECT_EQ(s[Field::WTR_Kumiawase_Old_TXT].text, "ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：195/65-16");
    EXPECT_EQ(s[Field::TD_RA_Old_TXT].text, "659.9");
}

TEST(RunAnalysis, VerdictCountsGreenAndYellowOkAsOk) {
    ResultSheet sheet = ResultSheet::Fresh();
    for (Field f : kVerdictJudgements) sheet[f].text = "OK";
    SetVerdict(sheet);
    EXPECT_EQ(sheet[Field::RESULT_TXT].text, "O K");
    EXPECT_EQ(sheet[Field::RESULT_TXT].background, colours::Blue);
    sheet[Field::FC_RR_Hikikomi_JG_TXT].text = "NG";
    SetVerdict(sheet);
    EXPECT_EQ(sheet[Field::RESULT_TXT].text, "N G");
    EXPECT_EQ(sheet[Field::RESULT_TXT].background, colours::Pink);
    sheet[Field::FC_RR_Hikikomi_JG_TXT].text = "ok";
    SetVerdict(sheet);
    EXPECT_EQ(sheet[Field::RESULT_TXT].text, "N G");
}

TEST(ResultSheet, FreshAndBlankSheets) {
    const ResultSheet fresh = ResultSheet::Fresh();
    int placeholders = 0;
    for (Field f : AllFields()) {
        const bool uv = FieldName(f, u"").startsWith("UV");
        placeholders += uv;
        EXPECT_EQ(fresh[f].text, uv ? QStringLiteral("未解析") : QString());
        EXPECT_EQ(fresh[f].background, colours::White);
        EXPECT_EQ(fresh[f].foreground, colours::Black);
        EXPECT_EQ(ResultSheet::Blank()[f].text, QString());
        EXPECT_EQ(FieldFromName(FieldName(f, u"F7_"), u"F7_"), f);
    }
    EXPECT_EQ(placeholders, 16);
    EXPECT_EQ(KindOf(Field::TD_FA_JGCOM_LBL), FieldKind::Comment);
    EXPECT_EQ(KindOf(Field::FC_RR_Hikikomi_JG_TXT), FieldKind::Judgement);
    EXPECT_EQ(KindOf(Field::RESULT_TXT), FieldKind::Verdict);
    EXPECT_EQ(KindOf(Field::FC_FL_ZOUKA_New_TXT), FieldKind::Text);
}
