// Command routing without windows: a table per command target maps command
// ids to a stable name, a handler and the enabled/checked queries that the
// menus and the toolbar show. A router asks its targets in order, the way a
// command travels from the view to the frame to the application.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quiltmark {

struct CommandRow {
    int id = 0;
    std::string name;
    std::function<void()> handler;
    std::function<bool()> enabled; // empty: always enabled
    std::function<bool()> checked; // empty: the target leaves the check mark alone
};

// The state a menu item or toolbar button shows for a command.
struct CommandState {
    bool handled = false; // some target has the command; unhandled ones are greyed
    bool enabled = false;
    bool hasCheck = false;
    bool checked = false;
};

class CommandTable {
  public:
    // Adds one command; a second row for an id replaces the first.
    CommandTable& Add(int id, std::string name, std::function<void()> handler,
                      std::function<bool()> enabled = {}, std::function<bool()> checked = {});
    // Adds count consecutive commands; the handler receives the index 0..count-1
    // and the names get the index + 1 as suffix ("bookmark.set1", ...).
    CommandTable& AddRange(int firstId, int count, const std::string& namePrefix,
                           std::function<void(int)> handler, std::function<bool(int)> enabled = {},
                           std::function<bool(int)> checked = {});

    const CommandRow* Find(int id) const;
    const CommandRow* FindByName(const std::string& name) const;
    // Runs the handler; false when the table has no such command.
    bool Execute(int id) const;
    CommandState Query(int id) const;
    std::vector<int> Ids() const;

  private:
    std::unordered_map<int, CommandRow> rows_;
};

class CommandRouter {
  public:
    // Targets are asked in the order they were added; they must outlive the router.
    void AddTarget(const CommandTable& table) { targets_.push_back(&table); }
    // Runs the first target's handler, unless that target reports the command
    // disabled; false when no target has the command.
    bool Execute(int id) const;
    CommandState Query(int id) const;

  private:
    std::vector<const CommandTable*> targets_;
};

} // namespace quiltmark
