#pragma once

#include "text/text_types.h"

#include <QString>
#include <QUrl>

#include <optional>
#include <string_view>

namespace velluno {

class InfoWindow;

// The recording's address in a song-detail answer, raw as the answer writes it.
Text play_address(std::string_view song_json);

// The address as a web browser reads it, backslashes as slashes (so the
// answer's "http:\/\/" escapes read as "http://"), when it is an http or https
// address with a host. Anything else (empty text, a local path, "file:",
// "javascript:") is never handed to the player or to another program.
std::optional<QUrl> web_address(const QString& address);

// 按钮1: starts the song's recording afresh in the info window's hidden player.
void play_in_window(InfoWindow& window, std::string_view song_json);

// 按钮2: hands the song's recording to the user's default program for web addresses.
void play_in_browser(std::string_view song_json);

} // namespace velluno
