// libFuzzer's start-up hook, shared by every target: the Qt application
// object the readers need exists before the first input.
#include "fuzzcommon.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    flumo::fuzz::startCoreApplication();
    return 0;
}
