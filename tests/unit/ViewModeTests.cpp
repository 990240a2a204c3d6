// The main view's mode changes, the fate of dropped files, and the keys it
// handles itself with their caret arithmetic.
#include <gtest/gtest.h>

#include <vector>

#include "ViewKeys.h"
#include "ViewMode.h"

using namespace quiltmark;

TEST(ViewMode, TogglesAndTabsFollowTheModeTable) {
    struct Step {
        char action; // Z = Alt+Z, X = Alt+X, digit = tab
        bool twoPane;
        int kind;
    };
    const std::vector<std::vector<Step>> sequences = {
        {{'Z', true, 1}, {'Z', false, 0}}, {{'Z', true, 1}, {'X', true, 2}},
        {{'X', true, 2}, {'Z', true, 1}},  {{'X', true, 2}, {'X', false, 0}},
        {{'Z', true, 1}, {'1', false, 0}}, {{'X', true, 2}, {'0', false, 0}, {'X', true, 2}},
    };
    for (size_t i = 0; i < sequences.size(); ++i) {
        SCOPED_TRACE(i);
        ViewMode mode;
        for (const Step& s : sequences[i]) {
            if (s.action == 'Z')
                mode.ToggleTwoPane(kTwoPaneRealTime);
            else if (s.action == 'X')
                mode.ToggleTwoPane(kTwoPaneOnDemand);
            else
                mode.SelectTab(s.action - '0');
            EXPECT_EQ(mode.twoPaneOn, s.twoPane) << s.action;
            EXPECT_EQ(mode.twoPaneKind, s.kind) << s.action;
        }
    }
    // A two-pane display without a kind, as a settings file may leave it,
    // is switched off by either toggle.
    for (int kind : {kTwoPaneRealTime, kTwoPaneOnDemand}) {
        ViewMode kindless{kSourceTab, true, kTwoPaneNone};
        kindless.ToggleTwoPane(kind);
        EXPECT_FALSE(kindless.twoPaneOn) << kind;
    }
}

TEST(ViewMode, RefreshRulesFollowTheKind) {
    const struct {
        ViewMode mode;
        bool everyChange, altR, editor;
    } cases[] = {
        {{kSourceTab, false, 0}, false, false, true}, {{kPreviewTab, false, 0}, false, false, false},
        {{kFtpTab, false, 0}, false, false, false},   {{kPreviewTab, true, 1}, true, false, true},
        {{kFtpTab, true, 2}, false, true, true},      {{kSourceTab, true, 0}, false, false, true},
        {{kSourceTab, false, 2}, false, false, true}, // a kind without two panes does nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode.currentTab << c.mode.twoPaneOn << c.mode.twoPaneKind);
        EXPECT_EQ(c.mode.RefreshesOnEveryChange(), c.everyChange);
        EXPECT_EQ(c.mode.RefreshesOnAltR(), c.altR);
        EXPECT_EQ(c.mode.EditorActive(), c.editor);
    }
}

TEST(ViewMode, DroppedFileDependsOnWhatShows) {
    const ViewMode source{kSourceTab, false, 0}, preview{kPreviewTab, false, 0}, ftp{kFtpTab, false, 0},
        twoPane{kPreviewTab, true, 1};
    const struct {
        ViewMode mode;
        bool folder, connected;
        DropAction action;
    } cases[] = {
        {source, false, false, DropAction::OpenDocument}, {source, true, false, DropAction::RefuseFolder},
        {twoPane, false, true, DropAction::OpenDocument}, {preview, false, true, DropAction::Ignore},
        {preview, true, false, DropAction::RefuseFolder}, {ftp, false, true, DropAction::Upload},
        {ftp, false, false, DropAction::Ignore},          {ftp, true, true, DropAction::RefuseFolder},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(DecideDrop(cases[i].mode, cases[i].folder, cases[i].connected), cases[i].action);
    }
}

TEST(ViewKeys, WhichKeysTheViewTakesOver) {
    const struct {
        int key;
        KeyTarget target;
        bool twoPane, shift;
        ViewKey expected;
    } cases[] = {
        {kKeyReturn, KeyTarget::LocalPath, false, false, ViewKey::PathEnter},
        {kKeyReturn, KeyTarget::RemotePath, true, true, ViewKey::PathEnter},
        {kKeyReturn, KeyTarget::Editor, true, false, ViewKey::None},
        {kKeyTab, KeyTarget::Editor, false, false, ViewKey::InsertTab},
        {kKeyTab, KeyTarget::Editor, true, false, ViewKey::InsertTab},
        {kKeyTab, KeyTarget::Editor, false, true, ViewKey::None},
        {kKeyTab, KeyTarget::Other, true, false, ViewKey::None},
        {kKeyTab, KeyTarget::LocalPath, false, false, ViewKey::None},
        {kKeyRight, KeyTarget::Editor, true, false, ViewKey::CaretRight},
        {kKeyDown, KeyTarget::Editor, true, false, ViewKey::CaretDown},
        {kKeyRight, KeyTarget::Editor, true, true, ViewKey::None},
        {kKeyDown, KeyTarget::Editor, true, true, ViewKey::None},
        {kKeyRight, KeyTarget::Editor, false, false, ViewKey::None},
        {kKeyDown, KeyTarget::Editor, false, false, ViewKey::None},
        {kKeyDown, KeyTarget::Other, true, false, ViewKey::None},
        {'A', KeyTarget::Editor, true, false, ViewKey::None},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& c = cases[i];
        EXPECT_EQ(ClassifyViewKey(c.key, c.target, c.twoPane, c.shift), c.expected);
    }
}

TEST(ViewKeys, RightAndDownMoveByThroughOffsets) {
    // Lines "abc", "fghijklmnopq", "xyz", "": line starts at 1, 6, 20, 25.
    const struct {
        const char* name;
        CaretFacts facts;
        int right;
        std::optional<int> down;
    } cases[] = {
        {"end of a line", {4, 1, 4, 3, 4, 12}, 6, 4 + 3 + 2},
        {"inside a line", {2, 1, 2, 3, 4, 12}, 3, 2 + 3 + 2},
        {"column 10 onto a 3-character line", {15, 2, 10, 12, 4, 3}, 16, 23},
        {"line end onto an empty line", {23, 3, 4, 3, 4, 0}, 25, 25},
        {"inside a line onto an empty line", {22, 3, 3, 3, 4, 0}, 23, 25},
        {"last line", {25, 4, 1, 0, 4, 0}, 27, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RightArrowTarget(c.facts), c.right);
        EXPECT_EQ(DownArrowTarget(c.facts), c.down);
    }
}
