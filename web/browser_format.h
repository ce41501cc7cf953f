// The number format of the browser's language, as main.js reads it from Intl:
// what both of the page's modules read and write their numbers in.
#pragma once

#include "number_format.h"

namespace velmora::web {

// Asked of main.js anew at each call, so that it follows a change of language.
NumberFormat BrowserNumberFormat();

}  // namespace velmora::web
