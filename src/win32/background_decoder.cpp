#include "win32/background_decoder.h"

#include <objbase.h>

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

} // namespace

BackgroundDecoder::BackgroundDecoder(std::function<void()> ready) : ready_(std::move(ready)) {
    InitializeCriticalSection(&lock_);
    wake_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

BackgroundDecoder::~BackgroundDecoder() {
    if (thread_) {
        {
            Locked held(lock_);
            stopping_ = true;
            jobs_.clear();
        }
        SetEvent(wake_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    if (wake_)
        CloseHandle(wake_);
    DeleteCriticalSection(&lock_);
}

bool BackgroundDecoder::request(const std::string& key, std::string bytes, int width, int height) {
    if (!wake_)
        return false;
    {
        Locked held(lock_);
        if (!asked_.insert(key).second)
            return false;
        jobs_.push_back({key, std::move(bytes), width, height});
    }
    if (!thread_) {
        thread_ = CreateThread(nullptr, 0, &BackgroundDecoder::threadMain, this, 0, nullptr);
        if (!thread_) {
            Locked held(lock_);
            jobs_.clear();
            return false;
        }
    }
    SetEvent(wake_);
    return true;
}

std::vector<std::pair<std::string, std::unique_ptr<DecodedPicture>>> BackgroundDecoder::takeDone() {
    Locked held(lock_);
    return std::exchange(done_, {});
}

DWORD WINAPI BackgroundDecoder::threadMain(void* self) {
    // The picture decoder is a COM object: this thread joins the
    // multithreaded apartment for it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    static_cast<BackgroundDecoder*>(self)->work();
    if (SUCCEEDED(com))
        CoUninitialize();
    return 0;
}

void BackgroundDecoder::work() {
    for (;;) {
        WaitForSingleObject(wake_, INFINITE);
        Job job;
        {
            Locked held(lock_);
            if (stopping_)
                return;
            if (jobs_.empty()) {
                ResetEvent(wake_);
                continue;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        std::unique_ptr<DecodedPicture> picture = DecodedPicture::decode(job.bytes);
        if (picture)
            picture->prepare(job.width, job.height);
        {
            Locked held(lock_);
            if (stopping_)
                return;
            done_.emplace_back(std::move(job.key), std::move(picture));
        }
        if (ready_)
            ready_();
    }
}

} // namespace orvela::win32
