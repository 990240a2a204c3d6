// Entry of the documents driver: end-to-end tests of new, open, save, the
// unsaved-changes prompt, recent files, backups and the character codes of
// Quiltmark.exe, with NKF32.DLL beside the program and without it.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
