// The modified test on its own thread.
#include "BackgroundModifiedCheck.h"

namespace quiltmark {

BackgroundModifiedCheck::BackgroundModifiedCheck(NkfLibrary& library, Report report)
    : library_(library), report_(std::move(report)), thread_([this] { Run(); }) {}

BackgroundModifiedCheck::~BackgroundModifiedCheck() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        pending_.reset();
    }
    wake_.notify_one();
    thread_.join();
}

void BackgroundModifiedCheck::Request(std::uint64_t ticket, std::shared_ptr<const std::string> saved,
                                      std::string editorText) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_ = Job{ticket, std::move(saved), std::move(editorText)};
    }
    wake_.notify_one();
}

void BackgroundModifiedCheck::Run() {
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_)
                return;
            job = std::move(*pending_);
            pending_.reset();
        }
        if (job.saved != trackedSaved_) {
            trackedSaved_ = job.saved;
            tracker_.SetSaved(job.saved);
        }
        report_(job.ticket, tracker_.IsModified(job.editorText, library_));
    }
}

} // namespace quiltmark
