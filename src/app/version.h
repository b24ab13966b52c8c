#pragma once

#include <QString>

namespace tarvelo {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

// "Version 1.0.0", as the splash and the version dialogs show it.
inline QString VersionLabelText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}

}  // namespace tarvelo
