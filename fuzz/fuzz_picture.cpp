#include "fuzz/checks/picturecheck.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString dir = fuzzDir(QStringLiteral("picture"));
    reportFinding(checkPictureInput(fuzzBytes(data, size), dir));
    return 0;
}
