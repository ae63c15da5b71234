#include "app/display_text.h"

#include "text/charset.h"

namespace velluno {

QString display_text(const Text& text) {
    return QString::fromUtf8(local_to_utf8(text));
}

Text text_from_display(const QString& text) {
    return utf8_to_local(text.toUtf8().toStdString());
}

} // namespace velluno
