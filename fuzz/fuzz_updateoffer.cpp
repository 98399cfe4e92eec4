#include "fuzz/checks/updateoffercheck.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    reportFinding(checkUpdateReply(fuzzBytes(data, size)));
    return 0;
}
