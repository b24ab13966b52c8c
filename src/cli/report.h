#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "analysis/resultsheet.h"

namespace tarvelo::cli {

// One JSON object on one line, fields named with the prefix and in sheet order.
QByteArray JsonSheet(const QString& file, const ResultSheet& sheet, QStringView prefix);
QByteArray JsonAnalysis(const QString& file, bool complete, const QStringList& missing,
                        const ResultSheet* sheet);
QByteArray JsonError(const QString& file, const QString& error);

// The result sheet as a readable Japanese table.
QByteArray TableSheet(const QString& file, const ResultSheet& sheet);
QByteArray TableIncomplete(const QString& file, const QStringList& missing);

}  // namespace tarvelo::cli
