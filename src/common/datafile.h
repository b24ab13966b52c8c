#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

class QIODevice;

namespace tarvelo {

// Readers look at no more than this much of a file: both data files are far smaller.
inline constexpr qsizetype kMaxDataFileBytes = 64 * 1024;

// One value of a data file as the readers see it.
struct FileValue {
    QString text;
    bool decoded = true;  // false when its bytes are not code page 932; the text is then empty
};

// Splits data-file bytes into at most maxValues values. A comma or a line end (CR LF, CR
// or LF) ends a value; blanks before a value are skipped; a value that starts with a
// double quote is the text up to the next quote (or the line end), and what follows it up
// to the next separator is dropped; an unquoted value loses its trailing blanks.
QList<FileValue> SplitValues(QByteArrayView bytes, int maxValues);

// The whole text of a file, at most kMaxDataFileBytes, or why it could not be read.
struct FileBytes {
    QByteArray bytes;
    QString error;  // empty when the file was read
};
FileBytes ReadDataFile(const QString& path);

// Code page 932 (Windows-31J: 81 7C is "－", 81 60 is "～").
bool Cp932Available();
// The bytes of a text, or nothing when a character has no code in code page 932.
std::optional<QByteArray> EncodeCp932(const QString& text);
// The text of some bytes, or nothing when they are not valid code page 932.
std::optional<QString> DecodeCp932(QByteArrayView bytes);

// Writes all bytes to an open device; false, with the device's reason, when it fails.
bool WriteAll(QIODevice& device, const QByteArray& bytes, QString* error);

// Saves a file as a whole or not at all: a failed save leaves an earlier file untouched.
// Returns an empty text on success, else the reason.
QString SaveDataFile(const QString& path, const QByteArray& bytes);

}  // namespace tarvelo
