// Checks an unpacked release under Wine, as a user gets it from the zip: the
// program starts from its folder and keeps its settings there, the shipped
// binaries carry the version resources Explorer shows, and the shipped
// NKF32.DLL converts.
//   quiltmark_release_ui FOLDER VERSION     (e.g. "Z:\tmp\Quiltmark 展開" "8.43")
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AppSession.h"

namespace {

std::string gFolder; // with its trailing backslash
std::string gVersion;

TEST(ReleaseFolder, ProgramStartsThereAndWritesItsSettingsBesideItself) {
    AppSession app(gFolder);
    ASSERT_FALSE(app.IniExists()) << "the folder should be freshly unpacked";
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr) << "the main window did not appear";
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.ExitCode(), 0u);
    EXPECT_TRUE(app.IniExists());
}

// The version resource of one file, read the way Explorer reads it: the
// first translation names the block of strings.
class VersionResource {
  public:
    explicit VersionResource(const std::string& path) {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
        if (size == 0)
            return;
        data_.resize(size);
        if (!GetFileVersionInfoA(path.c_str(), 0, size, data_.data()))
            data_.clear();
    }

    bool Present() const { return !data_.empty(); }

    const VS_FIXEDFILEINFO* Fixed() const { return static_cast<const VS_FIXEDFILEINFO*>(Query("\\")); }

    // Language and code page of the first translation entry, 0 when absent.
    WORD Language() const { return TranslationPart(0); }
    WORD CodePage() const { return TranslationPart(1); }

    std::string Text(const char* name) const {
        char key[96];
        std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\%s", Language(), CodePage(), name);
        const void* value = Query(key);
        return value ? static_cast<const char*>(value) : "<absent>";
    }

  private:
    const void* Query(const char* key) const {
        void* value = nullptr;
        UINT length = 0;
        if (data_.empty() || !VerQueryValueA(const_cast<char*>(data_.data()), key, &value, &length) ||
            length == 0)
            return nullptr;
        return value;
    }

    WORD TranslationPart(int index) const {
        const auto* pair = static_cast<const WORD*>(Query("\\VarFileInfo\\Translation"));
        return pair ? pair[index] : 0;
    }

    std::vector<char> data_;
};

TEST(ReleaseFolder, BinariesCarryTheReleaseVersionForExplorer) {
    unsigned major = 0, minor = 0;
    ASSERT_EQ(std::sscanf(gVersion.c_str(), "%u.%u", &major, &minor), 2) << gVersion;
    const struct {
        const char* file;
        DWORD fileType;
    } cases[] = {{"Quiltmark.exe", VFT_APP}, {"Nimbet.dll", VFT_DLL}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const VersionResource version(gFolder + c.file);
        ASSERT_TRUE(version.Present());
        const VS_FIXEDFILEINFO* fixed = version.Fixed();
        ASSERT_NE(fixed, nullptr);
        EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(minor, major));
        EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(minor, major));
        EXPECT_EQ(fixed->dwFileType, c.fileType);
        // Japanese strings in code page 932.
        EXPECT_EQ(version.Language(), 0x0411);
        EXPECT_EQ(version.CodePage(), 932);
        EXPECT_EQ(version.Text("ProductName"), "Quiltmark");
        EXPECT_EQ(version.Text("FileVersion"), gVersion);
        EXPECT_EQ(version.Text("ProductVersion"), gVersion);
        EXPECT_EQ(version.Text("OriginalFilename"), c.file);
        EXPECT_NE(version.Text("FileDescription"), "<absent>");
        EXPECT_NE(version.Text("LegalCopyright").find("MIT"), std::string::npos);
    }
}

template <typename Function> Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

TEST(ReleaseFolder, ShippedNkfLibraryConvertsFromShiftJis) {
    HMODULE nkf = LoadLibraryA((gFolder + "NKF32.DLL").c_str());
    ASSERT_NE(nkf, nullptr);
    const auto setOption = Export<int(WINAPI*)(LPSTR)>(nkf, "SetNkfOption");
    const auto convert = Export<void(WINAPI*)(LPSTR, LPCSTR)>(nkf, "NkfConvert");
    const auto getVersion = Export<void(WINAPI*)(LPSTR)>(nkf, "GetNkfVersion");
    ASSERT_TRUE(setOption && convert && getVersion);

    char version[260] = {};
    getVersion(version);
    EXPECT_NE(version[0], '\0');

    // "あ" is 82 A0 in Shift_JIS.
    const struct {
        const char* option;
        const char* expected;
    } cases[] = {{"e", "\xA4\xA2"}, {"w", "\xE3\x81\x82"}, {"j", "\x1B$B$\"\x1B(B"}, {"s", "\x82\xA0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        std::string option = c.option;
        EXPECT_GE(setOption(option.data()), 0);
        char output[64] = {};
        convert(output, "\x82\xA0");
        EXPECT_STREQ(output, c.expected);
    }
    FreeLibrary(nkf);
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quiltmark_release_ui FOLDER VERSION\n");
        return 2;
    }
    gFolder = std::string(argv[1]) + "\\";
    gVersion = argv[2];
    return RUN_ALL_TESTS();
}
