#pragma once

#include <QString>

// The running version as text, and as major * 10000 + minor * 10 + patch.
inline QString appVersionText()
{
    return QStringLiteral("1.0.0");
}
constexpr int versionCode = 10000;
// The lowest version code that can read documents this version writes.
constexpr int minDocumentVersionCode = 10000;
