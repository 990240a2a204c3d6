// The FTP tab's log: every event line so far, each ending in CR LF, never
// trimmed; and which connection statuses of the platform become a line and
// what they say about the connection.
#pragma once

#include <initializer_list>
#include <string>

namespace quiltmark {

class FtpLog {
  public:
    void Append(const std::string& line) {
        text_ += line;
        text_ += "\r\n";
    }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// The connection statuses that are logged (the platform's numbers).
enum class SessionStatus {
    Other = 0,
    ResolvingName = 10,
    NameResolved = 11,
    ConnectingToServer = 20,
    ConnectedToServer = 21,
    ClosingConnection = 50,
    ConnectionClosed = 51,
};

SessionStatus ClassifyStatus(unsigned long status);
// Whether the connection counts as open after a logged status.
bool ConnectedAfter(SessionStatus status);
// Whether the status's line names the server's address ("%s" in its text).
bool StatusNamesAddress(SessionStatus status);
// A message or log text with each "%s" replaced by the next value, whatever
// the values' lengths (a "%s" inside a value stays as it is).
std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values);

} // namespace quiltmark
