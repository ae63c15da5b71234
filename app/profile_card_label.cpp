#include "app/profile_card_label.h"

#include <QPainter>

#include <algorithm>

namespace velluno {

ProfileCardLabel::ProfileCardLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void ProfileCardLabel::paintEvent(QPaintEvent* /*event*/) {
    const QStringList lines = text().split(u'\n');
    const QFontMetrics metrics = fontMetrics();
    const int pitch =
        std::max(1, std::min(metrics.height(), height() / static_cast<int>(lines.size())));
    QPainter painter(this);
    int top = 0;
    for (QString line : lines) {
        line.remove(u'\r');
        const QRect band(0, top, width(), pitch);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         metrics.elidedText(line, Qt::ElideRight, width()));
        top += pitch;
    }
}

} // namespace velluno
