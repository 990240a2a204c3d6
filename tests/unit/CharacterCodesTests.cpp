// The conversion rules over a stand-in for NKF32.DLL: the calls made, the
// buffer given, what comes back and which question the user is asked; the
// save plan, the save-code choice and the modified test.
#include <gtest/gtest.h>

#include <condition_variable>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "BackgroundModifiedCheck.h"
#include "CharacterCodes.h"
#include "ModifiedTracker.h"

using namespace quiltmark;

namespace {

// A library whose conversion is a function of the text; it records how it
// was used.
struct StandInNkf : NkfLibrary {
    bool present = true;
    bool hasFunctions = true;
    std::map<std::string, int> optionResults{{"s", 0}, {"e", 0}, {"j", 0}, {"w", 0}};
    std::function<std::string(const std::string&, const std::string&)> convert =
        [](const std::string& option, const std::string& in) { return option + ":" + in; };

    int loads = 0;
    int unloads = 0;
    int conversions = 0;
    std::string lastOption;

    struct Module : NkfModule {
        StandInNkf& owner;
        explicit Module(StandInNkf& o) : owner(o) {}
        ~Module() override { ++owner.unloads; }
        bool HasConversion() const override { return owner.hasFunctions; }
        int SetNkfOption(const char* option) override {
            owner.lastOption = option;
            return owner.optionResults[option];
        }
        void NkfConvert(char* out, const char* in) override {
            ++owner.conversions;
            const std::string result = owner.convert(owner.lastOption, in);
            std::memcpy(out, result.c_str(), result.size() + 1);
        }
    };

    std::unique_ptr<NkfModule> Load() override {
        if (!present)
            return nullptr;
        ++loads;
        return std::make_unique<Module>(*this);
    }
};

// Half-width "ｱ" (0xB1) becomes full-width "ア" (0x83 0x41), as the library
// does when it writes Shift_JIS.
std::string WidenKana(const std::string&, const std::string& in) {
    std::string out;
    for (char c : in)
        out += c == '\xB1' ? std::string("\x83\x41") : std::string(1, c);
    return out;
}

} // namespace

TEST(CharacterCodes, ConvertCallsTheLibraryWithEachOptionAndUnloadsIt) {
    for (char option : {'s', 'e', 'j', 'w'}) {
        SCOPED_TRACE(option);
        StandInNkf nkf;
        const Conversion result = Convert(nkf, "ソース", option);
        EXPECT_EQ(result.text, std::string(1, option) + ":ソース");
        EXPECT_EQ(result.message, CodeMessage::None);
        EXPECT_EQ(nkf.lastOption, std::string(1, option));
        EXPECT_EQ(nkf.loads, 1);
        EXPECT_EQ(nkf.unloads, 1);
    }
}

TEST(CharacterCodes, WithoutAUsableLibraryTheTextStaysAndOnlySomeCasesAsk) {
    const struct {
        const char* name;
        bool present;
        bool hasFunctions;
        int optionResult;
        char option;
        CodeMessage message;
    } cases[] = {
        {"library missing", false, true, 0, 'e', CodeMessage::LibraryMissing},
        {"functions missing", true, false, 0, 'e', CodeMessage::None},
        {"EUC refused", true, true, 1, 'e', CodeMessage::None},
        {"JIS refused", true, true, -1, 'j', CodeMessage::None},
        {"Shift_JIS refused", true, true, 2, 's', CodeMessage::None},
        {"UTF-8 refused", true, true, -1, 'w', CodeMessage::ExtendedLibraryNeeded},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StandInNkf nkf;
        nkf.present = c.present;
        nkf.hasFunctions = c.hasFunctions;
        nkf.optionResults[std::string(1, c.option)] = c.optionResult;
        const Conversion result = Convert(nkf, "表示", c.option);
        EXPECT_EQ(result.text, "表示");
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(nkf.conversions, 0);
        EXPECT_EQ(nkf.loads, nkf.unloads);
    }
    // The extended library answers "w" with any value of 0 or more.
    StandInNkf extended;
    extended.optionResults["w"] = 3;
    EXPECT_EQ(Convert(extended, "a", 'w').text, "w:a");
}

TEST(CharacterCodes, OutputBufferHoldsTheContractAndTheWorstGrowth) {
    const struct {
        size_t n;
        char option;
        size_t contract;
    } cases[] = {{10, 's', 21}, {10, 'e', 21}, {10, 'j', 31}, {10, 'w', 31}, {0, 'j', 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        EXPECT_EQ(ContractOutputSize(c.n, c.option), c.contract);
        EXPECT_GE(OutputBufferSize(c.n, c.option), c.contract);
        // "aｱ" pairs in 7-bit JIS: 1 + ESC $ B + 2 + ESC ( B = 9 bytes per 2.
        EXPECT_GT(OutputBufferSize(c.n, c.option), c.n * 9 / 2);
    }
}

TEST(CharacterCodes, SavePlanFollowsTheCodeAndTheLibrary) {
    const struct {
        int code;
        bool present;
        bool convert;
        char option;
        bool tell;
    } cases[] = {
        {0, true, true, 's', false},    {0, false, false, 's', false}, {1, true, true, 'e', false},
        {1, false, false, 'e', true},   {2, true, true, 'j', false},   {2, false, false, 'j', true},
        {3, true, true, 'w', false},    {3, false, false, 'w', true},  {7, true, true, 's', false},
        {-1, false, false, 's', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << (c.present ? " present" : " absent"));
        const SavePlan plan = PlanSave(c.code, c.present);
        EXPECT_EQ(plan.convert, c.convert);
        EXPECT_EQ(plan.option, c.option);
        EXPECT_EQ(plan.tellSavedUnconverted, c.tell);
    }
}

TEST(CharacterCodes, SaveCodesBeyondShiftJisNeedTheLibrary) {
    const struct {
        int requested;
        bool present;
        int code;
        CodeMessage message;
    } cases[] = {
        {0, false, 0, CodeMessage::None},
        {1, true, 1, CodeMessage::None},
        {1, false, 0, CodeMessage::SaveCodeNeedsLibrary},
        {2, false, 0, CodeMessage::SaveCodeNeedsLibrary},
        {3, true, 3, CodeMessage::None},
        {3, false, 0, CodeMessage::Utf8SaveCodeNeedsLibrary},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requested);
        const SaveCodeChoice choice = ChooseSaveCode(c.requested, c.present);
        EXPECT_EQ(choice.code, c.code);
        EXPECT_EQ(choice.message, c.message);
    }
}

TEST(ModifiedTracker, AnswersAsConvertingBothTextsEveryTime) {
    const struct {
        const char* name;
        bool present;
        std::string saved;
        std::string edited;
    } cases[] = {
        {"same bytes", true, "a\xB1", "a\xB1"},
        {"same after widening", true, "a\xB1", "a\x83\x41"},
        {"different after widening", true, "a\xB1", "b\x83\x41"},
        {"no library, different bytes", false, "a\xB1", "a\x83\x41"},
        {"no library, same bytes", false, "x", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StandInNkf reference;
        reference.present = c.present;
        reference.convert = WidenKana;
        StandInNkf nkf = reference;
        ModifiedTracker tracker;
        tracker.SetSaved(c.saved);
        EXPECT_EQ(tracker.IsModified(c.edited, nkf), !TextsEqual(reference, c.saved, c.edited));
        EXPECT_EQ(nkf.loads, nkf.unloads);
    }
}

TEST(ModifiedTracker, ConvertsOnlyDifferingTextsAndTheSavedTextOnce) {
    StandInNkf nkf;
    nkf.convert = WidenKana;
    ModifiedTracker tracker;
    tracker.SetSaved("a\xB1");

    EXPECT_FALSE(tracker.IsModified("a\xB1", nkf));
    EXPECT_EQ(nkf.loads, 0) << "equal bytes need no library";
    EXPECT_TRUE(tracker.IsModified("ab", nkf));
    EXPECT_FALSE(tracker.IsModified("a\x83\x41", nkf));
    EXPECT_EQ(nkf.conversions, 3) << "the saved text once, each edited text once";

    tracker.SetSaved("b");
    EXPECT_FALSE(tracker.IsModified("b", nkf));
    EXPECT_TRUE(tracker.IsModified("a\x83\x41", nkf));
    EXPECT_EQ(nkf.conversions, 5) << "a new saved text is converted again";
}

TEST(BackgroundModifiedCheck, ReportsTheFullAnswerWithItsTicket) {
    StandInNkf nkf;
    nkf.convert = WidenKana;
    std::mutex mutex;
    std::condition_variable reported;
    std::vector<std::pair<std::uint64_t, bool>> answers;
    {
        BackgroundModifiedCheck check(nkf, [&](std::uint64_t ticket, bool modified) {
            std::lock_guard<std::mutex> lock(mutex);
            answers.emplace_back(ticket, modified);
            reported.notify_one();
        });
        const auto saved = std::make_shared<const std::string>("a\xB1");
        const struct {
            std::uint64_t ticket;
            std::string edited;
            bool modified;
        } requests[] = {{1, "a\x83\x41", false}, {2, "b", true}, {3, "a\xB1", false}};
        for (const auto& r : requests) {
            check.Request(r.ticket, saved, r.edited);
            std::unique_lock<std::mutex> lock(mutex);
            reported.wait(lock, [&] { return !answers.empty(); });
            EXPECT_EQ(answers.back(), std::make_pair(r.ticket, r.modified));
            answers.clear();
        }
    }
    EXPECT_EQ(nkf.conversions, 3) << "the saved text once while it stays the same, then each differing text";
}
