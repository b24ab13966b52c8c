#include "input/inputfile.h"

#include "analysis/numbers.h"
#include "analysis/runanalysis.h"
#include "common/datafile.h"
#include "input/valuelists.h"

namespace tarvelo {

namespace {

const QByteArray kLineEnd("\r\n");

QByteArray NumberLine(const QString& text) {
    return ShortNumberText(LeadingNumber(text)).toLatin1() + kLineEnd;
}

QByteArray TextLine(const QString& text) {
    // The file's texts are the direction signs and "0", all of which code page 932 holds.
    return '"' + EncodeCp932(text).value_or(QByteArray()) + '"' + kLineEnd;
}

QString DirectionText(int index) {
    const QStringList& items = OffsetDirectionItems();
    return index >= 0 && index < items.size() ? items[index] : QString();
}

QByteArray SpecLines(const WheelTyreSpec& spec) {
    return NumberLine(spec.rimDiameterInch) + NumberLine(spec.rimWidthInch) +
           TextLine(DirectionText(spec.offsetDirection)) + NumberLine(spec.offsetMm) +
           NumberLine(spec.tyreWidthMm) + NumberLine(spec.aspectRatioPct);
}

// A corner's clearance followed by the two reserved lines, which always hold "0".
QByteArray ClearanceLines(const QString& clearance) {
    const QString reserved = QStringLiteral("0");
    return NumberLine(clearance) + TextLine(reserved) + TextLine(reserved);
}

constexpr std::array<FileLineTarget, 28> kLinesIntoForm{{
    {1, "Combo11", ControlKind::NumberList},
    {2, "Combo12", ControlKind::NumberList},
    {3, "Combo1", ControlKind::DirectionList},
    {4, "Text13", ControlKind::NumberBox},
    {5, "Combo14", ControlKind::NumberList},
    {6, "Combo15", ControlKind::NumberList},
    {7, "F2_FC_FL_Hikikomi_Old_TXT", ControlKind::NumberBox},
    {10, "F2_FC_FR_Hikikomi_Old_TXT", ControlKind::NumberBox},
    {13, "Combo16", ControlKind::NumberList},
    {14, "Combo17", ControlKind::NumberList},
    {15, "Combo2", ControlKind::DirectionList},
    {16, "Text18", ControlKind::NumberBox},
    {17, "Combo19", ControlKind::NumberList},
    {18, "Combo20", ControlKind::NumberList},
    {19, "F2_FC_RL_Hikikomi_Old_TXT", ControlKind::NumberBox},
    {22, "F2_FC_RR_Hikikomi_Old_TXT", ControlKind::NumberBox},
    {25, "Combo21", ControlKind::NumberList},
    {26, "Combo22", ControlKind::NumberList},
    {27, "Combo3", ControlKind::DirectionList},
    {28, "Text23", ControlKind::NumberBox},
    {29, "Combo24", ControlKind::NumberList},
    {30, "Combo25", ControlKind::NumberList},
    {31, "Combo26", ControlKind::NumberList},
    {32, "Combo27", ControlKind::NumberList},
    {33, "Combo4", ControlKind::DirectionList},
    {34, "Text28", ControlKind::NumberBox},
    {35, "Combo29", ControlKind::NumberList},
    {36, "Combo30", ControlKind::NumberList},
}};

// Where a control keeps its value in an input set.
struct Slot {
    QString* text = nullptr;
    int* index = nullptr;
    const QStringList* items = nullptr;
};

Slot SlotOf(InputSet& set, QLatin1StringView control) {
    const std::pair<const SpecControls*, WheelTyreSpec*> specs[] = {
        {&kBeforeFrontControls, &set.beforeFront},
        {&kBeforeRearControls, &set.beforeRear},
        {&kAfterFrontControls, &set.afterFront},
        {&kAfterRearControls, &set.afterRear}};
    for (const auto& [names, spec] : specs) {
        if (control == QLatin1StringView(names->rimDiameter))
            return {&spec->rimDiameterInch, nullptr, &RimDiameterItems()};
        if (control == QLatin1StringView(names->rimWidth))
            return {&spec->rimWidthInch, nullptr, &RimWidthItems()};
        if (control == QLatin1StringView(names->offsetDirection))
            return {nullptr, &spec->offsetDirection, &OffsetDirectionItems()};
        if (control == QLatin1StringView(names->offsetAmount)) return {&spec->offsetMm};
        if (control == QLatin1StringView(names->tyreWidth))
            return {&spec->tyreWidthMm, nullptr, &TyreWidthItems()};
        if (control == QLatin1StringView(names->aspectRatio))
            return {&spec->aspectRatioPct, nullptr, &AspectRatioItems()};
    }
    for (Corner c : kCorners) {
        if (control == QLatin1StringView(kClearanceControls[c])) return {&set.clearanceMm[c]};
    }
    return {};
}

}  // namespace

QByteArray InputFileBytes(const InputSet& set) {
    return SpecLines(set.beforeFront) + ClearanceLines(set.clearanceMm[kFL]) +
           ClearanceLines(set.clearanceMm[kFR]) + SpecLines(set.beforeRear) +
           ClearanceLines(set.clearanceMm[kRL]) + ClearanceLines(set.clearanceMm[kRR]) +
           SpecLines(set.afterFront) + SpecLines(set.afterRear);
}

QString SaveInputFile(const QString& path, const InputSet& set) {
    return SaveDataFile(path, InputFileBytes(set));
}

double InputFileContent::Number(int line) const { return LeadingNumber(Text(line)); }

InputFileContent ParseInputFile(QByteArrayView bytes) {
    InputFileContent content;
    const QList<FileValue> values = SplitValues(bytes, kInputFileLines);
    content.fieldCount = static_cast<int>(values.size());
    for (int i = 0; i < content.fieldCount; ++i) {
        content.fields[static_cast<size_t>(i)] = values[i].text;
        if (!values[i].decoded) content.undecodableLines << i + 1;
    }
    return content;
}

InputFileRead ReadInputFile(const QString& path) {
    InputFileRead read;
    const FileBytes file = ReadDataFile(path);
    read.error = file.error;
    if (read.error.isEmpty()) read.content = ParseInputFile(file.bytes);
    return read;
}

int ListIndexForNumber(const QStringList& items, double value) {
    return static_cast<int>(items.indexOf(ShortNumberText(value)));
}

QString BoxTextForNumber(double value) { return ShortNumberText(value); }

int DirectionIndexForText(const QString& text) {
    return static_cast<int>(OffsetDirectionItems().indexOf(text));
}

const std::array<FileLineTarget, 28>& FileLinesIntoForm() { return kLinesIntoForm; }

InputSet ApplyInputFile(const InputFileContent& content, const InputSet& current,
                        QStringList* refusedBoxes) {
    InputSet set = current;
    for (const FileLineTarget& target : kLinesIntoForm) {
        const Slot slot = SlotOf(set, QLatin1StringView(target.control));
        switch (target.kind) {
            case ControlKind::NumberList: {
                const int index = ListIndexForNumber(*slot.items, content.Number(target.line));
                if (index >= 0) *slot.text = (*slot.items)[index];
                break;
            }
            case ControlKind::DirectionList: {
                const int index = DirectionIndexForText(content.Text(target.line));
                // "±" puts "0" into the amount box, but the next line replaces it.
                if (index >= 0) *slot.index = index;
                break;
            }
            case ControlKind::NumberBox: {
                const QString text =
                    BoxTextForNumber(content.Number(target.line)).left(kNumberBoxMaxLength);
                if (IsNumberText(text)) {
                    *slot.text = text;
                } else {
                    slot.text->clear();
                    if (refusedBoxes) *refusedBoxes << QLatin1StringView(target.control);
                }
                break;
            }
        }
    }
    return set;
}

}  // namespace tarvelo
