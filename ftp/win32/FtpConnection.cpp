// WinINet calls of the FTP tab.
#include "FtpConnection.h"

namespace quiltmark {
namespace {

constexpr const char* kAgent = "WININET Sample Program";
// Transfers and their same-name searches pass this context value.
constexpr DWORD_PTR kTransferContext = 1;

} // namespace

bool FtpConnection::OpenInternet() {
    internet_ = InternetOpenA(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    return internet_ != nullptr;
}

bool FtpConnection::SetCallback(INTERNET_STATUS_CALLBACK callback) {
    return internet_ && InternetSetStatusCallback(internet_, callback) != INTERNET_INVALID_STATUS_CALLBACK;
}

bool FtpConnection::Connect(const std::string& server, const std::string& account,
                            const std::string& password, bool passive) {
    if (!internet_)
        return false;
    connection_ = InternetConnectA(internet_, server.c_str(), INTERNET_DEFAULT_FTP_PORT, account.c_str(),
                                   password.c_str(), INTERNET_SERVICE_FTP,
                                   passive ? INTERNET_FLAG_PASSIVE : 0, kTransferContext);
    return connection_ != nullptr;
}

void FtpConnection::CloseSearch() {
    if (search_) {
        InternetCloseHandle(search_);
        search_ = nullptr;
    }
}

void FtpConnection::CloseAll() {
    CloseSearch();
    if (connection_) {
        InternetCloseHandle(connection_);
        connection_ = nullptr;
    }
    if (internet_) {
        InternetCloseHandle(internet_);
        internet_ = nullptr;
    }
}

std::optional<std::string> FtpConnection::CurrentDirectory() {
    if (!connection_)
        return std::nullopt;
    char buffer[1000] = {};
    DWORD length = sizeof buffer;
    if (!FtpGetCurrentDirectoryA(connection_, buffer, &length))
        return std::nullopt;
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

bool FtpConnection::List(const std::string& folder, DWORD_PTR context, std::vector<RemoteItem>& items) {
    items.clear();
    if (!connection_)
        return false;
    CloseSearch();
    // Wine lists a folder only in the "folder/*" form, which Windows takes too.
    const std::string pattern = folder + "*";
    WIN32_FIND_DATAA data{};
    search_ = FtpFindFirstFileA(connection_, pattern.c_str(), &data, INTERNET_FLAG_RELOAD, context);
    if (!search_)
        return GetLastError() == ERROR_NO_MORE_FILES;
    do {
        RemoteItem item;
        item.name.assign(data.cFileName, strnlen(data.cFileName, sizeof data.cFileName));
        item.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        item.lastWrite = data.ftLastWriteTime;
        items.push_back(std::move(item));
    } while (InternetFindNextFileA(search_, &data));
    CloseSearch();
    return true;
}

bool FtpConnection::Get(const std::string& remotePath, const std::string& localPath, bool ascii) {
    return connection_ &&
           FtpGetFileA(connection_, remotePath.c_str(), localPath.c_str(), FALSE, FILE_ATTRIBUTE_ARCHIVE,
                       ascii ? FTP_TRANSFER_TYPE_ASCII : FTP_TRANSFER_TYPE_BINARY, kTransferContext);
}

bool FtpConnection::Put(const std::string& localPath, const std::string& remotePath, bool ascii) {
    return connection_ &&
           FtpPutFileA(connection_, localPath.c_str(), remotePath.c_str(),
                       ascii ? FTP_TRANSFER_TYPE_ASCII : FTP_TRANSFER_TYPE_BINARY, kTransferContext);
}

bool FtpConnection::MakeDirectory(const std::string& remotePath) {
    return connection_ && FtpCreateDirectoryA(connection_, remotePath.c_str());
}

bool FtpConnection::Rename(const std::string& from, const std::string& to) {
    return connection_ && FtpRenameFileA(connection_, from.c_str(), to.c_str());
}

bool FtpConnection::RemoveFile(const std::string& remotePath) {
    return connection_ && FtpDeleteFileA(connection_, remotePath.c_str());
}

bool FtpConnection::RemoveFolder(const std::string& remotePath) {
    return connection_ && FtpRemoveDirectoryA(connection_, remotePath.c_str());
}

} // namespace quiltmark
