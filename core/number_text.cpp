#include "number_text.h"

#include "decimal_conversion.h"
#include "input_filter.h"

namespace {

// Digits beyond this many only matter as "something non-zero follows";
// NearestDouble folds them the same way, so the scanner never holds more.
constexpr size_t DIGITS_COLLECTED = 800;
// Any exponent beyond this already gives an infinity or a zero.
constexpr int64_t EXPONENT_SATURATION = INT64_C(1000000000000);

// What scanf skips in the classic convention; nothing beyond ASCII.
bool IsSpace(char16_t ch) {
    return ch == u' ' || ch == u'\t' || ch == u'\n' || ch == u'\v' || ch == u'\f' || ch == u'\r';
}

bool IsDigit(char16_t ch) {
    return ch >= u'0' && ch <= u'9';
}

// Reads characters from the front of a text, one code unit at a time.
class Cursor {
   public:
    explicit Cursor(std::u16string_view text) : m_text(text) {}

    bool AtEnd() const { return m_position >= m_text.size(); }
    bool PeekDigit() const { return !AtEnd() && IsDigit(m_text[m_position]); }
    char16_t Take() { return m_text[m_position++]; }

    void SkipSpace() {
        while (!AtEnd() && IsSpace(m_text[m_position])) ++m_position;
    }

    // Consumes `ch` if it comes next.
    bool Accept(char16_t ch) {
        if (AtEnd() || m_text[m_position] != ch) return false;
        ++m_position;
        return true;
    }

    // Consumes a '+' or '-'; true for '-'.
    bool AcceptSign() {
        if (Accept(u'-')) return true;
        Accept(u'+');
        return false;
    }

    size_t Position() const { return m_position; }
    void Rewind(size_t position) { m_position = position; }

   private:
    std::u16string_view m_text;
    size_t m_position = 0;
};

// A decimal number as read: value = digits x 10^exponent10.
struct DecimalText {
    bool negative = false;
    std::string digits;  // significant digits, no leading zeros
    bool anyDigit = false;
    int64_t exponent10 = 0;
    bool sticky = false;  // a non-zero digit beyond the collected ones
};

void AddDigit(DecimalText& number, char16_t ch, bool afterPoint) {
    number.anyDigit = true;
    const char digit = static_cast<char>(ch);
    if (number.digits.empty() && digit == '0') {
        if (afterPoint) --number.exponent10;  // a leading zero of the fraction
        return;
    }
    if (number.digits.size() < DIGITS_COLLECTED) {
        number.digits += digit;
        if (afterPoint) --number.exponent10;
        return;
    }
    if (!afterPoint) ++number.exponent10;
    if (digit != '0') number.sticky = true;
}

// The optional exponent: 'e' or 'E', a sign and at least one digit; without
// a digit nothing of it is taken.
int64_t ScanExponent(Cursor& cursor) {
    const size_t start = cursor.Position();
    if (!cursor.Accept(u'e') && !cursor.Accept(u'E')) return 0;
    const bool negative = cursor.AcceptSign();
    if (!cursor.PeekDigit()) {
        cursor.Rewind(start);
        return 0;
    }
    int64_t exponent = 0;
    while (cursor.PeekDigit()) {
        exponent = exponent * 10 + (cursor.Take() - u'0');
        if (exponent > EXPONENT_SATURATION) exponent = EXPONENT_SATURATION;
    }
    return negative ? -exponent : exponent;
}

DecimalText ScanDecimal(std::u16string_view text) {
    Cursor cursor(text);
    DecimalText number;
    cursor.SkipSpace();
    number.negative = cursor.AcceptSign();
    while (cursor.PeekDigit()) AddDigit(number, cursor.Take(), false);
    if (cursor.Accept(GetDecimalPointChar())) {
        while (cursor.PeekDigit()) AddDigit(number, cursor.Take(), true);
    }
    if (number.anyDigit) number.exponent10 += ScanExponent(cursor);
    if (number.sticky) {
        number.digits += '1';
        --number.exponent10;
    }
    return number;
}

// Removes trailing zeros up to and including the point, never the zeros of
// the integer part.
void TrimFraction(std::u16string& text, char16_t point) {
    while (!text.empty() && text.back() == u'0') text.pop_back();
    if (text.empty()) {
        text = u"0";
        return;
    }
    if (text.back() != point) return;
    text.pop_back();
    if (text.empty()) text = u"0";
}

}  // namespace

std::u16string DoubleToText(double value) {
    const std::string fixed = FormatFixed6(value);
    const char16_t point = GetDecimalPointChar();
    std::u16string text;
    text.reserve(fixed.size());
    for (const char ch : fixed) text += ch == '.' ? point : static_cast<char16_t>(ch);
    TrimFraction(text, point);
    return text;
}

void TextToDouble(std::u16string_view text, double& value, double fallback) {
    const DecimalText number = ScanDecimal(text);
    value = number.anyDigit ? NearestDouble(number.negative, number.digits, number.exponent10)
                            : fallback;
}

std::u16string UIntToText(uint32_t value) {
    std::u16string text;
    do {
        text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return text;
}

void TextToUInt(std::u16string_view text, uint32_t& value) {
    Cursor cursor(text);
    cursor.SkipSpace();
    const bool negative = cursor.AcceptSign();
    uint32_t result = 0;
    while (cursor.PeekDigit()) result = result * 10u + static_cast<uint32_t>(cursor.Take() - u'0');
    // Unsigned arithmetic wraps modulo 2^32, as "%u" does.
    value = negative ? 0u - result : result;
}
