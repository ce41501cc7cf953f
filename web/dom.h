// The few things the page's core asks of the browser's document, each a
// small JavaScript import: read and write a control's text, its flags, the
// list's selection, and hear the clicks and the changes of selection.
// Controls are named by their element's id; texts are UTF-16, as JavaScript's.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "dom_html.h"
#include "link_html.h"
#include "quantities.h"

namespace velmora::web::dom {

std::u16string Value(const std::string& id);
void SetValue(const std::string& id, const std::u16string& text);
void SetReadOnly(const std::string& id, bool readOnly);
void SetChecked(const std::string& id, bool checked);
int SelectedIndex(const std::string& id);  // -1: none
void Select(const std::string& id, int index);
void Focus(const std::string& id);

// The page's address without its query and fragment.
std::u16string PageAddress();
// Its fragment without the "#", where it is `longest` characters or fewer: a
// longer one is refused before it is copied.
std::optional<std::u16string> Fragment(std::size_t longest);
// Puts the fragment in the address in place of the one there (none where
// empty), without a new entry in the history: Back does not step through
// calculations. main.js writes it, at most once in a while (browsers refuse
// more), so that the address may follow a moment later: `address` there.
void SetFragment(const std::string& fragment);
// The working of a calculation from its pair, the two given boxes' texts and
// their values as read (x the first's, y the second's), written below the
// window by the working's own module as soon as it is there; pair -1 forgets
// a working not yet written.
void ShowWorking(InputPair pair, const std::u16string& first, const std::u16string& second,
                 double x = 0, double y = 0);
// What the browser can do with a link besides showing it.
LinkAction LinkActionHere();

// A click (by mouse, touch, Space, or Enter once per press) calls
// velmora_command(index); a change of the list's selection by the user
// calls velmora_pair_changed().
void OnClick(const std::string& id, int index);
void OnSelectionChange(const std::string& id);

}  // namespace velmora::web::dom
