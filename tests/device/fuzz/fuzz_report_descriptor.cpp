// Arbitrary report descriptors: parsing stays in bounds and the lengths stay sane.
#include "HidReportDescriptor.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const HidReportLayout layout = ParseReportDescriptor(pData, nSize);
    // A report length counts the report id byte, so it is never exactly 1.
    if (layout.caps.InputReportByteLength == 1 || layout.caps.OutputReportByteLength == 1)
        std::abort();
    return 0;
}
