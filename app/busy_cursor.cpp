#include "app/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace velluno {

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace velluno
