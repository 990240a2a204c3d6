// The structured insertion commands over a fake view and fake dialogs: the
// showing test, cancelled dialogs, the link's address and relative paths,
// picture sizes and their notes, and the remembered folders.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "StructuredInsertions.h"

namespace quiltmark {
namespace {

constexpr const char* kDocumentFolder = "C:\\web\\sub\\";

struct FakeSite : InsertionSite {
    bool showing = true;
    bool hasSelection = false;
    std::string selection;
    std::set<std::string> folders{kDocumentFolder};
    std::vector<TagPair> inserted;
    std::vector<std::string> pictureLoads;
    std::optional<PixelSize> picture;
    PictureProblem problem = PictureProblem::None;
    std::vector<std::pair<PictureProblem, std::string>> notes;

    bool EditorShowing() override { return showing; }
    bool SelectedText(std::string& text) override {
        text = selection;
        return hasSelection;
    }
    void Insert(std::string start, std::string end) override { inserted.push_back({start, end}); }
    std::string DocumentFolder() override { return kDocumentFolder; }
    bool FolderExists(const std::string& folder) override { return folders.count(folder) > 0; }
    std::optional<PixelSize> PictureSize(const std::string& path, PictureProblem& why) override {
        pictureLoads.push_back(path);
        why = problem;
        return picture;
    }
    void ShowPictureNote(PictureProblem why, const std::string& path) override {
        notes.push_back({why, path});
    }
    std::tm LocalTime() override {
        std::tm time{};
        time.tm_year = 2004 - 1900;
        time.tm_mon = 4;
        time.tm_mday = 6;
        time.tm_hour = 7;
        time.tm_min = 8;
        return time;
    }
};

// Each dialog answers with what the test put in; `confirm` false cancels.
struct FakeDialogs : InsertionDialogs {
    bool confirm = true;
    std::vector<std::string> opened;
    std::string initialAddress, startFolder;
    FileDialogResult file;
    int rows = 2, columns = 3;
    FontDialogResult font;
    std::string code = "#ff0000";

    bool Link(const std::string& initial, const std::string& folder, FileDialogResult& out) override {
        opened.push_back("link");
        initialAddress = initial;
        startFolder = folder;
        out = file;
        return confirm;
    }
    bool Image(const std::string& folder, FileDialogResult& out) override {
        opened.push_back("image");
        startFolder = folder;
        out = file;
        return confirm;
    }
    bool Table(int& r, int& c) override {
        opened.push_back("table");
        r = rows;
        c = columns;
        return confirm;
    }
    bool Font(FontDialogResult& out) override {
        opened.push_back("font");
        out = font;
        return confirm;
    }
    bool ColourCode(std::string& out) override {
        opened.push_back("colour code");
        out = code;
        return confirm;
    }
};

class StructuredInsertionsTest : public testing::Test {
  protected:
    FakeSite site;
    FakeDialogs dialogs;
    std::string linkFolder, imageFolder;
    StructuredInsertions commands{site, dialogs, linkFolder, imageFolder};

    std::vector<std::function<void()>> AllCommands() {
        return {[&] { commands.Font(); },
                [&] { commands.Link(); },
                [&] { commands.Image(); },
                [&] { commands.Table(); },
                [&] { commands.List(ListKind::Ordered); },
                [&] { commands.DateTime(); },
                [&] { commands.ColourCode(); }};
    }
};

TEST_F(StructuredInsertionsTest, NothingHappensWhileTheEditorIsHidden) {
    site.showing = false;
    for (const auto& command : AllCommands())
        command();
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_TRUE(site.inserted.empty());
}

TEST_F(StructuredInsertionsTest, CancelledDialogsInsertNothingAndKeepTheFolders) {
    dialogs.confirm = false;
    dialogs.file = {"C:\\web\\sub\\a.gif", "", "", true, "C:\\web\\img\\"};
    linkFolder = "C:\\old\\";
    for (const auto& command : AllCommands())
        command();
    EXPECT_EQ(dialogs.opened, (std::vector<std::string>{"font", "link", "image", "table", "colour code"}));
    // Only the list and the date, which have no dialog, were inserted.
    ASSERT_EQ(site.inserted.size(), 2u);
    EXPECT_EQ(site.inserted[1].start, "2004/05/06 07:08");
    EXPECT_EQ(linkFolder, "C:\\old\\");
    EXPECT_EQ(imageFolder, "");
}

TEST_F(StructuredInsertionsTest, DialogTextsReachInsertTag) {
    dialogs.font = {kStandardFace, kStandardSize, 0x008000, "#008000"};
    commands.Font();
    dialogs.font = {kStandardFace, kStandardSize, 0xFF000000u, "#000000"};
    commands.Font(); // nothing set: nothing inserted
    commands.Table();
    commands.ColourCode();
    commands.List(ListKind::Definition);
    const std::string table = TableText(2, 3);
    EXPECT_EQ(site.inserted, (std::vector<TagPair>{{"<Font Color=\"#008000\">", "</Font>"},
                                                   {table, table},
                                                   {"#ff0000", "#ff0000"},
                                                   ListTags(ListKind::Definition)}));
}

TEST_F(StructuredInsertionsTest, LinkStartsFromTheSelectionAndWritesRelativePaths) {
    struct Case {
        bool selected;
        const char* selection;
        const char* address; // typed or chosen in the dialog
        const char* initial;
        const char* href;
    } cases[] = {
        {true, "http://example.jp/", "http://example.jp/", "http://example.jp/", "http://example.jp/"},
        {true, "表紙", "C:\\web\\sub\\a.html", "http://", "a.html"},
        {false, "", "C:\\web\\img\\b.html", "http://", "../img/b.html"},
        {false, "", "c:\\web\\sub\\a.html", "http://", "c:\\web\\sub\\a.html"},
        {false, "", "", "http://", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        site.inserted.clear();
        site.hasSelection = c.selected;
        site.selection = c.selection;
        dialogs.file = {c.address, "", "", false, ""};
        commands.Link();
        EXPECT_EQ(dialogs.initialAddress, c.initial);
        ASSERT_EQ(site.inserted.size(), 1u);
        EXPECT_EQ(site.inserted[0], (TagPair{"<A Href=\"" + std::string(c.href) + "\">", "</A>"}));
    }
}

TEST_F(StructuredInsertionsTest, BrowsersStartInTheRememberedFolderAndRememberOnlyWhenBrowsed) {
    site.folders.insert("C:\\pictures\\");
    struct Case {
        const char* remembered;
        bool browsed;
        const char* start;
        const char* rememberedAfter;
    } cases[] = {
        {"", false, kDocumentFolder, ""},
        {"C:\\pictures\\", false, "C:\\pictures\\", "C:\\pictures\\"},
        {"C:\\gone\\", false, kDocumentFolder, "C:\\gone\\"}, // kept, though not used
        {"C:\\gone\\", true, kDocumentFolder, "C:\\web\\img\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.remembered) + (c.browsed ? " browsed" : ""));
        dialogs.file = {"http://", "", "", c.browsed, "C:\\web\\img\\"};
        linkFolder = imageFolder = c.remembered;
        commands.Link();
        EXPECT_EQ(dialogs.startFolder, c.start);
        EXPECT_EQ(linkFolder, c.rememberedAfter);
        commands.Image();
        EXPECT_EQ(dialogs.startFolder, c.start);
        EXPECT_EQ(imageFolder, c.rememberedAfter);
    }
}

TEST_F(StructuredInsertionsTest, ImageGetsThePictureSizeOrANote) {
    struct Case {
        const char* source;
        std::optional<PixelSize> picture;
        PictureProblem problem;
        const char* loaded; // the file asked for, null when none is
        const char* tag;
    } cases[] = {
        {"C:\\web\\img\\a.gif", PixelSize{100, 50}, PictureProblem::None, "C:\\web\\img\\a.gif",
         "<Img Src=\"../img/a.gif\" Alt=\"alt\" Width=\"100\" Height=\"50\" Border=\"0\">"},
        {"img/b.png", PixelSize{3, 4}, PictureProblem::None, "C:\\web\\sub\\img\\b.png",
         "<Img Src=\"img/b.png\" Alt=\"alt\" Width=\"3\" Height=\"4\" Border=\"0\">"},
        {"C:\\web\\sub\\notes.txt", std::nullopt, PictureProblem::NotAPicture, "C:\\web\\sub\\notes.txt",
         "<Img Src=\"notes.txt\" Alt=\"alt\" Border=\"0\">"},
        {"D:\\gone.gif", std::nullopt, PictureProblem::NotFound, "D:\\gone.gif",
         "<Img Src=\"D:\\gone.gif\" Alt=\"alt\" Border=\"0\">"},
        {"http://example.jp/a.gif", std::nullopt, PictureProblem::None, nullptr,
         "<Img Src=\"http://example.jp/a.gif\" Alt=\"alt\" Border=\"0\">"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        site.inserted.clear();
        site.pictureLoads.clear();
        site.notes.clear();
        site.picture = c.picture;
        site.problem = c.problem;
        dialogs.file = {c.source, "alt", "", false, ""};
        commands.Image();
        ASSERT_EQ(site.inserted.size(), 1u);
        EXPECT_EQ(site.inserted[0], (TagPair{c.tag, c.tag}));
        EXPECT_EQ(site.pictureLoads,
                  c.loaded ? std::vector<std::string>{c.loaded} : std::vector<std::string>{});
        if (c.loaded && !c.picture)
            EXPECT_EQ(site.notes,
                      (std::vector<std::pair<PictureProblem, std::string>>{{c.problem, c.loaded}}));
        else
            EXPECT_TRUE(site.notes.empty());
    }
}

} // namespace
} // namespace quiltmark
