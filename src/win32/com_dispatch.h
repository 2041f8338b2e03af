// Late-bound automation objects (IDispatch) such as the scripting shell:
// owning references, VARIANTs that clear themselves, creation by ProgID and
// the three kinds of call the program makes (read or call, set a property).
// Every call needs COM initialised on the calling thread; failures come back
// as HRESULTs, never as exceptions.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <memory>
#include <string_view>

namespace orvela::win32 {

// Releases one COM reference when it goes out of scope.
struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface> using ComPtr = std::unique_ptr<Interface, ComReleaser>;
using DispatchPtr = ComPtr<IDispatch>;

// A VARIANT cleared when it goes out of scope.
class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    // A text (VT_BSTR); false if the string could not be allocated.
    bool setText(std::wstring_view text);
    void setInteger(long value);

    VARIANT* get() { return &value_; }
    // The object a call returned, or null when it returned no object.
    IDispatch* object() const;

private:
    VARIANT value_;
};

// An automation object created by its ProgID: S_OK and the object, or the
// failure (CO_E_NOTINITIALIZED without COM on this thread).
HRESULT createObject(const wchar_t* progId, DispatchPtr& object);

// Reads property `name` of object, or calls method `name`, with at most one
// argument; result may be null when the value is not wanted.
HRESULT invoke(IDispatch* object, const wchar_t* name, VARIANT* argument, VARIANT* result);

// Sets property `name` of object to value.
HRESULT putProperty(IDispatch* object, const wchar_t* name, VARIANT* value);

} // namespace orvela::win32
