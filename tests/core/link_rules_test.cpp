#include "link_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t ch : text) {
        out += ch < 0x80 ? static_cast<char>(ch) : '?';
    }
    return out;
}

// --- colour -------------------------------------------------------------

struct ColorCase {
    bool hover;
    bool opened;
    uint32_t expected;
};

constexpr uint32_t kNormal = 0x00EE0000;
constexpr uint32_t kOpened = 0x008B1A55;
constexpr uint32_t kHover = 0x00D77800;

class LinkColor : public ::testing::TestWithParam<ColorCase> {};

TEST_P(LinkColor, HoverWinsOverOpenedElseNormal) {
    const ColorCase& c = GetParam();
    EXPECT_EQ(ChooseLinkColor(c.hover, c.opened, kNormal, kOpened, kHover), c.expected);
}

INSTANTIATE_TEST_SUITE_P(AllStates, LinkColor,
                         ::testing::Values(ColorCase{false, false, kNormal},
                                           ColorCase{false, true, kOpened},
                                           ColorCase{true, false, kHover},
                                           ColorCase{true, true, kHover}));

// --- hover --------------------------------------------------------------

struct ContainsCase {
    int32_t x;
    int32_t y;
    bool inside;
};

TEST(LinkRectContains, LeftAndTopInsideRightAndBottomOutside) {
    const LinkRect rect{0, 0, 41, 13};
    const std::vector<ContainsCase> cases = {
        {0, 0, true},    {40, 12, true}, {20, 6, true},   {41, 6, false}, {20, 13, false},
        {41, 13, false}, {-1, 6, false}, {20, -1, false}, {40, 0, true},  {0, 12, true},
    };
    for (const ContainsCase& c : cases) {
        EXPECT_EQ(LinkRectContains(rect, c.x, c.y), c.inside) << c.x << "," << c.y;
    }
}

TEST(LinkRectContains, EmptyRectContainsNothing) {
    EXPECT_FALSE(LinkRectContains(LinkRect{5, 5, 5, 5}, 5, 5));
    EXPECT_FALSE(LinkRectContains(LinkRect{5, 5, 4, 9}, 5, 6));
}

struct HoverCase {
    bool hovering;
    bool inside;
    std::vector<HoverStep> steps;
};

class Hover : public ::testing::TestWithParam<HoverCase> {};

TEST_P(Hover, StepsComeInTheirOrder) {
    const HoverCase& c = GetParam();
    const HoverPlan plan = PlanHover(c.hovering, c.inside);
    EXPECT_EQ(std::vector<HoverStep>(plan.begin(), plan.end()), c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, Hover,
    ::testing::Values(
        // idle: any move enters, redrawing before it takes the capture
        HoverCase{false, true, {HoverStep::setHover, HoverStep::redraw, HoverStep::captureMouse}},
        HoverCase{false, false, {HoverStep::setHover, HoverStep::redraw, HoverStep::captureMouse}},
        // hovering: inside stays, outside leaves, releasing before it redraws
        HoverCase{true, true, {}},
        HoverCase{
            true, false, {HoverStep::clearHover, HoverStep::releaseMouse, HoverStep::redraw}}));

// --- fitting ------------------------------------------------------------

struct FitCase {
    const char* name;
    LinkRect rect;
    int32_t cx;
    int32_t cy;
    uint32_t style;
    LinkRect expected;
};

class Fit : public ::testing::TestWithParam<FitCase> {};

TEST_P(Fit, MovesAndSizesToTheText) {
    const FitCase& c = GetParam();
    const LinkRect r = FitLinkRect(c.rect, c.cx, c.cy, c.style);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.right, c.expected.right);
    EXPECT_EQ(r.bottom, c.expected.bottom);
}

constexpr uint32_t kLeft = 0x0000;
constexpr uint32_t kNotify = 0x0100;

INSTANTIATE_TEST_SUITE_P(
    Examples, Fit,
    ::testing::Values(
        FitCase{"left_keeps_top_left", {10, 10, 110, 30}, 41, 13, kLeft, {10, 10, 51, 23}},
        FitCase{"left_grows_to_wider_text", {10, 10, 20, 15}, 41, 13, kLeft, {10, 10, 51, 23}},
        // width 100, text 41: d = 29, the label ends one pixel wider than the text
        FitCase{"centre_odd_shrink", {0, 0, 100, 20}, 41, 13, kStyleCenter, {29, 0, 71, 13}},
        // width 30, text 41: d = -5 (toward zero), one pixel narrower than the text
        FitCase{"centre_odd_grow", {0, 0, 30, 20}, 41, 13, kStyleCenter, {-5, 0, 35, 13}},
        FitCase{"centre_even", {0, 0, 101, 20}, 41, 13, kStyleCenter, {30, 0, 71, 13}},
        FitCase{
            "right_keeps_right_edge", {10, 10, 110, 30}, 41, 13, kStyleRight, {69, 10, 110, 23}},
        // centre bit wins when both alignment bits are set (0x3, SS_LEFTNOWORDWRAP)
        FitCase{"both_bits_centre",
                {0, 0, 100, 20},
                41,
                13,
                kStyleCenter | kStyleRight,
                {29, 0, 71, 13}},
        // height 20, text 13: d = 3, new height 14
        FitCase{"centre_image_odd", {10, 10, 110, 30}, 41, 13, kStyleCenterImage, {10, 13, 51, 27}},
        FitCase{
            "centre_image_taller_text", {0, 0, 50, 10}, 41, 13, kStyleCenterImage, {0, -1, 41, 11}},
        FitCase{
            "other_bits_ignored", {10, 10, 110, 30}, 41, 13, kNotify | 0x0080u, {10, 10, 51, 23}},
        FitCase{"negative_origin", {-50, -20, -10, 0}, 7, 3, kStyleRight, {-17, -20, -10, -17}},
        FitCase{"empty_text",
                {10, 10, 110, 30},
                0,
                0,
                kStyleCenter | kStyleCenterImage,
                {60, 20, 60, 20}}),
    [](const ::testing::TestParamInfo<FitCase>& param) { return std::string(param.param.name); });

TEST(Fit, ExtremeCoordinatesDoNotTrap) {
    // Built with the undefined behaviour sanitizer: an overflow would abort.
    // (MAX - MIN - MAX) / 2 = 2^30 on both axes.
    const LinkRect centred = FitLinkRect(LinkRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
                                         INT32_MAX, INT32_MAX, kStyleCenter | kStyleCenterImage);
    EXPECT_EQ(centred.left, -1073741824);
    EXPECT_EQ(centred.top, -1073741824);
    EXPECT_EQ(centred.right, 1073741823);
    EXPECT_EQ(centred.bottom, 1073741823);
    // Beyond the 32-bit range the edge wraps, as the platform's own sum would.
    const LinkRect wrapped = FitLinkRect(LinkRect{INT32_MAX - 5, 0, INT32_MAX, 1}, 10, 1, kLeft);
    EXPECT_EQ(wrapped.right, INT32_MIN + 4);
}

// --- fall-back command line ---------------------------------------------

struct CommandCase {
    std::u16string commandTemplate;
    std::u16string target;
    std::u16string expected;
};

class FallbackCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(FallbackCommand, CutsAtThePlaceholderAndAppendsTheTarget) {
    const CommandCase& c = GetParam();
    EXPECT_EQ(BuildFallbackCommand(c.commandTemplate, c.target), c.expected)
        << Narrow(c.commandTemplate);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, FallbackCommand,
    ::testing::Values(
        // the space before the quoted placeholder stays: two spaces
        CommandCase{u"prog.exe \"%1\"", u"http://a.example/", u"prog.exe  http://a.example/"},
        // a bare placeholder loses everything after it
        CommandCase{u"prog.exe %1 -new", u"mailto:x@example.org",
                    u"prog.exe  mailto:x@example.org"},
        CommandCase{u"prog.exe -nohome", u"t", u"prog.exe -nohome t"},
        CommandCase{u"", u"t", u" t"}, CommandCase{u"", u"", u" "},
        // the quoted form is looked for first, even when a bare %1 comes earlier
        CommandCase{u"a %1 b \"%1\" c", u"T", u"a %1 b  T"},
        // a quote that does not close the placeholder is no quoted placeholder
        CommandCase{u"a \"%1 b", u"T", u"a \" T"},
        CommandCase{u"\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"", u"https://e.example.org/",
                    u"\"C:\\windows\\system32\\winebrowser.exe\"  https://e.example.org/"},
        CommandCase{u"%1", u"T", u" T"}, CommandCase{u"x %2 %10", u"T", u"x %2  T"},
        CommandCase{u"浏览器.exe \"%1\"", u"主页", u"浏览器.exe  主页"}));

TEST(FallbackCommand, NoLengthLimit) {
    // Longer than any fixed command buffer of 260 or 520 characters.
    const std::u16string longTemplate = u"\"" + std::u16string(700, u'p') + u"\" \"%1\" -x";
    const std::u16string longTarget = u"https://" + std::u16string(900, u't');
    const std::u16string command = BuildFallbackCommand(longTemplate, longTarget);
    EXPECT_EQ(command, u"\"" + std::u16string(700, u'p') + u"\"  " + longTarget);
}

// --- registry text ------------------------------------------------------

struct RegistryCase {
    const char* name;
    uint32_t type;
    std::vector<uint8_t> bytes;
    std::optional<std::u16string> expected;
};

class RegistryText : public ::testing::TestWithParam<RegistryCase> {};

TEST_P(RegistryText, AcceptsOnlyWholeTerminatedText) {
    const RegistryCase& c = GetParam();
    EXPECT_EQ(DecodeRegistryText(c.type, c.bytes.data(), c.bytes.size()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegistryText,
    ::testing::Values(
        RegistryCase{"plain", kRegistryString, {'h', 0, 't', 0, 0, 0}, u"ht"},
        RegistryCase{"expandable", kRegistryExpandString, {'%', 0, 'x', 0, 0, 0}, u"%x"},
        RegistryCase{"wide_char", kRegistryString, {0x4F, 0x6D, 0, 0}, u"浏"},
        RegistryCase{"stops_at_first_nul", kRegistryString, {'a', 0, 0, 0, 'b', 0, 0, 0}, u"a"},
        RegistryCase{"only_terminator", kRegistryString, {0, 0}, u""},
        RegistryCase{"no_bytes", kRegistryString, {}, u""},
        RegistryCase{"no_terminator", kRegistryString, {'h', 0, 't', 0}, std::nullopt},
        RegistryCase{"odd_size", kRegistryString, {'h', 0, 0, 0, 0}, std::nullopt},
        RegistryCase{"dword", 4, {'h', 0, 0, 0}, std::nullopt},
        RegistryCase{"binary", 3, {'h', 0, 0, 0}, std::nullopt},
        RegistryCase{"multi_string", 7, {'h', 0, 0, 0, 0, 0}, std::nullopt}),
    [](const ::testing::TestParamInfo<RegistryCase>& param) {
        return std::string(param.param.name);
    });

// --- error text ---------------------------------------------------------

struct ErrorCase {
    int32_t code;
    std::u16string reason;
};

class OpenError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(OpenError, ReasonAfterTheFixedFirstLines) {
    const ErrorCase& c = GetParam();
    EXPECT_EQ(OpenErrorReason(c.code), c.reason) << c.code;
    EXPECT_EQ(OpenErrorText(c.code), u"Unable to open hyperlink:\n\n" + c.reason) << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, OpenError,
    ::testing::Values(
        ErrorCase{0, u"The operating system is out\nof memory or resources."},
        ErrorCase{2, u"The specified file was not found."},
        ErrorCase{3, u"The specified path was not found."},
        ErrorCase{5, u"The operating system denied\naccess to the specified file."},
        ErrorCase{8, u"There was not enough memory to complete the operation."},
        ErrorCase{11, u"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        ErrorCase{26, u"A sharing violation occurred. "},
        ErrorCase{27, u"The filename association is\nincomplete or invalid."},
        ErrorCase{28,
                  u"The DDE transaction could not\nbe completed because the request timed out."},
        ErrorCase{29, u"The DDE transaction failed."},
        ErrorCase{30,
                  u"The DDE transaction could not\nbe completed because other DDE "
                  u"transactions\nwere being processed."},
        ErrorCase{31, u"There is no application associated\nwith the given filename extension."},
        ErrorCase{32, u"The specified dynamic-link library was not found."},
        ErrorCase{1, u"Unknown Error (1) occurred."}, ErrorCase{4, u"Unknown Error (4) occurred."},
        ErrorCase{12, u"Unknown Error (12) occurred."},
        ErrorCase{33, u"Unknown Error (33) occurred."},
        ErrorCase{-5, u"Unknown Error (-5) occurred."},
        ErrorCase{INT_MIN, u"Unknown Error (-2147483648) occurred."},
        ErrorCase{INT_MAX, u"Unknown Error (2147483647) occurred."}));

TEST(OpenError, EveryCodeOutsideTheTableIsUnknown) {
    const std::set<int32_t> known = {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32};
    for (int32_t code = -40; code <= 300; ++code) {
        const bool unknown = OpenErrorReason(code).rfind(u"Unknown Error (", 0) == 0;
        EXPECT_EQ(unknown, known.count(code) == 0) << code;
    }
}

}  // namespace
