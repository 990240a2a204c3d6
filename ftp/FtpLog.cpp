// Connection statuses of the FTP log.
#include "FtpLog.h"

namespace quiltmark {

SessionStatus ClassifyStatus(unsigned long status) {
    switch (status) {
    case 10:
    case 11:
    case 20:
    case 21:
    case 50:
    case 51:
        return static_cast<SessionStatus>(status);
    default:
        return SessionStatus::Other;
    }
}

bool ConnectedAfter(SessionStatus status) {
    return status != SessionStatus::ClosingConnection && status != SessionStatus::ConnectionClosed;
}

bool StatusNamesAddress(SessionStatus status) {
    return status == SessionStatus::ConnectingToServer || status == SessionStatus::ConnectedToServer;
}

std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values) {
    std::string out;
    size_t from = 0;
    for (const std::string& value : values) {
        const size_t at = pattern.find("%s", from);
        if (at == std::string::npos)
            break;
        out.append(pattern, from, at - from);
        out += value;
        from = at + 2;
    }
    out.append(pattern, from, std::string::npos);
    return out;
}

} // namespace quiltmark
