// Decodes artwork on threads of its own (one per processor, at most two),
// so that the pictures of a first frame are decoded while the program still
// starts, and a large screen's large renders do not hold up the window.
// A thread ends when it finds nothing left to do, so that an idle program
// keeps no stacks the decoders once filled; a new request starts another.
// Win32 threads, events and critical sections (no C++ threads in the XP
// build, no condition variables before Vista).
#pragma once

#include "win32/decoded_picture.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orvela::win32 {

class BackgroundDecoder {
public:
    // ready runs on a decoding thread after each picture is done.
    explicit BackgroundDecoder(std::function<void()> ready);
    BackgroundDecoder(const BackgroundDecoder&) = delete;
    BackgroundDecoder& operator=(const BackgroundDecoder&) = delete;
    // Waits for the pictures being decoded; drops those not begun.
    ~BackgroundDecoder();

    // Queues the bytes of key to be decoded and scaled to width x height;
    // false when key is queued or being decoded, or no thread can be started.
    bool request(const std::string& key, std::string bytes, int width, int height);
    // Makes sure key is done before it returns: decodes it on the calling
    // thread when no decoding thread has begun it, else waits for that one.
    void finish(const std::string& key);
    // The pictures done since the last call, each with its key (null for
    // bytes that are no picture).
    std::vector<std::pair<std::string, std::unique_ptr<DecodedPicture>>> takeDone();

private:
    struct Job {
        std::string key, bytes;
        int width = 0, height = 0;
    };
    static DWORD WINAPI threadMain(void* self);
    void work();
    static std::unique_ptr<DecodedPicture> decoded(const Job& job);
    void deliver(std::string key, std::unique_ptr<DecodedPicture> picture);

    std::function<void()> ready_;
    CRITICAL_SECTION lock_;
    HANDLE finished_ = nullptr;   // set each time a picture is done
    std::vector<HANDLE> threads_; // started and not yet seen ended
    int live_ = 0;                // threads still taking jobs
    bool stopping_ = false;
    std::deque<Job> jobs_;
    std::set<std::string> asked_, running_;
    std::vector<std::pair<std::string, std::unique_ptr<DecodedPicture>>> done_;
};

} // namespace orvela::win32
