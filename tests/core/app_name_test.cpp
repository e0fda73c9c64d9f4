#include "app_name.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char16_t* path;
    const char16_t* appName;
    const char16_t* helpPath;
};

const NameCase kNameCases[] = {
    {u"C:\\Tools\\Tarvex.exe", u"Tarvex", u"C:\\Tools\\Tarvex.HLP"},
    {u"C:\\Tools\\Tarvex.EXE", u"Tarvex", u"C:\\Tools\\Tarvex.HLP"},
    // Only the last dot ends the name.
    {u"C:\\a\\my.calc.v2.exe", u"my.calc.v2", u"C:\\a\\my.calc.v2.HLP"},
    // Forward slashes and a drive colon also separate.
    {u"C:/scan/tools/tv.exe", u"tv", u"C:/scan/tools/tv.HLP"},
    {u"D:tv.exe", u"tv", u"D:tv.HLP"},
    {u"tv.exe", u"tv", u"tv.HLP"},
    // The last separator of any kind wins, whatever its kind.
    {u"C:\\x/y\\z/塔维斯 副本.exe", u"塔维斯 副本", u"C:\\x/y\\z/塔维斯 副本.HLP"},
    {u"\\\\server\\share\\calc.exe", u"calc", u"\\\\server\\share\\calc.HLP"},
    // The cut comes first: a dot in a directory name with none in the file
    // name cuts inside the directory.
    {u"C:\\my.dir\\prog", u"my", u"C:\\my.HLP"},
    // No dot at all: nothing is cut.
    {u"C:\\tools\\prog", u"prog", u"C:\\tools\\prog.HLP"},
    // Degenerate names.
    {u"C:\\tools\\.exe", u"", u"C:\\tools\\.HLP"},
    {u"C:\\tools\\", u"", u"C:\\tools\\.HLP"},
    {u"", u"", u".HLP"},
};

class AppNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(AppNameTest, NameAndHelpPathFollowTheModulePath) {
    const NameCase& c = GetParam();
    EXPECT_EQ(AppNameFromModulePath(c.path), std::u16string(c.appName));
    EXPECT_EQ(HelpFilePathFromModulePath(c.path), std::u16string(c.helpPath));
}

INSTANTIATE_TEST_SUITE_P(Paths, AppNameTest, testing::ValuesIn(kNameCases));

}  // namespace
