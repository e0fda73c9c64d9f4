// Arbitrary association templates, targets and error codes for the link
// label's fall-back command line and error report.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "link_rules.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

template <typename T>
T Take(const uint8_t*& data, size_t& size) {
    T value{};
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return value;
}

// The command must be a prefix of the template, cut before a placeholder
// (or not at all), followed by one space and the whole target.
void CheckFallbackCommand(std::u16string_view commandTemplate, std::u16string_view target) {
    const std::u16string command = BuildFallbackCommand(commandTemplate, target);
    Require(command.size() >= target.size() + 1);
    const size_t kept = command.size() - target.size() - 1;
    Require(kept <= commandTemplate.size());
    Require(command.compare(0, kept, commandTemplate.substr(0, kept)) == 0);
    Require(command[kept] == u' ');
    Require(command.compare(kept + 1, std::u16string::npos, target) == 0);

    const std::u16string_view rest = commandTemplate.substr(kept);
    const size_t quoted = commandTemplate.find(u"\"%1\"");
    if (quoted != std::u16string_view::npos) {
        Require(kept == quoted);
    } else if (commandTemplate.find(u"%1") != std::u16string_view::npos) {
        Require(rest.substr(0, 2) == u"%1" &&
                commandTemplate.substr(0, kept).find(u"%1") == std::u16string_view::npos);
    } else {
        Require(rest.empty());
    }
}

void CheckErrorText(int32_t code) {
    const std::u16string text = OpenErrorText(code);
    const std::u16string_view prefix = u"Unable to open hyperlink:\n\n";
    Require(text.compare(0, prefix.size(), prefix) == 0);
    Require(text.size() > prefix.size());
    Require(text.substr(prefix.size()) == OpenErrorReason(code));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint32_t split = Take<uint32_t>(data, size);
    const int32_t code = Take<int32_t>(data, size);
    std::u16string text(size / 2, u'\0');
    if (!text.empty()) std::memcpy(text.data(), data, text.size() * 2);

    const size_t templateLength = split % (text.size() + 1);
    const std::u16string_view all(text);
    CheckFallbackCommand(all.substr(0, templateLength), all.substr(templateLength));
    CheckErrorText(code);
    return 0;
}
