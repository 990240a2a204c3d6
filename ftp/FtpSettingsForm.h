// The rules of the FTP settings dialog without its window: the profile list
// as the dialog shows it (item count and selection), the values of the edit
// fields, and what the register, connect, new, delete and last-folder buttons
// do to them and to the profile table.
#pragma once

#include <string>

#include "FtpProfile.h"

namespace quiltmark {

// The dialog's edit fields and check boxes.
struct ProfileFields {
    std::string server;
    std::string account;
    std::string passwd;
    std::string localFirstDir;
    std::string remoteFirstDir;
    int isDirLast = 0;
    int passive = 0;
};

enum class FormOutcome {
    Done,
    MissingInput, // server, account or password empty
    TableFull,    // a new entry would be the 51st
};

class FtpSettingsForm {
  public:
    // Opens the form on the table: with no entries the list is empty and the
    // fields show entry 0 (password and flags left empty); otherwise every
    // entry is listed and the current one is selected and shown.
    explicit FtpSettingsForm(FtpProfileTable& table);

    ProfileFields fields;

    int ItemCount() const { return count_; }
    int Selection() const { return selection_; }
    // "server (account)"
    std::string ItemText(int index) const;

    // A click on a list item: it becomes current and fills the fields.
    void Select(int index);
    // Register button: adds or updates the entry with the fields' server and
    // account. Sets `changedRemoteDir` when the remote folder got its "/".
    FormOutcome Register(bool* changedRemoteDir = nullptr);
    // Connect button: chooses, adds or updates the entry and makes it current;
    // Done means the dialog closes with the table's listPos to connect to.
    FormOutcome Connect();
    // New entry button: empty server, account and password, remote "<home>".
    void NewEntry();
    // Delete button: removes the selected entry (nothing when none is).
    void Delete();
    // "LastDir" button: the selected entry's last remote folder, or "<home>".
    void ShowLastDir();
    // Close button: the count and selection go back to the table.
    void Close();

    // Whether the register button would update an entry (or add one), and
    // whether it is enabled (server, account and password all filled).
    bool WouldUpdate() const;
    bool CanRegister() const;

  private:
    void Load(int index);
    void CopyFieldsInto(FtpProfile& p);
    void WriteBack();

    FtpProfileTable& table_;
    int count_ = 0;
    int selection_ = -1;
};

} // namespace quiltmark
