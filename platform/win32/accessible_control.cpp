#include "accessible_control.h"

#include <array>
#include <string>

#include "reader.h"

#include "text.h"

namespace pruhomat::win32 {
namespace {

// The core's reader roles in Active Accessibility's words; a new role fails to build here.
long msaaRole(forms::ReaderRole role) {
    switch (role) {
        case forms::ReaderRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case forms::ReaderRole::CheckBox:
            return ROLE_SYSTEM_CHECKBUTTON;
        case forms::ReaderRole::RadioButton:
            return ROLE_SYSTEM_RADIOBUTTON;
        case forms::ReaderRole::Text:
            return ROLE_SYSTEM_TEXT;
        case forms::ReaderRole::ComboBox:
            return ROLE_SYSTEM_COMBOBOX;
        case forms::ReaderRole::Label:
            return ROLE_SYSTEM_STATICTEXT;
        case forms::ReaderRole::Picture:
            return ROLE_SYSTEM_GRAPHIC;
        case forms::ReaderRole::Grouping:
            return ROLE_SYSTEM_GROUPING;
        case forms::ReaderRole::Link:
            return ROLE_SYSTEM_LINK;
        case forms::ReaderRole::List:
            return ROLE_SYSTEM_LIST;
        case forms::ReaderRole::ListItem:
            return ROLE_SYSTEM_LISTITEM;
    }
    return ROLE_SYSTEM_CLIENT;
}

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Everything but the name, role and state is the system's standard object's.
class AccessibleControl final : public IAccessible {
public:
    AccessibleControl(IAccessible* standard, HWND window, TargetOfWindow targetOf)
        : standard_(standard), window_(window), targetOf_(targetOf) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception, argument);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const forms::Control* control = self(child);
        if (control == nullptr) {
            return forward(&IAccessible::get_accName, child, name);
        }
        const std::string& text = forms::readerName(*control);
        *name = SysAllocString(wide(text).c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const AccessibleTarget target = targetOf_(window_);
        if (self(child) == nullptr) {
            return forward(&IAccessible::get_accRole, child, role);
        }
        role->vt = VT_I4;
        role->lVal = msaaRole(forms::readerRole(*target.form, target.index));
        return S_OK;
    }
    // What is behind another control, or read with one, is invisible to a reader.
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = forward(&IAccessible::get_accState, child, state);
        const AccessibleTarget target = targetOf_(window_);
        if (FAILED(result) || !isSelf(child) || state->vt != VT_I4 || target.form == nullptr) {
            return result;
        }
        // The system's object knows its window's focus, check mark and state; the core adds
        // the selection it keeps and what a reader does not meet on its own.
        const forms::ReaderStates states = forms::readerStates(*target.form, target.index, forms::noControl);
        if (states.selected) {
            state->lVal |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED;
        }
        if (!states.heard) {
            state->lVal |= STATE_SYSTEM_INVISIBLE;
        }
        return result;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return forward(&IAccessible::get_accParent, parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return forward(&IAccessible::get_accChildCount, count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return forward(&IAccessible::get_accChild, child, object);
    }
    // A list's value is its chosen item, as the core holds it.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        const forms::Control* control = self(child);
        const std::string chosen = control != nullptr ? forms::chosenItem(*control) : "";
        if (chosen.empty()) {
            return forward(&IAccessible::get_accValue, child, value);
        }
        *value = SysAllocString(wide(chosen).c_str());
        return *value != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return forward(&IAccessible::get_accDescription, child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return forward(&IAccessible::get_accHelp, child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return forward(&IAccessible::get_accHelpTopic, file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return forward(&IAccessible::get_accKeyboardShortcut, child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return forward(&IAccessible::get_accFocus, child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return forward(&IAccessible::get_accSelection, children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return forward(&IAccessible::get_accDefaultAction, child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return forward(&IAccessible::accSelect, flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return forward(&IAccessible::accLocation, left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return forward(&IAccessible::accNavigate, direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return forward(&IAccessible::accHitTest, x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return forward(&IAccessible::accDoDefaultAction, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return forward(&IAccessible::put_accName, child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return forward(&IAccessible::put_accValue, child, value);
    }

private:
    ~AccessibleControl() = default;

    // The control itself, asked for; null for a child of its or once its window is gone.
    const forms::Control* self(const VARIANT& child) const {
        const AccessibleTarget target = targetOf_(window_);
        return isSelf(child) && target.form != nullptr ? &target.form->controls()[target.index] : nullptr;
    }

    // The standard object's answer while the window lives.
    template <typename Method, typename... Arguments>
    HRESULT forward(Method method, Arguments... arguments) {
        return IsWindow(window_) ? (standard_->*method)(arguments...) : CO_E_OBJNOTCONNECTED;
    }

    LONG references_ = 1;
    IAccessible* standard_;
    HWND window_;
    TargetOfWindow targetOf_;
};

}  // namespace

LRESULT accessibleObjectFor(HWND window, WPARAM flags, TargetOfWindow targetOf) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* object = new AccessibleControl(standard, window, targetOf);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, object);
    object->Release();
    return result;
}

}  // namespace pruhomat::win32
