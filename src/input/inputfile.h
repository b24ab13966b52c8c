#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "analysis/inputset.h"

namespace tarvelo {

// An input data file (*.ipw) holds one input set in 36 lines.
inline constexpr int kInputFileLines = 36;

// The 36 lines of a set: numbers unquoted, texts quoted, code page 932, CR LF.
QByteArray InputFileBytes(const InputSet& set);
// Saves the set; an empty text on success, else the reason. An earlier file is replaced
// only by a complete new one.
QString SaveInputFile(const QString& path, const InputSet& set);

// The fields of an input file as read.
struct InputFileContent {
    std::array<QString, kInputFileLines> fields;  // empty when missing or unreadable
    int fieldCount = 0;                           // how many fields the file held
    QList<int> undecodableLines;                  // 1-based lines whose bytes are not CP932

    // The number a line stands for (its leading numeric part, 0 for none or missing).
    double Number(int line) const;
    // The text of a line (empty for missing).
    const QString& Text(int line) const { return fields[static_cast<size_t>(line - 1)]; }
};

InputFileContent ParseInputFile(QByteArrayView bytes);

struct InputFileRead {
    InputFileContent content;
    QString error;  // empty when the file was read
};
InputFileRead ReadInputFile(const QString& path);

// --- How read values reach the form's controls ---

// The item of a number list whose text is the number's shortest decimal text, or -1.
int ListIndexForNumber(const QStringList& items, double value);
// The text a number box gets for a number: its shortest decimal text ("0" for 0).
QString BoxTextForNumber(double value);
// The item of the direction list equal to a text, or -1.
int DirectionIndexForText(const QString& text);

// One control of the form that a line of the file sets.
enum class ControlKind { NumberList, DirectionList, NumberBox };
struct FileLineTarget {
    int line;              // 1-based line of the file
    const char* control;   // the control's name on the input form
    ControlKind kind;
};
// The 28 lines that are put into the form, in the order they are put.
const std::array<FileLineTarget, 28>& FileLinesIntoForm();

// Puts a file into an input set as the input form does: lists whose number matches no
// item keep their selection, a box text that the form refuses leaves the box empty (its
// control name is added to refusedBoxes). The two flags are left as they are.
InputSet ApplyInputFile(const InputFileContent& content, const InputSet& current,
                        QStringList* refusedBoxes = nullptr);

}  // namespace tarvelo
