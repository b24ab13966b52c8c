#include "input/form2_guidance.h"

#include <QEvent>
#include <QGroupBox>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include <iterator>
#include <vector>

#include "analysis/runanalysis.h"
#include "app/fonts.h"
#include "app/picturearea.h"
#include "app/pictures.h"
#include "app/twips.h"
#include "input/form2_frames.h"

namespace tarvelo {

namespace {

constexpr int kWheelSizeFigure = 162;
constexpr int kFigureA = 163;
constexpr int kFigureB = 164;
constexpr int kTyreSizeFigure = 119;

enum class Group {
    RimDiameter,
    RimWidth,
    OffsetDirection,
    OffsetAmount,
    TyreWidth,
    AspectRatio,
    Clearance,
    SameAsFront,
};

// One watched control and the words its guidance puts into the group's text.
struct Guide {
    QString control;
    Group group;
    QString wheel;  // "変更前の前輪": the state and axle of a wheel entry
    QString axle;   // "前輪": a clearance box's axle
    QString side;   // "左": a clearance box's side
};

struct WheelWords {
    const SpecControls* controls;
    const char* wheel;
};

constexpr WheelWords kWheels[] = {
    {&kBeforeFrontControls, "変更前の前輪"},
    {&kBeforeRearControls, "変更前の後輪"},
    {&kAfterFrontControls, "変更後の前輪"},
    {&kAfterRearControls, "変更後の後輪"},
};

// The clearance boxes in the order of kClearanceControls.
constexpr const char* kClearanceWords[][2] = {
    {"前輪", "左"}, {"前輪", "右"}, {"後輪", "左"}, {"後輪", "右"}};

const std::vector<Guide>& Guides() {
    static const std::vector<Guide> guides = [] {
        std::vector<Guide> all;
        for (const WheelWords& w : kWheels) {
            const SpecControls& c = *w.controls;
            const QString wheel = QString::fromUtf8(w.wheel);
            const std::pair<const char*, Group> entries[] = {
                {c.rimDiameter, Group::RimDiameter},   {c.rimWidth, Group::RimWidth},
                {c.offsetDirection, Group::OffsetDirection},
                {c.offsetAmount, Group::OffsetAmount}, {c.tyreWidth, Group::TyreWidth},
                {c.aspectRatio, Group::AspectRatio},
            };
            for (const auto& [name, group] : entries)
                all.push_back({QString::fromLatin1(name), group, wheel, {}, {}});
        }
        for (size_t i = 0; i < kClearanceControls.size(); ++i) {
            all.push_back({QString::fromLatin1(kClearanceControls[i]), Group::Clearance, {},
                           QString::fromUtf8(kClearanceWords[i][0]),
                           QString::fromUtf8(kClearanceWords[i][1])});
        }
        for (const char* check : {"Check1", "Check2"})
            all.push_back({QString::fromLatin1(check), Group::SameAsFront, {}, {}, {}});
        return all;
    }();
    return guides;
}

const Guide* FindGuide(const QString& control) {
    for (const Guide& guide : Guides())
        if (guide.control == control) return &guide;
    return nullptr;
}

QStringList EmptyLines(int count) {
    return QStringList(count, QString());
}

// The wheel texts: the field, what to do, where the field is in the wheel-size figure,
// room for that figure, notes, room for figure A and the caption that names it.
QStringList WheelText(const QString& title, const QString& instruction, const QString& marks,
                      const QStringList& notes) {
    return QStringList{title, instruction, QString(), marks} + EmptyLines(3) + notes +
           EmptyLines(12) + QStringList{QStringLiteral("  【図A-ホイール寸法について】")};
}

QStringList RimNotes() {
    return {QStringLiteral("【補足事項】"),
            QStringLiteral("本ｿﾌﾄｳｪｱでは入力欄はありませんが、ﾎｲｰﾙ変更に際しては③ﾌﾗﾝｼﾞ形状、"
                           "⑤ﾎﾞﾙﾄ穴数、⑥P.C.D（「Pitch Circle Dia"),
            QStringLiteral("meter」の略で、図Aの寸法"),
            QStringLiteral("「P.C.D」箇所）を必ず整合させる必要があります。")};
}

QStringList OffsetNotes() {
    return {QStringLiteral("【重要事項】"), QStringLiteral("本項目は変更後におけるﾀｲﾔ"),
            QStringLiteral("と車体との干渉を算出する上で非常に重要です。 "
                           "不明な場合はﾎｲｰﾙ販売店等に問い合わせて確認して下さい。")};
}

// The group's lines; {wheel}, {axle} and {side} stand for the control's own words.
QStringList GroupLines(Group group) {
    switch (group) {
    case Group::RimDiameter:
        return WheelText(
            QStringLiteral("【ホイールリム径(inch)】"),
            QStringLiteral("{wheel}ホイールリム径をドロップダウンリストから選択して下さい。"),
            QStringLiteral("下図はホイールサイズ表記の代表的な例を示していて、"
                           "下図①および図A「H」寸法に該当します。"),
            RimNotes());
    case Group::RimWidth:
        return WheelText(
            QStringLiteral("【ホイールリム幅(inch)】"),
            QStringLiteral("{wheel}ホイールリム幅をドロップダウンリストから選択して下さい。"),
            QStringLiteral("下図はホイールサイズ表記の代表的な例を示していて、"
                           "下図②および図A「W」寸法に該当します。"),
            RimNotes());
    case Group::OffsetDirection:
        return WheelText(
            QStringLiteral("【ホイールオフセット(mm)】"),
            QStringLiteral(
                "{wheel}ホイールオフセット方向をドロップダウンリストから選択して下さい。"),
            QStringLiteral("下図はホイールサイズ表記の代表的な例を示していて、下図④および図A"
                           "「Wa」方向に該当します。（図Aの場合は取付座面が中心より外側に"
                           "あることから＋ｵﾌｾｯﾄとなります）"),
            OffsetNotes());
    case Group::OffsetAmount:
        return WheelText(
            QStringLiteral("【ホイールオフセット(mm)】"),
            QStringLiteral("{wheel}ホイールオフセット量を直接入力して下さい。"),
            QStringLiteral("下図はホイールサイズ表記の代表的な例を示していて、下図④および図A"
                           "「Wa」寸法に該当します。（図Aの場合は取付座面が中心より外側に"
                           "あることから＋ｵﾌｾｯﾄとなります）"),
            OffsetNotes());
    case Group::TyreWidth:
        return {QStringLiteral("【タイヤ断面幅サイズ(mm)】"),
                QStringLiteral("タイヤ断面幅サイズをドロップダウンリストから選択して下さい。"),
                QString(),
                QStringLiteral("下図は代表的なタイヤサイズ表記の例を示していて、"
                               "図中①の表記部分に該当します。"),
                QString(),
                QStringLiteral("【補足事項】"),
                QStringLiteral("断面幅とは、サイドウォールの文字や模様を含まないタイヤ幅のことです。")};
    case Group::AspectRatio:
        return {QStringLiteral("【タイヤ扁平率(%)】"),
                QStringLiteral("タイヤ扁平率をドロップダウンリストから選択して下さい。"),
                QString(),
                QStringLiteral("下図は代表的なタイヤサイズ表記の例を示していて、"
                               "図中②の表記部分に該当します。"),
                QString(),
                QStringLiteral("【補足事項】"),
                QStringLiteral("扁平率とは、タイヤ断面幅に対するタイヤの高さ"
                               "（タイヤ断面の一番高い部分）比率のことです。"),
                QStringLiteral("単位はパーセント(%)であることから、実際のタイヤ断面高さ(mm)を"
                               "知るには下記の計算が必要となります。"),
                QString(),
                QStringLiteral("タイヤ断面高さ(mm)＝"),
                QStringLiteral("タイヤ断面幅(mm)×扁平率(%) / 100")};
    case Group::Clearance:
        return QStringList{
                   QStringLiteral("【{axle}フェンダークリアランス】"),
                   QStringLiteral("変更前の{axle}{side}側のﾌｪﾝﾀﾞｰ"),
                   QStringLiteral("ｸﾘｱﾗﾝｽ引込量(mm)を直接入力して下さい。"),
                   QString(),
                   QStringLiteral("図B「L1」寸法に該当します。"),
                   QStringLiteral("本寸法は車両を実際に計測した値を入力して下さい。"),
                   QString(),
                   QStringLiteral("【補足事項】"),
                   QStringLiteral("計測にあたっては、車両を水平な場所に駐車した上で"
                                  "できるだけ正確に計測して下さい。"),
                   QStringLiteral("なお、ホイールの取付具合や車両個体差などがあるため、"
                                  "前後輪の左右4箇所各毎に計測する必要があります。"),
                   QStringLiteral("（入力欄も各毎に入力するようになっています）")} +
               EmptyLines(13) + QStringList{QStringLiteral(" 【図B-ｸﾘｱﾗﾝｽ寸法について】")};
    case Group::SameAsFront:
        return {QStringLiteral("【前輪ホイールと同じ】"),
                QStringLiteral("後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 "
                               "入力が省略でき便利です。")};
    }
    return {};
}

QString TextOf(const Guide& guide) {
    return GroupLines(guide.group)
        .join(QStringLiteral("\r\n"))
        .replace(QStringLiteral("{wheel}"), guide.wheel)
        .replace(QStringLiteral("{axle}"), guide.axle)
        .replace(QStringLiteral("{side}"), guide.side);
}

struct FigureAreas {
    QLabel* wheelSize;  // Image12
    QLabel* large;      // Image13
    QLabel* tyreSize;   // Image3
};

void MoveTo(QLabel* area, int leftTwips, int topTwips) {
    area->move(TwipsToPixels(leftTwips), TwipsToPixels(topTwips));
}

void SetHeight(QLabel* area, int heightTwips) {
    area->resize(area->width(), TwipsToPixels(heightTwips));
}

// The wheel fields: the wheel-size figure at the group's height and figure A below it.
void ShowWheelFigures(const FigureAreas& a, int wheelSizeTop) {
    ClearPictureArea(a.tyreSize);
    LoadResourcePicture(kWheelSizeFigure, {a.wheelSize});
    LoadResourcePicture(kFigureA, {a.large});
    MoveTo(a.wheelSize, 107, wheelSizeTop);
    MoveTo(a.large, 130, 4380);
    SetHeight(a.large, 2130);
}

// The tyre fields: the tyre-size figure alone, at the group's height.
void ShowTyreFigure(const FigureAreas& a, int top) {
    ClearPictureArea(a.wheelSize);
    ClearPictureArea(a.large);
    LoadResourcePicture(kTyreSizeFigure, {a.tyreSize});
    MoveTo(a.tyreSize, 130, top);
}

// The clearance boxes: figure B alone.
void ShowFigureB(const FigureAreas& a, int) {
    ClearPictureArea(a.tyreSize);
    ClearPictureArea(a.wheelSize);
    LoadResourcePicture(kFigureB, {a.large});
    SetHeight(a.large, 2310);
    MoveTo(a.large, 130, 4150);
}

// The check boxes explain themselves in words alone.
void ClearFigures(const FigureAreas& a, int) {
    ClearPictureArea(a.tyreSize);
    ClearPictureArea(a.wheelSize);
    ClearPictureArea(a.large);
}

struct GroupFigures {
    void (*step)(const FigureAreas&, int top);
    int top;  // twips, for the figure the step places at the group's height
};

// In the order of Group.
constexpr GroupFigures kGroupFigures[] = {
    {ShowWheelFigures, 2170}, {ShowWheelFigures, 2170}, {ShowWheelFigures, 2570},
    {ShowWheelFigures, 2570}, {ShowTyreFigure, 2900},   {ShowTyreFigure, 4650},
    {ShowFigureB, 0},         {ClearFigures, 0},
};
static_assert(std::size(kGroupFigures) == static_cast<size_t>(Group::SameAsFront) + 1);

// The guidance text, its lines one em apart: the figures stand at fixed heights, placed
// for text set that tightly, and a font with more leading would run the text into them.
class GuidanceLabel final : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const int pitch = QFontInfo(font()).pixelSize();
        int y = 0;
        for (const QString& paragraph : text().split(QStringLiteral("\r\n"))) {
            if (paragraph.isEmpty()) {
                y += pitch;
                continue;
            }
            QTextLayout layout(paragraph, font(), this);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid();
                 line = layout.createLine()) {
                line.setLineWidth(width());
                line.setPosition(QPointF(0, y));
                y += pitch;
            }
            layout.endLayout();
            layout.draw(&painter, QPointF());
        }
    }
};

QLabel* PlaceArea(const char* name, QRect twips, QWidget* panel) {
    QLabel* area = MakePictureArea(QString::fromLatin1(name), QString(), panel);
    area->setGeometry(twips);
    return area;
}

}  // namespace

QGroupBox* BuildGuidancePanel(QWidget* parent) {
    QGroupBox* panel = MakeHeadedFrame("Frame5", "Image11", QStringLiteral("解説"), parent);
    panel->setFixedWidth(TwipsToPixels(2540));
    panel->setMinimumHeight(TwipsToPixels(7425));
    panel->findChild<QLabel*>(QStringLiteral("Image11"))->move(TwipsToPixels(150), 0);

    PlaceArea("Image13", TwipsRect(130, 2500, 2280, 2865), panel);
    PlaceArea("Image12", TwipsRect(107, 5400, 2325, 375), panel);
    PlaceArea("Image3", TwipsRect(130, 6200, 2250, 525), panel);

    // Drawn above the figures and without a background of its own, so that the figures
    // show in the room its empty lines leave.
    auto* text = new GuidanceLabel(
        QStringLiteral("項目の選択またはクリックすることによって、ここに解説が自動的に表示されます。"),
        panel);
    text->setObjectName(QStringLiteral("Label_Kaisetsu"));
    text->setFont(UiFont(9.75));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(TwipsRect(105, 360, 2340, 6675));
    text->setAutoFillBackground(false);

    PlaceArea("Image2", TwipsRect(210, 7050, 2085, 375), panel);
    // Above the logo too: a figure's caption line at the foot of a long text stays legible.
    text->raise();
    return panel;
}

QString GuidanceText(const QString& control) {
    const Guide* guide = FindGuide(control);
    return guide != nullptr ? TextOf(*guide) : QString();
}

FieldGuidance::FieldGuidance(QWidget* form)
    : QObject(form),
      form_(form),
      text_(form->findChild<QLabel*>(QStringLiteral("Label_Kaisetsu"))),
      wheelSize_(form->findChild<QLabel*>(QStringLiteral("Image12"))),
      large_(form->findChild<QLabel*>(QStringLiteral("Image13"))),
      tyreSize_(form->findChild<QLabel*>(QStringLiteral("Image3"))) {
    for (const Guide& guide : Guides()) {
        if (auto* control = form->findChild<QWidget*>(guide.control))
            control->installEventFilter(this);
    }
    // A window that is not yet active gives its focus control no focus event, yet the
    // panel is to explain that control as soon as the form is on the screen.
    form->installEventFilter(this);
}

void FieldGuidance::Show(const QWidget* control) {
    const Guide* guide = control != nullptr ? FindGuide(control->objectName()) : nullptr;
    if (guide == nullptr) return;
    const GroupFigures& figures = kGroupFigures[static_cast<size_t>(guide->group)];
    figures.step(FigureAreas{wheelSize_, large_, tyreSize_}, figures.top);
    text_->setText(TextOf(*guide));
}

bool FieldGuidance::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) Show(qobject_cast<QWidget*>(watched));
    if (watched == form_ && event->type() == QEvent::Show) Show(form_->focusWidget());
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvelo
