// User-defined tags and the rules of their registration dialog.
#include "UserTags.h"

#include <cstdio>

namespace quiltmark {

std::optional<TagPair> UserTagTexts(const UserTagEntry& tag) {
    if (tag.open.empty())
        return std::nullopt;
    const std::string start = "<" + tag.open + ">";
    if (tag.end.empty())
        return TagPair{start, start};
    return TagPair{start, "</" + tag.end + ">"};
}

std::optional<int> ToolbarSlot(int bar) {
    if (!IsUserTagSlot(bar))
        return std::nullopt;
    return bar;
}

UserTagRegistration::UserTagRegistration(std::array<UserTagEntry, kUserTagCount>& tags, int& bar1, int& bar2,
                                         RegistrationTexts texts)
    : tags_(tags), bar1_(bar1), bar2_(bar2), texts_(std::move(texts)) {}

std::string UserTagRegistration::SlotItem(int slot) const {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", slot + 1);
    return texts_.slotPrefix + number;
}

int UserTagRegistration::ToolbarItem(int bar) {
    return ToolbarSlot(bar).value_or(kUnassignedBar);
}

UserTagFields UserTagRegistration::Show(int slot) {
    if (!IsUserTagSlot(slot))
        return {};
    UserTagEntry& tag = tags_[slot];
    if (!tag.open.empty())
        return {tag.open, tag.end, tag.name};
    tag.end.clear();
    return {};
}

std::optional<RegistrationMessage> UserTagRegistration::AddOrUpdate(int slot, const UserTagFields& typed) {
    if (!IsUserTagSlot(slot))
        return std::nullopt; // no slot chosen: nothing happens
    UserTagEntry& tag = tags_[slot];
    tag = {typed.start, typed.end, typed.name};
    if (tag.open.empty()) {
        tag.end.clear();
        return RegistrationMessage{texts_.startMissing, texts_.errorCaption};
    }
    if (tag.end.empty())
        return RegistrationMessage{"<" + tag.open + ">" + texts_.addedSuffix, texts_.addedCaption};
    return RegistrationMessage{"<" + tag.open + ">***</" + tag.end + ">\n" + texts_.registeredSuffix,
                               texts_.registeredCaption};
}

std::optional<RegistrationMessage> UserTagRegistration::Delete(int slot) {
    if (!IsUserTagSlot(slot))
        return std::nullopt;
    tags_[slot] = {};
    return RegistrationMessage{texts_.deleted, texts_.deletedCaption};
}

void UserTagRegistration::Close(int toolbarItem1, int toolbarItem2) {
    bar1_ = ToolbarItem(toolbarItem1);
    bar2_ = ToolbarItem(toolbarItem2);
}

} // namespace quiltmark
