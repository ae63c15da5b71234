#include "tools/demo-service/pictures.h"

#include "tools/demo-service/stable_hash.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cstdint>

namespace velluno::demo {

namespace {

constexpr int kAvatarSize = 160;
constexpr int kCoverSize = 240;
constexpr int kJpegQuality = 85;
constexpr int kHueCount = 360;
constexpr int kGrooveCount = 6;

// Digits 0-9 as 3 × 5 cells, read row by row from the top, high bit first.
// Drawn as squares, so the service needs no fonts and no running application.
constexpr int kGlyphColumns = 3;
constexpr int kGlyphRows = 5;
constexpr std::array<std::uint16_t, 10> kDigitGlyphs = {
    0b111'101'101'101'111, 0b010'110'010'010'111, 0b111'001'111'100'111, 0b111'001'111'001'111,
    0b101'101'111'001'001, 0b111'100'111'001'111, 0b111'100'111'101'111, 0b111'001'001'001'001,
    0b111'101'111'101'111, 0b111'101'111'001'111,
};

QColor colour_for(std::uint64_t hash, int saturation, int value) {
    return QColor::fromHsv(static_cast<int>(hash % kHueCount), saturation, value);
}

std::string encoded(const QImage& image, PictureFormat format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool saved = format == PictureFormat::png ? image.save(&buffer, "PNG")
                                                    : image.save(&buffer, "JPG", kJpegQuality);
    return saved ? bytes.toStdString() : std::string();
}

void draw_digit(QPainter& painter, QPoint top_left, int cell, int digit) {
    const std::uint16_t glyph = kDigitGlyphs[digit];
    for (int row = 0; row < kGlyphRows; ++row) {
        for (int column = 0; column < kGlyphColumns; ++column) {
            const int bit = (kGlyphRows - row) * kGlyphColumns - column - 1;
            if ((glyph >> bit) & 1) {
                painter.drawRect(top_left.x() + column * cell, top_left.y() + row * cell, cell,
                                 cell);
            }
        }
    }
}

// `number` in cells of `cell` pixels, centred on `centre`.
void draw_number(QPainter& painter, QPoint centre, int cell, int number) {
    const std::string digits = std::to_string(number);
    const int digit_width = (kGlyphColumns + 1) * cell;
    const int width = static_cast<int>(digits.size()) * digit_width - cell;
    QPoint top_left(centre.x() - width / 2, centre.y() - kGlyphRows * cell / 2);
    for (const char digit : digits) {
        draw_digit(painter, top_left, cell, digit - '0');
        top_left.rx() += digit_width;
    }
}

void draw_record(QPainter& painter, std::uint64_t hash, int number) {
    const QPoint centre(kCoverSize / 2, kCoverSize / 2);
    const int radius = kCoverSize * 2 / 5;
    painter.setBrush(QColor(24, 24, 28));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 60, 66), 1));
    for (int i = 1; i <= kGrooveCount; ++i) {
        const int groove = radius - i * radius / (kGrooveCount + 3);
        painter.drawEllipse(centre, groove, groove);
    }
    painter.setPen(Qt::NoPen);
    const int label = radius * 2 / 5;
    painter.setBrush(colour_for(hash >> 32, 110, 250));
    painter.drawEllipse(centre, label, label);
    painter.setBrush(QColor(24, 24, 28));
    draw_number(painter, centre, label / 6, number);
}

} // namespace

std::string avatar_picture(std::string_view uid, PictureFormat format) {
    const std::uint64_t hash = stable_hash(uid);
    QImage image(kAvatarSize, kAvatarSize, QImage::Format_RGB32);
    image.fill(colour_for(hash, 150, 210));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_for(hash, 40, 250));
    painter.drawEllipse(QPoint(kAvatarSize / 2, kAvatarSize * 2 / 5), kAvatarSize / 5,
                        kAvatarSize / 5);
    painter.drawEllipse(
        QRect(kAvatarSize / 5, kAvatarSize * 2 / 3, kAvatarSize * 3 / 5, kAvatarSize * 2 / 3));
    painter.end();
    return encoded(image, format);
}

std::string cover_picture(std::string_view shareid, int number, PictureFormat format) {
    const std::uint64_t hash = stable_hash(shareid);
    QImage image(kCoverSize, kCoverSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, kCoverSize, kCoverSize);
    background.setColorAt(0, colour_for(hash, 170, 230));
    background.setColorAt(1, colour_for(hash >> 16, 200, 120));
    painter.fillRect(image.rect(), background);
    painter.setPen(Qt::NoPen);
    draw_record(painter, hash, number);
    painter.end();
    return encoded(image, format);
}

} // namespace velluno::demo
