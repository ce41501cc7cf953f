#include "accessible_picture.h"

#include <oleacc.h>

#include "common_controls.h"
#include "system_library.h"

namespace velmora::win32 {
namespace {

// Oleacc's and OleAut's functions, looked up only when a screen reader asks,
// so that no start of the program waits for them; from the system folder
// only (oleacc.dll is no known DLL, which Windows would first look for in the
// program's folder).
struct Accessibility {
    using CreateStandard = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using ResultFrom = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using AllocateString = BSTR(WINAPI*)(const OLECHAR*);

    CreateStandard createStandard = nullptr;
    ResultFrom resultFrom = nullptr;
    AllocateString allocateString = nullptr;

    static const Accessibility& Get() {
        static const Accessibility functions = [] {
            Accessibility f;
            const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
            const HMODULE oleaut = LoadSystemLibrary(L"oleaut32.dll");
            if (!oleacc || !oleaut) return f;
            f.createStandard = FunctionOf<CreateStandard>(oleacc, "CreateStdAccessibleObject");
            f.resultFrom = FunctionOf<ResultFrom>(oleacc, "LresultFromObject");
            f.allocateString = FunctionOf<AllocateString>(oleaut, "SysAllocString");
            return f;
        }();
        return functions;
    }
    bool Usable() const { return createStandard && resultFrom && allocateString; }
};

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

BSTR StringOf(const std::u16string& text) {
    return Accessibility::Get().allocateString(reinterpret_cast<const OLECHAR*>(text.c_str()));
}

// The system's own object for the control, with its role, description,
// value and focus ours.
class AccessiblePicture final : public IAccessible {
  public:
    AccessiblePicture(IAccessible* standard, HWND control, PictureWords words)
        : standard_(standard), control_(control), words_(std::move(words)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child)) return standard_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_GRAPHIC;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!IsSelf(child)) return standard_->get_accDescription(child, description);
        *description = words_.description.empty() ? nullptr : StringOf(words_.description);
        return words_.description.empty() ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child) || words_.value.empty()) return standard_->get_accValue(child, value);
        *value = StringOf(words_.value);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        if (FAILED(result) || !IsSelf(child) || state->vt != VT_I4) return result;
        if (GetWindowLongW(control_, GWL_STYLE) & WS_TABSTOP) state->lVal |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == control_) state->lVal |= STATE_SYSTEM_FOCUSED;
        return result;
    }

    // Everything else as the system answers it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrong) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~AccessiblePicture() { standard_->Release(); }

    IAccessible* standard_;
    HWND control_;
    PictureWords words_;
    ULONG references_ = 1;
};

LRESULT CALLBACK AnswerAsPicture(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data) {
    if (message != WM_GETOBJECT || static_cast<LONG>(lParam) != OBJID_CLIENT) {
        return CallDefaultSubclass(control, message, wParam, lParam);
    }
    const Accessibility& functions = Accessibility::Get();  // a screen reader asks
    IAccessible* standard = nullptr;
    if (!functions.Usable() ||
        FAILED(functions.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&standard)))) {
        return CallDefaultSubclass(control, message, wParam, lParam);
    }
    auto* picture =
        new AccessiblePicture(standard, control, *reinterpret_cast<const PictureWords*>(data));
    const LRESULT result = functions.resultFrom(__uuidof(IAccessible), wParam, picture);
    picture->Release();  // the result holds its own reference, where there is one
    // A failure (COM not ready on this thread, say) is no answer: the system's own is.
    if (FAILED(static_cast<HRESULT>(result))) {
        return CallDefaultSubclass(control, message, wParam, lParam);
    }
    return result;
}

}  // namespace

void DescribeAsPicture(HWND control, const PictureWords* words) {
    InstallSubclass(control, AnswerAsPicture, 0, reinterpret_cast<DWORD_PTR>(words));
}

}  // namespace velmora::win32
