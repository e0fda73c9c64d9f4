#pragma once
// Exact conversions between doubles and decimal digits, independent of the
// C run-time (whose printf and strtod differ between platforms).
#include <cstdint>
#include <string>
#include <string_view>

// The value as "%.6f" writes it, with '.' as the point: exact digits for every
// finite double, rounded half to even on exact ties. Non-finite values give
// "inf", "-inf", "nan" or "-nan".
std::string FormatFixed6(double value);

// The double nearest to digits x 10^exponent10 (ties to even), negated when
// `negative`. `digits` holds ASCII digits only (an empty string is zero).
// Beyond the range of a double the result is an infinity or a zero, keeping
// the sign.
double NearestDouble(bool negative, std::string_view digits, int64_t exponent10);
