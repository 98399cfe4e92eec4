#include "fuzz/checks/documentcheck.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString root = fuzzDir(QStringLiteral("document"));
    reportFinding(checkDocumentInput(fuzzBytes(data, size), root));
    return 0;
}
