#pragma once
// The decisions of a hyperlink label that need no window: its colour, its
// hover tracking, where it moves when fitted to its text, the browser command
// line of the ".htm" fall-back and the text of the error report.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Colours are COLORREF values, 0x00BBGGRR.
// Hover wins over opened; a label that is neither shows the normal colour.
uint32_t ChooseLinkColor(bool hover, bool opened, uint32_t normalColor, uint32_t openedColor,
                         uint32_t hoverColor);

// A rectangle in the platform's convention: left and top inside, right and
// bottom outside.
struct LinkRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

bool LinkRectContains(const LinkRect& rect, int32_t x, int32_t y);

// One step of the hover tracking that the label and the about icon share.
enum class HoverStep : uint8_t {
    setHover,
    clearHover,
    redraw,
    captureMouse,
    releaseMouse,
};

// The steps one mouse move calls for, in the order they must be taken.
// Entering redraws before it captures (the capture must not be taken for a
// control that has not yet shown its hover look); leaving releases before it
// redraws.
struct HoverPlan {
    uint8_t count = 0;
    HoverStep steps[3] = {};

    const HoverStep* begin() const { return steps; }
    const HoverStep* end() const { return steps + count; }
};

// `hovering`: the control's flag before the move; `pointInside`: whether the
// move's point lies in the control's client rectangle. Without the flag a move
// always enters (without the capture a move only arrives over the control).
HoverPlan PlanHover(bool hovering, bool pointInside);

// Static control style bits that decide how a label is fitted to its text.
constexpr uint32_t kStyleCenter = 0x0001;
constexpr uint32_t kStyleRight = 0x0002;
constexpr uint32_t kStyleCenterImage = 0x0200;

// Where a label at `rect` (parent client coordinates) goes once fitted to a
// text of `textWidth` x `textHeight`. The top-left corner stays for a left
// aligned label; centring splits the difference, halved toward zero, on both
// sides, so an odd difference leaves the label one pixel off the text's size.
LinkRect FitLinkRect(const LinkRect& rect, int32_t textWidth, int32_t textHeight, uint32_t style);

// The browser command line of the ".htm" fall-back: the association's command
// template cut at its first "%1" in double quotes, else at its first bare %1,
// else kept whole, then one space and the target. Any length fits.
std::u16string BuildFallbackCommand(std::u16string_view commandTemplate,
                                    std::u16string_view target);

// Registry value types that hold text.
constexpr uint32_t kRegistryString = 1;
constexpr uint32_t kRegistryExpandString = 2;

// The text of a registry value read whole: its characters up to the first
// NUL. Nothing for a value that is not text, has an odd byte count or does
// not end in its terminator; an empty value (no bytes at all) is empty text.
std::optional<std::u16string> DecodeRegistryText(uint32_t valueType, const uint8_t* data,
                                                 size_t byteCount);

// Why the shell could not open a target, by its error code (32 or less).
std::u16string OpenErrorReason(int32_t code);

// The whole text of the report: a fixed first line, an empty line, the reason.
std::u16string OpenErrorText(int32_t code);
