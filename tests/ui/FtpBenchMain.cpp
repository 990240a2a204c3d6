// Benchmark of the FTP tab against the test server: listing a remote folder
// of 5,000 files into the remote list, and downloading a 50 MB file in binary
// mode. The folder "many" and the file "big.bin" in the quilt account's home
// are made by scripts/bench-ftp before this runs.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "Automation.h"
#include "FtpUiSupport.h"
#include "resource_ids.h"

using namespace ftpui;

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--ftp-root=", 11) == 0)
            SetServerRoot(argv[i] + 11);
        else if (std::strncmp(argv[i], "--ftp-address=", 14) == 0)
            SetServerAddress(argv[i] + 14);
    }
    FtpSession app("quilt", "/");
    if (!app.Launch() || !app.Connect()) {
        std::printf("could not connect\n");
        return 1;
    }
    for (int run = 0; run < 3; ++run) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        SendMessageA(GetDlgItem(app.View(), IDC_REMOTE_PATH), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>("/many/"));
        DWORD_PTR result = 0;
        SendMessageTimeoutA(app.Frame(), WM_COMMAND, IDC_REMOTE_GO, 0, SMTO_NORMAL, 300000, &result);
        QueryPerformanceCounter(&end);
        std::printf("list %d rows: %.3f s\n", app.Rows(1), Seconds(start, end));
    }
    app.EnterPath(IDC_REMOTE_PATH, "/");
    SendMessageA(GetDlgItem(app.View(), IDC_MODE_BINARY), BM_CLICK, 0, 0);
    for (int run = 0; run < 3; ++run) {
        DeleteFileA((app.LocalFolder() + "big.bin").c_str());
        app.Select(1, {"big.bin"});
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        app.PostCommand(ID_FTP_DOWNLOAD);
        WaitUntil([&] { return app.LogContains("big.bin のダウンロード(バイナリモード)"); }, 120000);
        QueryPerformanceCounter(&end);
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExA((app.LocalFolder() + "big.bin").c_str(), GetFileExInfoStandard, &data);
        const double megabytes = data.nFileSizeLow / 1048576.0;
        const double seconds = Seconds(start, end);
        std::printf("download %.1f MB: %.3f s, %.1f MB/s\n", megabytes, seconds, megabytes / seconds);
        SendMessageA(GetDlgItem(app.View(), IDC_FTP_LOG), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        app.Command(ID_FTP_DISCONNECT);
        app.Connect();
        app.EnterPath(IDC_REMOTE_PATH, "/");
    }
    return 0;
}
