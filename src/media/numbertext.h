#pragma once
#include <QString>

namespace flumo {

// Decimal text of value, left-padded with "0" to width (1..10). A text that
// is already as long as width, or longer, is returned unchanged.
QString NumberToText(long long value, int width);

} // namespace flumo
