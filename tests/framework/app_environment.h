#pragma once
// The platform's start-up, as the entry routine does it, for the test
// program's own application object: before the first test, with its end
// after the last.
#include <gtest/gtest.h>

::testing::Environment* AddAppEnvironment();
