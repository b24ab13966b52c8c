#pragma once

#include <QString>
#include <ostream>

#include "analysis/colours.h"

// Readable failure messages for the project's types.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tarvelo {
inline void PrintTo(const Rgb& c, std::ostream* os) { *os << c.Hex().toStdString(); }
}  // namespace tarvelo
