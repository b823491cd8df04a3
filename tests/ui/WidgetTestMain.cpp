// Runs GoogleTest cases inside the program's own application object, so that
// fonts, names and the handling of exceptions are those of the program.
// Listing the cases (CTest does it at build time) needs no display at all.

#include "StarloomApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    StarloomApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
