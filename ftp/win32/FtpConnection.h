// The WinINet handles of the FTP tab (internet, connection, directory search)
// and the calls made through them, with the values the program passes. Every
// call is synchronous: WinINet runs the status callback on this thread from
// inside the call.
#pragma once

#include <windows.h>

#include <wininet.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quiltmark {

struct RemoteItem {
    std::string name;
    bool isFolder = false;
    std::uint64_t size = 0;
    FILETIME lastWrite{};
};

class FtpConnection {
  public:
    FtpConnection() = default;
    ~FtpConnection() = default; // the program closes the handles itself
    FtpConnection(const FtpConnection&) = delete;
    FtpConnection& operator=(const FtpConnection&) = delete;

    // InternetOpenA, direct, synchronous.
    bool OpenInternet();
    // Registers the status callback; false when WinINet refuses it.
    bool SetCallback(INTERNET_STATUS_CALLBACK callback);
    // InternetConnectA to port 21, context 1; active mode unless `passive`.
    bool Connect(const std::string& server, const std::string& account, const std::string& password,
                 bool passive);
    bool IsOpen() const { return connection_ != nullptr; }
    // Closes search, connection and internet handles, each only when open.
    void CloseAll();

    // The server's current folder.
    std::optional<std::string> CurrentDirectory();
    // The entries of a remote folder (ending in "/"). False when the folder
    // could not be listed; an empty folder lists as true with no entries.
    bool List(const std::string& folder, DWORD_PTR context, std::vector<RemoteItem>& items);
    bool Get(const std::string& remotePath, const std::string& localPath, bool ascii);
    bool Put(const std::string& localPath, const std::string& remotePath, bool ascii);
    bool MakeDirectory(const std::string& remotePath);
    bool Rename(const std::string& from, const std::string& to);
    bool RemoveFile(const std::string& remotePath);
    bool RemoveFolder(const std::string& remotePath);

  private:
    void CloseSearch();

    HINTERNET internet_ = nullptr;
    HINTERNET connection_ = nullptr;
    HINTERNET search_ = nullptr;
};

} // namespace quiltmark
