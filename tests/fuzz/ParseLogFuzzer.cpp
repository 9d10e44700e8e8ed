// libFuzzer target: any bytes as a log file. The product's parse must not fault and must agree
// with the reference reading on every record, the interval and the stop at an invalid header.
#include "LogComparison.h"
#include "LogReference.h"
#include "ProductLog.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

const char* const kCaptions[] = {"ULT-FREEZER", "VANTORI FREEZER", "VANTORI REFRIGERATOR"};

// The interval an earlier load left behind matters only for data before the first header;
// taking it from the length lets the fuzzer vary it without a byte that no log has.
int IntervalLeftByEarlierLoad(size_t size)
{
    return static_cast<int>(size % 199) - 99;
}

[[noreturn]] void Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "DISAGREEMENT (%s, TZ=%s)\n%s", what, std::getenv("TZ"), detail.c_str());
    std::abort();
}

void CheckTitle(const RefOutcome& parse, size_t size)
{
    const std::string caption = kCaptions[size % 3];
    std::string expected = ReferenceTitle(caption, parse);
    std::string actual = ProductTitle(caption, parse.earliest, parse.latest);
    if (expected != actual)
        Fail("product line", "\"" + actual + "\" expected \"" + expected + "\"\n");
}

void CheckAlarmText(const uint8_t* data, size_t size)
{
    if (size < 2)
        return;
    unsigned char a = data[size - 2], b = data[size - 1];
    std::string expected = ReferenceAlarmText(a, b);
    std::string actual = ProductAlarmText(a, b);
    if (expected != actual)
        Fail("alarm text", "\"" + actual + "\" expected \"" + expected + "\"\n");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // One fixed zone per run; the script runs a zone without and one with daylight saving.
    const char* zone = std::getenv("KELVORO_FUZZ_TZ");
    setenv("TZ", zone ? zone : "UTC", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A copy of exactly the input's bytes, so any read past them is caught.
    unsigned char* bytes = static_cast<unsigned char*>(std::malloc(size ? size : 1));
    if (size)
        std::memcpy(bytes, data, size);
    int interval = IntervalLeftByEarlierLoad(size);
    RefOutcome expected = ReadLogForReference(bytes, size, interval);
    RefOutcome actual = RunProductParse(bytes, size, interval);
    std::free(bytes);
    std::string disagreement = DescribeDisagreement(expected, actual);
    if (!disagreement.empty())
        Fail("parse", disagreement);
    CheckTitle(actual, size);
    CheckAlarmText(data, size);
    return 0;
}
