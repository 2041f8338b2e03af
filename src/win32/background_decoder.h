// Decodes large artwork on a thread of its own, so that the first frame on
// a large screen does not wait for its large renders: the frame is drawn
// from a smaller render, and the large one takes its place when ready.
// Win32 threads and critical sections (no C++ threads in the XP build).
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
    // ready runs on the decoding thread after each picture is done.
    explicit BackgroundDecoder(std::function<void()> ready);
    BackgroundDecoder(const BackgroundDecoder&) = delete;
    BackgroundDecoder& operator=(const BackgroundDecoder&) = delete;
    // Waits for the picture being decoded; drops those not begun.
    ~BackgroundDecoder();

    // Queues the bytes of key to be decoded and scaled to width x height;
    // false when key was asked for before or no thread can be started.
    bool request(const std::string& key, std::string bytes, int width, int height);
    // The pictures done since the last call, each with its key (null for
    // bytes that are no picture).
    std::vector<std::pair<std::string, std::unique_ptr<DecodedPicture>>> takeDone();

private:
    struct Job {
        std::string key, bytes;
        int width, height;
    };
    static DWORD WINAPI threadMain(void* self);
    void work();

    std::function<void()> ready_;
    CRITICAL_SECTION lock_;
    HANDLE wake_ = nullptr; // set while jobs wait or the decoder stops
    HANDLE thread_ = nullptr;
    bool stopping_ = false;
    std::deque<Job> jobs_;
    std::set<std::string> asked_;
    std::vector<std::pair<std::string, std::unique_ptr<DecodedPicture>>> done_;
};

} // namespace orvela::win32
