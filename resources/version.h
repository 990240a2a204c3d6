// The program's version, in one place: the version resources of Quiltmark.exe
// and Nimbet.dll, the program's own texts, the manifest (through
// cmake/Version.cmake) and the release zip's name (scripts/package) all come
// from here. Plain #defines only, so that windres can read it too.
#pragma once

#define QUILTMARK_VERSION_MAJOR 8
#define QUILTMARK_VERSION_MINOR 43

#define QUILTMARK_STRINGIFY_(x) #x
#define QUILTMARK_STRINGIFY(x) QUILTMARK_STRINGIFY_(x)
// "8.43": major and minor as written above.
#define QUILTMARK_VERSION_TEXT                                                                               \
    QUILTMARK_STRINGIFY(QUILTMARK_VERSION_MAJOR) "." QUILTMARK_STRINGIFY(QUILTMARK_VERSION_MINOR)
