#pragma once

#include "text/text_types.h"

class QLabel;

namespace velluno {

// Puts the picture encoded in `bytes` into a picture box, stretched to the box.
// Only the formats the web serves pictures in are read (PNG, JPEG, GIF, WebP),
// and a picture wider or taller than kMaxPictureSide is refused before any
// pixel is decoded. Bytes that are refused or do not decode leave the box
// without a picture.
void show_picture(QLabel* box, const Bytes& bytes);

// Avatars and covers are a few hundred pixels; 4096 × 4096 in 32-bit colour is
// 64 MiB, half of what Qt's image reader will allocate at most.
inline constexpr int kMaxPictureSide = 4096;

} // namespace velluno
