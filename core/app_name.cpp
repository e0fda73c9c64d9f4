#include "app_name.h"

namespace {

std::u16string_view CutAtLastDot(std::u16string_view path) {
    const size_t dot = path.rfind(u'.');
    return dot == std::u16string_view::npos ? path : path.substr(0, dot);
}

}  // namespace

std::u16string AppNameFromModulePath(std::u16string_view modulePath) {
    const std::u16string_view stem = CutAtLastDot(modulePath);
    const size_t separator = stem.find_last_of(u"\\/:");
    return std::u16string(separator == std::u16string_view::npos ? stem
                                                                 : stem.substr(separator + 1));
}

std::u16string HelpFilePathFromModulePath(std::u16string_view modulePath) {
    return std::u16string(CutAtLastDot(modulePath)) + u".HLP";
}
