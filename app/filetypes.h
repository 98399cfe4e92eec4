#pragma once

#include <QStringList>

// Hook through which the program announces the document suffixes it owns.
// The desktop learns about them from the installed files instead, so this does nothing.
void registerDocumentSuffixes(const QStringList &suffixes);
