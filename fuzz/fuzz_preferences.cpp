#include "fuzz/checks/preferencescheck.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString root = fuzzDir(QStringLiteral("preferences"));
    reportFinding(checkPreferencesInput(fuzzBytes(data, size), root));
    return 0;
}
