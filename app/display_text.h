#pragma once

#include "text/text_types.h"

#include <QString>

namespace velluno {

// The one way a Text reaches the screen: read as GB18030, so characters
// outside GBK (kept in their four-byte form) survive.
QString display_text(const Text& text);

// What the user typed, as local text.
Text text_from_display(const QString& text);

} // namespace velluno
