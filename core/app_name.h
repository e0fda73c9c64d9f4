#pragma once
// Names the application derives from its module's full path.
#include <string>
#include <string_view>

// Cut the path at its last '.', then keep what follows the last '\\', '/'
// or ':'. A path without '.' is kept whole before that step.
std::u16string AppNameFromModulePath(std::u16string_view modulePath);

// The path cut at its last '.' with ".HLP" appended (".HLP" is appended to
// the whole path when it has no '.').
std::u16string HelpFilePathFromModulePath(std::u16string_view modulePath);
