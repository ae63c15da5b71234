#include "app/picture_box.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

#include <array>

namespace velluno {

namespace {

// Format names as Qt's image reader reports them.
constexpr std::array<const char*, 5> kWebFormats{"png", "jpeg", "jpg", "gif", "webp"};

bool is_web_format(const QByteArray& format) {
    for (const char* name : kWebFormats) {
        if (format == name) {
            return true;
        }
    }
    return false;
}

bool fits_bound(const QSize& size) {
    return size.isValid() && size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide;
}

QImage decode_picture(const Bytes& bytes) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!is_web_format(reader.format()) || !fits_bound(reader.size())) {
        return {};
    }
    return reader.read();
}

} // namespace

void show_picture(QLabel* box, const Bytes& bytes) {
    const QImage picture = bytes.empty() ? QImage() : decode_picture(bytes);
    if (picture.isNull()) {
        box->clear();
        return;
    }
    box->setScaledContents(true);
    box->setPixmap(QPixmap::fromImage(picture));
}

} // namespace velluno
