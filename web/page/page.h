// The page's own files, made from the shared design at build time: the HTML
// with every control, the stylesheet that places and colours them, and the
// web app manifest. Nothing of the design is written in the web folder.
#pragma once

#include <string>

namespace velmora::web {

std::string IndexHtml();
// Where each control stands and its colours; the kinds' looks are in controls.css.
std::string DesignStylesheet();
std::string WebAppManifest();

}  // namespace velmora::web
