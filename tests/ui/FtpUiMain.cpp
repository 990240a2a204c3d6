// Entry of the FTP tab's end-to-end driver: runs the tests against the test
// server given as --ftp-root=FOLDER (its accounts' home folders) and
// --ftp-address=ADDRESS.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FtpUiSupport.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--ftp-root=", 11) == 0)
            ftpui::SetServerRoot(argv[i] + 11);
        else if (std::strncmp(argv[i], "--ftp-address=", 14) == 0)
            ftpui::SetServerAddress(argv[i] + 14);
    }
    return RUN_ALL_TESTS();
}
