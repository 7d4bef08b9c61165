// The entry of one fuzzer program: VIREO_FUZZ_TARGET names its target.
#include "fuzz/FuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return vireo::fuzz::VIREO_FUZZ_TARGET(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
}
