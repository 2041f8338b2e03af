#include "win32/com_dispatch.h"

#include <objbase.h>

namespace orvela::win32 {

namespace {

HRESULT dispatchId(IDispatch* object, const wchar_t* name, DISPID& id) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
}

} // namespace

bool Variant::setText(std::wstring_view text) {
    VariantClear(&value_);
    const BSTR copy = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!copy)
        return false;
    value_.vt = VT_BSTR;
    value_.bstrVal = copy;
    return true;
}

void Variant::setInteger(long value) {
    VariantClear(&value_);
    value_.vt = VT_I4;
    value_.lVal = value;
}

IDispatch* Variant::object() const {
    return value_.vt == VT_DISPATCH ? value_.pdispVal : nullptr;
}

HRESULT createObject(const wchar_t* progId, DispatchPtr& object) {
    object.reset();
    CLSID clsid;
    HRESULT result = CLSIDFromProgID(progId, &clsid);
    if (FAILED(result))
        return result;
    IDispatch* created = nullptr;
    result = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                              IID_IDispatch, reinterpret_cast<void**>(&created));
    if (FAILED(result))
        return result;
    if (!created)
        return E_POINTER;
    object.reset(created);
    return S_OK;
}

HRESULT invoke(IDispatch* object, const wchar_t* name, VARIANT* argument, VARIANT* result) {
    if (!object)
        return E_POINTER;
    DISPID id = DISPID_UNKNOWN;
    const HRESULT found = dispatchId(object, name, id);
    if (FAILED(found))
        return found;
    DISPPARAMS parameters{argument, nullptr, argument ? 1u : 0u, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                          &parameters, result, nullptr, nullptr);
}

HRESULT putProperty(IDispatch* object, const wchar_t* name, VARIANT* value) {
    if (!object || !value)
        return E_POINTER;
    DISPID id = DISPID_UNKNOWN;
    const HRESULT found = dispatchId(object, name, id);
    if (FAILED(found))
        return found;
    // A property put passes its value as the one named argument DISPID_PROPERTYPUT.
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{value, &named, 1, 1};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters,
                          nullptr, nullptr, nullptr);
}

} // namespace orvela::win32
