#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "analysis/resultsheet.h"

namespace tarvelo {

// A result data file (*.rdw) stores 36 texts of a result sheet, one quoted text a line.
inline constexpr int kResultFileValues = 36;

// The sheet's fields in file order.
const std::array<Field, kResultFileValues>& ResultFileFields();

struct ResultFileBytes {
    QByteArray bytes;
    QString error;  // empty when every text could be encoded
};
// The file's bytes: each text between double quotes, code page 932, CR LF. A double quote
// inside a text is written as "＂" so the file reads back whole. A character that code
// page 932 cannot hold gives an error naming the field (with the given prefix).
ResultFileBytes ResultFileBytesOf(const ResultSheet& sheet, QStringView prefix = u"F4_");

// Saves the sheet; an empty text on success, else the reason. Nothing is written when a
// text cannot be encoded, and an earlier file is replaced only by a complete new one.
QString SaveResultFile(const QString& path, const ResultSheet& sheet);

struct ResultFileContent {
    std::array<QString, kResultFileValues> texts;  // empty when missing or unreadable
    int valueCount = 0;
    QList<int> undecodableValues;                  // 1-based
};
ResultFileContent ParseResultFile(QByteArrayView bytes);

struct ResultFileRead {
    ResultFileContent content;
    QString error;  // empty when the file was read
};
ResultFileRead ReadResultFile(const QString& path);

// Puts the 36 texts into their fields of a sheet; nothing else changes.
void PutIntoSheet(const ResultFileContent& content, ResultSheet& sheet);

}  // namespace tarvelo
