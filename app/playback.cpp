#include "app/playback.h"

#include "app/display_text.h"
#include "app/info_window.h"
#include "text/text_between.h"

#include <QDesktopServices>
#include <QMediaPlayer>

namespace velluno {

namespace {

constexpr std::string_view kPlayAddressStart = "\"playurl\":\"";
constexpr std::string_view kPlayAddressEnd = "\",";

constexpr auto kWebSchemes = {"http", "https"};

// JSON writes "/" as "\/"; a browser reads every other backslash as a slash.
QString with_slashes(QString address) {
    return address.replace(QStringLiteral("\\/"), QStringLiteral("/"))
        .replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool is_web_scheme(const QString& scheme) {
    for (const char* web_scheme : kWebSchemes) {
        if (scheme.compare(QLatin1String(web_scheme), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<QUrl> song_web_address(std::string_view song_json) {
    return web_address(display_text(play_address(song_json)));
}

} // namespace

Text play_address(std::string_view song_json) {
    return text_between(song_json, kPlayAddressStart, kPlayAddressEnd);
}

std::optional<QUrl> web_address(const QString& address) {
    const QUrl url(with_slashes(address.trimmed()));
    if (!url.isValid() || !is_web_scheme(url.scheme()) || url.host().isEmpty()) {
        return std::nullopt;
    }
    return url;
}

void play_in_window(InfoWindow& window, std::string_view song_json) {
    const std::optional<QUrl> address = song_web_address(song_json);
    if (!address) {
        return;
    }
    QMediaPlayer* player = window.player();
    // Clearing the source first makes a click on the same address fetch the
    // recording again instead of only rewinding it.
    player->setSource(QUrl());
    player->setSource(*address);
    player->play();
}

void play_in_browser(std::string_view song_json) {
    if (const std::optional<QUrl> address = song_web_address(song_json)) {
        QDesktopServices::openUrl(*address);
    }
}

} // namespace velluno
