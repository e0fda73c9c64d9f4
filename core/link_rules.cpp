#include "link_rules.h"

#include <string>

uint32_t ChooseLinkColor(bool hover, bool opened, uint32_t normalColor, uint32_t openedColor,
                         uint32_t hoverColor) {
    if (hover) return hoverColor;
    if (opened) return openedColor;
    return normalColor;
}

bool LinkRectContains(const LinkRect& rect, int32_t x, int32_t y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

HoverPlan PlanHover(bool hovering, bool pointInside) {
    HoverPlan plan;
    auto add = [&plan](HoverStep step) { plan.steps[plan.count++] = step; };
    if (!hovering) {
        add(HoverStep::setHover);
        add(HoverStep::redraw);
        add(HoverStep::captureMouse);
    } else if (!pointInside) {
        add(HoverStep::clearHover);
        add(HoverStep::releaseMouse);
        add(HoverStep::redraw);
    }
    return plan;
}

namespace {

// Window coordinates are 32-bit; sums beyond that range wrap as the
// platform's own arithmetic would, without undefined behaviour here.
int32_t Wrap32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

}  // namespace

LinkRect FitLinkRect(const LinkRect& rect, int32_t textWidth, int32_t textHeight, uint32_t style) {
    LinkRect fitted = rect;
    if (style & kStyleCenterImage) {
        // Integer division in C++ truncates toward zero, as required.
        const int32_t d = Wrap32((int64_t{rect.bottom} - rect.top - textHeight) / 2);
        fitted.top = Wrap32(int64_t{rect.top} + d);
        fitted.bottom = Wrap32(int64_t{rect.bottom} - d);
    } else {
        fitted.bottom = Wrap32(int64_t{rect.top} + textHeight);
    }
    if (style & kStyleCenter) {
        const int32_t d = Wrap32((int64_t{rect.right} - rect.left - textWidth) / 2);
        fitted.left = Wrap32(int64_t{rect.left} + d);
        fitted.right = Wrap32(int64_t{rect.right} - d);
    } else if (style & kStyleRight) {
        fitted.left = Wrap32(int64_t{rect.right} - textWidth);
    } else {
        fitted.right = Wrap32(int64_t{rect.left} + textWidth);
    }
    return fitted;
}

std::u16string BuildFallbackCommand(std::u16string_view commandTemplate,
                                    std::u16string_view target) {
    size_t cut = commandTemplate.find(u"\"%1\"");
    if (cut == std::u16string_view::npos) cut = commandTemplate.find(u"%1");
    std::u16string command(commandTemplate.substr(0, cut));
    command += u' ';
    command += target;
    return command;
}

std::optional<std::u16string> DecodeRegistryText(uint32_t valueType, const uint8_t* data,
                                                 size_t byteCount) {
    if (valueType != kRegistryString && valueType != kRegistryExpandString) return std::nullopt;
    if (byteCount == 0) return std::u16string();
    if (data == nullptr || byteCount % 2 != 0) return std::nullopt;
    const size_t units = byteCount / 2;
    std::u16string text(units, u'\0');
    for (size_t i = 0; i < units; ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    if (text.back() != u'\0') return std::nullopt;
    text.resize(text.find(u'\0'));
    return text;
}

namespace {

std::u16string Widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace

std::u16string OpenErrorReason(int32_t code) {
    switch (code) {
        case 0: return u"The operating system is out\nof memory or resources.";
        case 2: return u"The specified file was not found.";
        case 3: return u"The specified path was not found.";
        case 5: return u"The operating system denied\naccess to the specified file.";
        case 8: return u"There was not enough memory to complete the operation.";
        case 11: return u"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        case 26: return u"A sharing violation occurred. ";
        case 27: return u"The filename association is\nincomplete or invalid.";
        case 28:
            return u"The DDE transaction could not\nbe completed because the request timed out.";
        case 29: return u"The DDE transaction failed.";
        case 30:
            return u"The DDE transaction could not\nbe completed because other DDE "
                   u"transactions\nwere being processed.";
        case 31: return u"There is no application associated\nwith the given filename extension.";
        case 32: return u"The specified dynamic-link library was not found.";
        default: return u"Unknown Error (" + Widen(std::to_string(code)) + u") occurred.";
    }
}

std::u16string OpenErrorText(int32_t code) {
    return u"Unable to open hyperlink:\n\n" + OpenErrorReason(code);
}
