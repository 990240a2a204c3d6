// Command tables and their router.
#include "CommandTable.h"

#include <algorithm>

namespace quiltmark {

CommandTable& CommandTable::Add(int id, std::string name, std::function<void()> handler,
                                std::function<bool()> enabled, std::function<bool()> checked) {
    rows_[id] = CommandRow{id, std::move(name), std::move(handler), std::move(enabled), std::move(checked)};
    return *this;
}

CommandTable& CommandTable::AddRange(int firstId, int count, const std::string& namePrefix,
                                     std::function<void(int)> handler, std::function<bool(int)> enabled,
                                     std::function<bool(int)> checked) {
    for (int i = 0; i < count; ++i) {
        std::function<bool()> isEnabled;
        std::function<bool()> isChecked;
        if (enabled)
            isEnabled = [enabled, i] { return enabled(i); };
        if (checked)
            isChecked = [checked, i] { return checked(i); };
        Add(
            firstId + i, namePrefix + std::to_string(i + 1), [handler, i] { handler(i); },
            std::move(isEnabled), std::move(isChecked));
    }
    return *this;
}

const CommandRow* CommandTable::Find(int id) const {
    auto it = rows_.find(id);
    return it == rows_.end() ? nullptr : &it->second;
}

const CommandRow* CommandTable::FindByName(const std::string& name) const {
    for (const auto& [id, row] : rows_)
        if (row.name == name)
            return &row;
    return nullptr;
}

bool CommandTable::Execute(int id) const {
    const CommandRow* row = Find(id);
    if (!row || !row->handler)
        return false;
    row->handler();
    return true;
}

CommandState CommandTable::Query(int id) const {
    CommandState state;
    const CommandRow* row = Find(id);
    if (!row || !row->handler)
        return state;
    state.handled = true;
    state.enabled = row->enabled ? row->enabled() : true;
    if (row->checked) {
        state.hasCheck = true;
        state.checked = row->checked();
    }
    return state;
}

std::vector<int> CommandTable::Ids() const {
    std::vector<int> ids;
    ids.reserve(rows_.size());
    for (const auto& entry : rows_)
        ids.push_back(entry.first);
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool CommandRouter::Execute(int id) const {
    for (const CommandTable* table : targets_) {
        const CommandState state = table->Query(id);
        if (!state.handled)
            continue;
        // A command that became disabled since its menu was shown is dropped.
        if (state.enabled)
            table->Execute(id);
        return true;
    }
    return false;
}

CommandState CommandRouter::Query(int id) const {
    for (const CommandTable* table : targets_) {
        CommandState state = table->Query(id);
        if (state.handled)
            return state;
    }
    return {};
}

} // namespace quiltmark
