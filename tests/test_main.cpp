// The main of every test executable: the tests run with a temporary directory of their
// own, removed at the end, so a run leaves nothing in the machine's temporary directory.
#include <gtest/gtest.h>

#include "support/scratch_dir.hpp"

int main(int argc, char** argv) {
    tarvelin::test::ProcessTmpDir scratch;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
