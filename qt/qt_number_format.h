// The regional number settings as Qt knows them.
#pragma once

#include <QLocale>

#include "number_format.h"

namespace velmora {

// The settings of a locale, as QLocale writes its numbers: separators, signs,
// digits and the way it groups them. Leading zero and negative style, which a
// QLocale does not carry, keep their defaults.
NumberFormat NumberFormatOf(const QLocale& locale);

// The user's regional settings: those of QLocale::system().
NumberFormat SystemNumberFormat();

}  // namespace velmora
