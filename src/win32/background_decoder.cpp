#include "win32/background_decoder.h"

#include <objbase.h>

#include <algorithm>

namespace orvela::win32 {

namespace {

class Locked {
public:
    explicit Locked(CRITICAL_SECTION& section) : section_(section) {
        EnterCriticalSection(&section_);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    ~Locked() { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION& section_;
};

std::size_t threadsWanted() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors > 1 ? 2 : 1;
}

} // namespace

BackgroundDecoder::BackgroundDecoder(std::function<void()> ready) : ready_(std::move(ready)) {
    InitializeCriticalSection(&lock_);
    finished_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
}

BackgroundDecoder::~BackgroundDecoder() {
    {
        Locked held(lock_);
        stopping_ = true;
        jobs_.clear();
    }
    if (!threads_.empty()) {
        WaitForMultipleObjects(static_cast<DWORD>(threads_.size()), threads_.data(), TRUE,
                               INFINITE);
        for (HANDLE thread : threads_)
            CloseHandle(thread);
    }
    if (finished_)
        CloseHandle(finished_);
    DeleteCriticalSection(&lock_);
}

bool BackgroundDecoder::request(const std::string& key, std::string bytes, int width, int height) {
    if (!finished_)
        return false;
    // Handles of threads that have ended are let go.
    std::erase_if(threads_, [](HANDLE thread) {
        if (WaitForSingleObject(thread, 0) != WAIT_OBJECT_0)
            return false;
        CloseHandle(thread);
        return true;
    });
    Locked held(lock_);
    if (!asked_.insert(key).second)
        return false;
    jobs_.push_back({key, std::move(bytes), width, height});
    // A thread leaves only under the lock and with no job queued, so one
    // still counted here will see this job.
    const int wanted = static_cast<int>(std::min(threadsWanted(), jobs_.size()));
    while (live_ < wanted) {
        HANDLE thread = CreateThread(nullptr, 0, &BackgroundDecoder::threadMain, this,
                                     CREATE_SUSPENDED, nullptr);
        if (!thread)
            break;
        // The window's own start-up comes first; decoding fills the gaps.
        SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
        threads_.push_back(thread);
        ++live_;
        ResumeThread(thread);
    }
    if (live_ == 0) {
        jobs_.pop_back();
        asked_.erase(key);
        return false;
    }
    return true;
}

void BackgroundDecoder::finish(const std::string& key) {
    for (;;) {
        Job job;
        {
            Locked held(lock_);
            auto queued = std::find_if(jobs_.begin(), jobs_.end(),
                                       [&](const Job& j) { return j.key == key; });
            if (queued != jobs_.end()) {
                job = std::move(*queued);
                jobs_.erase(queued);
            } else if (!running_.count(key)) {
                return; // done, or never asked for
            }
        }
        if (!job.key.empty()) {
            deliver(std::move(job.key), decoded(job));
            return;
        }
        // A thread has it; the timeout covers a signal another waiter took.
        WaitForSingleObject(finished_, 20);
    }
}

std::vector<std::pair<std::string, std::unique_ptr<DecodedPicture>>> BackgroundDecoder::takeDone() {
    Locked held(lock_);
    return std::exchange(done_, {});
}

DWORD WINAPI BackgroundDecoder::threadMain(void* self) {
    // The picture decoders are COM objects: each thread joins the
    // multithreaded apartment for them.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    static_cast<BackgroundDecoder*>(self)->work();
    if (SUCCEEDED(com))
        CoUninitialize();
    return 0;
}

std::unique_ptr<DecodedPicture> BackgroundDecoder::decoded(const Job& job) {
    return DecodedPicture::decode(job.bytes, job.width, job.height);
}

void BackgroundDecoder::deliver(std::string key, std::unique_ptr<DecodedPicture> picture) {
    {
        Locked held(lock_);
        running_.erase(key);
        asked_.erase(key); // the cache may let it go and ask again
        done_.emplace_back(std::move(key), std::move(picture));
    }
    SetEvent(finished_);
}

void BackgroundDecoder::work() {
    for (;;) {
        Job job;
        {
            Locked held(lock_);
            if (stopping_ || jobs_.empty()) {
                --live_;
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
            running_.insert(job.key);
        }
        std::unique_ptr<DecodedPicture> picture = decoded(job);
        {
            Locked held(lock_);
            if (stopping_) {
                --live_;
                return;
            }
        }
        deliver(std::move(job.key), std::move(picture));
        if (ready_)
            ready_();
    }
}

} // namespace orvela::win32
