#include "filetypes.h"

void registerDocumentSuffixes(const QStringList &suffixes)
{
    Q_UNUSED(suffixes)
}
