#include "number_text.h"
// Placeholder until the exact conversions land; see the core work item.
std::u16string DoubleToText(double) {
    return u"0";
}
void TextToDouble(std::u16string_view, double& value, double fallback) {
    value = fallback;
}
std::u16string UIntToText(uint32_t) {
    return u"0";
}
void TextToUInt(std::u16string_view, uint32_t& value) {
    value = 0;
}
