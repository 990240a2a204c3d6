// The full modified test (through NKF32.DLL) run on a thread of its own, so
// that the title's marker can be confirmed without the user-interface thread
// waiting for two conversions of the whole text. Requests carry a ticket;
// the answer comes back with it, and a request that has not started yet is
// replaced by a newer one. The library itself must be safe to use from two
// threads (NkfLibraryWin takes one lock for every use of the DLL).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "ModifiedTracker.h"

namespace quiltmark {

class BackgroundModifiedCheck {
  public:
    // Called on the checking thread with the request's ticket and answer.
    using Report = std::function<void(std::uint64_t ticket, bool modified)>;

    BackgroundModifiedCheck(NkfLibrary& library, Report report);
    // Waits for a test that is running; a pending request is dropped.
    ~BackgroundModifiedCheck();
    BackgroundModifiedCheck(const BackgroundModifiedCheck&) = delete;
    BackgroundModifiedCheck& operator=(const BackgroundModifiedCheck&) = delete;

    void Request(std::uint64_t ticket, std::shared_ptr<const std::string> saved, std::string editorText);

  private:
    struct Job {
        std::uint64_t ticket = 0;
        std::shared_ptr<const std::string> saved;
        std::string editorText;
    };
    void Run();

    NkfLibrary& library_;
    Report report_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::optional<Job> pending_;
    // Used by the checking thread only: the saved text's conversion is kept
    // while the saved text stays the same.
    ModifiedTracker tracker_;
    std::shared_ptr<const std::string> trackedSaved_;
    std::thread thread_;
};

} // namespace quiltmark
