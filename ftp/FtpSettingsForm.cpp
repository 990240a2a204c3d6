// The rules of the FTP settings dialog.
#include "FtpSettingsForm.h"

namespace quiltmark {
namespace {

bool EndsWith(const std::string& text, char c) {
    return !text.empty() && text.back() == c;
}

// A remote folder typed without its closing "/" gets one ("<home>" stays).
std::string WithRemoteSlash(const std::string& dir) {
    if (dir == kRemoteHome || EndsWith(dir, '/'))
        return dir;
    return dir + "/";
}

} // namespace

FtpSettingsForm::FtpSettingsForm(FtpProfileTable& table) : table_(table), count_(table.Count()) {
    if (count_ < 1) {
        const FtpProfile& first = table_.entries[0];
        fields.server = first.serverName;
        fields.account = first.account;
        fields.localFirstDir = first.localFirstDir;
        fields.remoteFirstDir = first.remoteFirstDir;
        return;
    }
    int pos = table_.listPos < 0 ? 0 : table_.listPos;
    if (pos >= count_)
        pos = count_ - 1;
    Load(pos);
}

std::string FtpSettingsForm::ItemText(int index) const {
    if (index < 0 || index >= count_)
        return {};
    const FtpProfile& p = table_.entries[index];
    return p.serverName + " (" + p.account + ")";
}

void FtpSettingsForm::Load(int index) {
    selection_ = index;
    table_.listPos = index;
    const FtpProfile& p = table_.entries[index];
    fields.server = p.serverName;
    fields.account = p.account;
    fields.passwd = p.passwd;
    fields.localFirstDir = p.localFirstDir;
    fields.remoteFirstDir = p.remoteFirstDir;
    fields.isDirLast = p.isDirLast;
    fields.passive = p.passive;
}

void FtpSettingsForm::Select(int index) {
    if (index >= 0 && index < count_)
        Load(index);
}

void FtpSettingsForm::CopyFieldsInto(FtpProfile& p) {
    p.serverName = fields.server;
    p.account = fields.account;
    p.passwd = fields.passwd;
    p.localFirstDir = fields.localFirstDir;
    p.remoteFirstDir = fields.remoteFirstDir;
    p.isDirLast = fields.isDirLast;
    p.passive = fields.passive;
    if (p.localLastDir.empty())
        p.localLastDir = p.localFirstDir;
    if (p.remoteLastDir.empty())
        p.remoteLastDir = p.remoteFirstDir;
}

bool FtpSettingsForm::CanRegister() const {
    return !fields.server.empty() && !fields.account.empty() && !fields.passwd.empty();
}

bool FtpSettingsForm::WouldUpdate() const {
    for (int i = 0; i < count_; ++i) {
        if (table_.entries[i].serverName == fields.server && table_.entries[i].account == fields.account)
            return true;
    }
    return false;
}

FormOutcome FtpSettingsForm::Register(bool* changedRemoteDir) {
    if (!CanRegister())
        return FormOutcome::MissingInput;
    int index = -1;
    for (int i = 0; i < count_ && index < 0; ++i) {
        if (table_.entries[i].serverName == fields.server && table_.entries[i].account == fields.account)
            index = i;
    }
    const bool added = index < 0;
    if (added) {
        if (count_ >= FtpProfileTable::kCapacity)
            return FormOutcome::TableFull;
        index = count_;
        // A new entry starts without the folders of whatever held its slot.
        table_.entries[index] = FtpProfile{};
    }
    const std::string remote = WithRemoteSlash(fields.remoteFirstDir);
    if (changedRemoteDir)
        *changedRemoteDir = remote != fields.remoteFirstDir;
    fields.remoteFirstDir = remote;
    CopyFieldsInto(table_.entries[index]);
    if (added) {
        ++count_;
        selection_ = index;
        table_.listPos = index;
    }
    return FormOutcome::Done;
}

FormOutcome FtpSettingsForm::Connect() {
    if (!CanRegister())
        return FormOutcome::MissingInput;
    const auto matches = [this](int i) {
        return table_.entries[i].serverName == fields.server && table_.entries[i].account == fields.account;
    };
    int chosen = -1;
    if (count_ > 0 && selection_ >= 0 && selection_ < count_ && matches(selection_)) {
        chosen = selection_;
    } else if (count_ > 0 && selection_ >= 0) {
        for (int i = 0; i < count_ && chosen < 0; ++i) {
            if (matches(i))
                chosen = i;
        }
    }
    if (chosen < 0) {
        const int before = count_;
        const FormOutcome outcome = Register();
        if (outcome != FormOutcome::Done)
            return outcome;
        // Register either appended an entry or updated the first match.
        chosen = count_ > before ? count_ - 1 : table_.Find(fields.server, fields.account);
    }
    selection_ = chosen;
    if (fields.remoteFirstDir.empty())
        fields.remoteFirstDir = kRemoteHome;
    fields.remoteFirstDir = WithRemoteSlash(fields.remoteFirstDir);
    CopyFieldsInto(table_.entries[chosen]);
    WriteBack();
    return FormOutcome::Done;
}

void FtpSettingsForm::NewEntry() {
    fields.server.clear();
    fields.account.clear();
    fields.passwd.clear();
    fields.remoteFirstDir = kRemoteHome;
    fields.isDirLast = 0;
    fields.passive = 0;
}

void FtpSettingsForm::Delete() {
    if (selection_ < 0 || selection_ >= count_)
        return;
    for (int i = selection_; i + 1 < count_; ++i)
        table_.entries[i] = table_.entries[i + 1];
    --count_;
    if (selection_ >= count_)
        selection_ = count_ - 1;
    if (selection_ >= 0)
        Load(selection_);
    else
        table_.listPos = -1;
}

void FtpSettingsForm::ShowLastDir() {
    if (selection_ >= 0 && selection_ < count_ && !table_.entries[selection_].remoteLastDir.empty())
        fields.remoteFirstDir = WithRemoteSlash(table_.entries[selection_].remoteLastDir);
    else
        fields.remoteFirstDir = kRemoteHome;
}

void FtpSettingsForm::WriteBack() {
    table_.listTotal = count_;
    table_.listPos = selection_;
}

void FtpSettingsForm::Close() {
    WriteBack();
}

} // namespace quiltmark
