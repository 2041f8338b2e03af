// COM on the calling thread for as long as the object lives: the folder
// picker, the picture loader and the scripting shell need it on the UI thread.
#pragma once

#include <windows.h>

#include <objbase.h>

namespace orvela::win32 {

class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_)
            CoUninitialize();
    }

private:
    bool initialised_;
};

} // namespace orvela::win32
