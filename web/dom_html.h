// The one thing both of the page's modules write into its document: markup.
#pragma once

#include <string>
#include <string_view>

namespace velmora::web::dom {

// Replaces the element's content with the markup, UTF-8 (ours, escaped).
void SetHtml(std::string_view id, const std::string& markup);

}  // namespace velmora::web::dom
