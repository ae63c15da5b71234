#include "app/song_features.h"

#include <QWidget>

namespace velluno {

SongFeatures::SongFeatures(const ServiceHosts& hosts, QWidget* main_window)
    : QObject(main_window), m_hosts(hosts), m_main_window(main_window) {}

void SongFeatures::open_song() {}

void SongFeatures::follow_main_window() {}

} // namespace velluno
