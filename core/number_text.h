#pragma once
// How sizes and counts become field text and how field text becomes a value
// again. Texts are UTF-16 code units; nothing here can fail.
#include <cstdint>
#include <string>
#include <string_view>

// "%.6f" with the trailing zeros (and a bare point) trimmed: 18.5 -> "18.5",
// 100.0 -> "100". Exact for every finite double, however long.
std::u16string DoubleToText(double value);

// Reads a leading decimal number the way "%lf" does (no hex, no inf/nan),
// correctly rounded; stores `fallback` when the text holds no number.
void TextToDouble(std::u16string_view text, double& value, double fallback);

// "%u".
std::u16string UIntToText(uint32_t value);

// Reads a leading count the way "%u" does, wrapping modulo 2^32; 0 when the
// text holds no number.
void TextToUInt(std::u16string_view text, uint32_t& value);
