#pragma once

#include <QLabel>

namespace velluno {

// The profile card 标签2: its text keeps the card's CR LF pairs exactly and is
// drawn one line per line break. Seven values with empty lines between them
// must fit the card's fixed height whatever the font's line spacing, so the
// lines are drawn closer together when they would not fit; a line too long
// for the card is cut short with an ellipsis.
class ProfileCardLabel final : public QLabel {
    Q_OBJECT

public:
    explicit ProfileCardLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velluno
