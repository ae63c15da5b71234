#pragma once

#include "tools/demo-service/media_addresses.h"

#include <string>
#include <string_view>

namespace velluno::demo {

// Pictures drawn for the sample data, encoded in `format`; empty when encoding
// fails. Each id gets its own colours, so no two singers or songs look alike.

// A head-and-shoulders silhouette on a colour of the singer's own.
std::string avatar_picture(std::string_view uid, PictureFormat format);

// A record on a two-colour background, its label showing the song's number.
std::string cover_picture(std::string_view shareid, int number, PictureFormat format);

} // namespace velluno::demo
