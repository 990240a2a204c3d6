// A stand-in external tool for the UI driver: writes the number of its
// command-line arguments and then each argument on a line of "args.txt"
// beside itself, so that the driver can see what the program passed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self);
    folder.resize(folder.rfind('\\') + 1);
    // Written under another name first, so that the driver never reads half a file.
    const std::string part = folder + "args.part";
    FILE* file = std::fopen(part.c_str(), "wb");
    if (!file)
        return 1;
    std::fprintf(file, "%d\n", __argc - 1);
    for (int i = 1; i < __argc; ++i)
        std::fprintf(file, "%s\n", __argv[i]);
    std::fclose(file);
    return MoveFileA(part.c_str(), (folder + "args.txt").c_str()) ? 0 : 1;
}
