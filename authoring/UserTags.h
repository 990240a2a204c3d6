// User-defined tags: what inserting a slot hands to InsertTag, which slot a
// toolbar button stands for, and the rules of the registration dialog (the
// slot list, showing a slot, adding or updating it, deleting it, closing).
// The store itself is the settings' twenty UserTagEntry slots and the two
// toolbar values Bar1 and Bar2.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "Settings.h"
#include "TagPair.h"

namespace quiltmark {

// The value of Bar1/Bar2 that leaves a toolbar button without a tag.
constexpr int kUnassignedBar = kUserTagCount;

// Slots count from 0 to 19.
constexpr bool IsUserTagSlot(int n) {
    return n >= 0 && n < kUserTagCount;
}

// "<open>" and "</end>", or "<open>" twice for a tag without an end tag;
// nothing for a free slot.
std::optional<TagPair> UserTagTexts(const UserTagEntry& tag);

// The slot a toolbar button inserts. A stored value outside 0-19 (20, or a
// hand-edited one) leaves the button without a tag and is never an index.
std::optional<int> ToolbarSlot(int bar);

// The texts of the registration dialog that its rules put together; the
// program loads them from its string table.
struct RegistrationTexts {
    std::string slotPrefix;        // "タグ "
    std::string unassigned;        // "未割当て"
    std::string startMissing;      // "開始タグを設定して下さい"
    std::string addedSuffix;       // " を追加/更新しました"
    std::string registeredSuffix;  // "を登録/更新しました"
    std::string deleted;           // "削除しました"
    std::string errorCaption;      // "エラー"
    std::string addedCaption;      // "追加/更新の確認"
    std::string registeredCaption; // "登録/更新の確認"
    std::string deletedCaption;    // "削除の確認"
};

// What the start, end and name boxes show.
struct UserTagFields {
    std::string start;
    std::string end;
    std::string name;
    bool operator==(const UserTagFields&) const = default;
};

// A message box the dialog shows (OK button and information icon).
struct RegistrationMessage {
    std::string text;
    std::string caption;
    bool operator==(const RegistrationMessage&) const = default;
};

// The rules of the registration dialog over the store. Changes reach the
// store at once; saving it is the caller's business.
class UserTagRegistration {
  public:
    UserTagRegistration(std::array<UserTagEntry, kUserTagCount>& tags, int& bar1, int& bar2,
                        RegistrationTexts texts);

    // The items of the slot list ("タグ 01" ... "タグ 20"); the toolbar lists
    // add the unassigned item as item 20.
    std::string SlotItem(int slot) const;
    const std::string& UnassignedItem() const { return texts_.unassigned; }
    // The item a toolbar list selects when the dialog opens: the slot, or
    // the unassigned item for any value that is no slot.
    static int ToolbarItem(int bar);
    int Bar1() const { return bar1_; }
    int Bar2() const { return bar2_; }

    // A slot chosen in the slot list: a used slot shows its texts; a free
    // one loses its end tag and shows empty boxes.
    UserTagFields Show(int slot);
    // "追加/更新": the slot takes the typed texts (nothing happens without a
    // chosen slot). Without a start tag the slot
    // stays free (its end tag is cleared) and the message is an error.
    std::optional<RegistrationMessage> AddOrUpdate(int slot, const UserTagFields& typed);
    // "データを削除して更新": the slot is emptied.
    std::optional<RegistrationMessage> Delete(int slot);
    // Closing, however it happens: the two toolbar lists' items become Bar1
    // and Bar2 (an item outside the lists counts as unassigned).
    void Close(int toolbarItem1, int toolbarItem2);

  private:
    std::array<UserTagEntry, kUserTagCount>& tags_;
    int& bar1_;
    int& bar2_;
    RegistrationTexts texts_;
};

} // namespace quiltmark
