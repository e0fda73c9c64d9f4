// Feeds arbitrary UTF-16 text to the field readers and checks that what the
// program writes into a field reads back to the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "number_text.h"

namespace {

std::u16string ToCodeUnits(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    if (!text.empty()) std::memcpy(text.data(), data, text.size() * 2);
    return text;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckCountRoundTrip(uint32_t count) {
    uint32_t readBack = 12345;
    TextToUInt(UIntToText(count), readBack);
    Require(readBack == count);
}

// A size's text, read back, must print as the same text.
void CheckSizeRoundTrip(double size) {
    if (!std::isfinite(size)) return;
    const std::u16string shown = DoubleToText(size);
    double readBack = 12345.0;
    TextToDouble(shown, readBack, 0.0);
    Require(std::isfinite(readBack));
    Require(DoubleToText(readBack) == shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text = ToCodeUnits(data, size);

    double length = 0.0;
    TextToDouble(text, length, -7.0);
    uint32_t count = 0;
    TextToUInt(text, count);

    CheckCountRoundTrip(count);
    CheckSizeRoundTrip(length);

    // Raw bit patterns reach doubles no text produces directly.
    if (size >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, data, sizeof bits);
        CheckSizeRoundTrip(bits);
    }
    return 0;
}
