#include "dom.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(int, velmora_dom_value_length, (const char* id), {
    return document.getElementById(UTF8ToString(id)).value.length;
});

EM_JS(void, velmora_dom_copy_value, (const char* id, char16_t* out, int length), {
    const value = document.getElementById(UTF8ToString(id)).value;
    for (let i = 0; i < length; ++i) HEAPU16[(out >> 1) + i] = value.charCodeAt(i);
});

EM_JS(void, velmora_dom_set_value, (const char* id, const char16_t* text, int length), {
    document.getElementById(UTF8ToString(id)).value =
        new TextDecoder("utf-16le").decode(HEAPU8.subarray(text, text + 2 * length));
});

EM_JS(void, velmora_dom_set_property, (const char* id, const char* property, int on), {
    document.getElementById(UTF8ToString(id))[UTF8ToString(property)] = !!on;
});

EM_JS(int, velmora_dom_selected_index, (const char* id), {
    return document.getElementById(UTF8ToString(id)).selectedIndex;
});

EM_JS(void, velmora_dom_select, (const char* id, int index), {
    document.getElementById(UTF8ToString(id)).selectedIndex = index;
});

EM_JS(void, velmora_dom_focus, (const char* id), {
    document.getElementById(UTF8ToString(id)).focus({preventScroll: true});
});

// The page's address without its query and fragment, which a link leaves
// out: a query may hold what was meant for this visit alone (?token=…).
EM_JS(int, velmora_dom_address_length, (), {
    return location.href.split(/[?#]/)[0].length;
});

EM_JS(void, velmora_dom_copy_address, (char16_t* out, int length), {
    const text = location.href.split(/[?#]/)[0];
    for (let i = 0; i < length; ++i) HEAPU16[(out >> 1) + i] = text.charCodeAt(i);
});

// The fragment's length, or -1 where it is longer than `longest`: refused
// here, so that it is never copied into the heap.
EM_JS(int, velmora_dom_fragment_length, (int longest), {
    const length = location.hash.slice(1).length;
    return length > longest ? -1 : length;
});

EM_JS(void, velmora_dom_copy_fragment, (char16_t* out, int length), {
    const text = location.hash.slice(1);
    for (let i = 0; i < length; ++i) HEAPU16[(out >> 1) + i] = text.charCodeAt(i);
});

// The working's module, which main.js loads once the page computes, writes
// the working of the calculation; pair -1 forgets one not yet written.
EM_JS(void, velmora_dom_show_working, (int pair, const char16_t* first, int firstLength,
                                       const char16_t* second, int secondLength, double x,
                                       double y), {
    const text = (at, length) => new TextDecoder("utf-16le").decode(HEAPU8.subarray(at, at + 2 * length));
    Module["working"](pair, text(first, firstLength), text(second, secondLength), x, y);
});

EM_JS(void, velmora_dom_set_fragment, (const char* fragment), {
    Module["address"].set(UTF8ToString(fragment));
});

// What the browser can do with a link: hand it to the system's sharing, where
// there is one and a touch screen (a desktop's often does nothing), or else
// copy it to the clipboard.
EM_JS(int, velmora_dom_link_action, (), {
    return navigator.share && matchMedia("(pointer: coarse)").matches ? 1 : navigator.clipboard ? 2 : 0;
});

EM_JS(void, velmora_dom_on_click, (const char* id, int index), {
    const button = document.getElementById(UTF8ToString(id));
    button.addEventListener("click", () => _velmora_command(index));
    // A held Enter clicks once, as on the desktop.
    button.addEventListener("keydown", event => {
        if (event.key === "Enter" && event.repeat) event.preventDefault();
    });
});

EM_JS(void, velmora_dom_on_selection_change, (const char* id), {
    document.getElementById(UTF8ToString(id)).addEventListener("change", () => _velmora_pair_changed());
});
// clang-format on

}  // namespace

namespace velmora::web::dom {

std::u16string Value(const std::string& id) {
    std::u16string text(static_cast<std::size_t>(velmora_dom_value_length(id.c_str())), u'\0');
    velmora_dom_copy_value(id.c_str(), text.data(), static_cast<int>(text.size()));
    return text;
}

void SetValue(const std::string& id, const std::u16string& text) {
    velmora_dom_set_value(id.c_str(), text.data(), static_cast<int>(text.size()));
}

void SetReadOnly(const std::string& id, bool readOnly) {
    velmora_dom_set_property(id.c_str(), "readOnly", readOnly);
}

void SetChecked(const std::string& id, bool checked) {
    velmora_dom_set_property(id.c_str(), "checked", checked);
}

int SelectedIndex(const std::string& id) {
    return velmora_dom_selected_index(id.c_str());
}

void Select(const std::string& id, int index) {
    velmora_dom_select(id.c_str(), index);
}

void Focus(const std::string& id) {
    velmora_dom_focus(id.c_str());
}

std::u16string PageAddress() {
    std::u16string text(static_cast<std::size_t>(velmora_dom_address_length()), u'\0');
    velmora_dom_copy_address(text.data(), static_cast<int>(text.size()));
    return text;
}

std::optional<std::u16string> Fragment(std::size_t longest) {
    const int length = velmora_dom_fragment_length(static_cast<int>(longest));
    if (length < 0) return std::nullopt;
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    velmora_dom_copy_fragment(text.data(), length);
    return text;
}

void ShowWorking(InputPair pair, const std::u16string& first, const std::u16string& second,
                 double x, double y) {
    velmora_dom_show_working(pair, first.data(), static_cast<int>(first.size()), second.data(),
                             static_cast<int>(second.size()), x, y);
}

void SetFragment(const std::string& fragment) {
    velmora_dom_set_fragment(fragment.c_str());
}

LinkAction LinkActionHere() {
    return static_cast<LinkAction>(velmora_dom_link_action());
}

void OnClick(const std::string& id, int index) {
    velmora_dom_on_click(id.c_str(), index);
}

void OnSelectionChange(const std::string& id) {
    velmora_dom_on_selection_change(id.c_str());
}

}  // namespace velmora::web::dom
