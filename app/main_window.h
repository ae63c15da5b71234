#pragma once

#include "app/main_window_layout.h"
#include "net/service_hosts.h"
#include "text/text_types.h"

#include <QWidget>

namespace velluno {

class SongFeatures;

// The window that opens at start: the homepage query, the profile card, the
// song list and the play-count buttons. Its handlers run to their end on the
// user-interface thread, waiting on the network where they must.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(const ServiceHosts& hosts, QWidget* parent = nullptr);

signals:
    // The user closed the window: the program ends, the info window with it.
    void closed();

protected:
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void run_homepage_query();
    void open_clicked_song();
    void load_next_page();
    Text typed_uid() const;

    ServiceHosts m_hosts;
    MainWindowControls m_controls;
    SongFeatures* m_song_features;
    // The unwrapped answer of the last query.
    Text m_profile_json;
    // The last page requested; the query's own page counts as 1 once paging starts.
    int m_page_counter = 0;
};

} // namespace velluno
