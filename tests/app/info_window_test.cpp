#include <QtTest>

class InfoWindowTest final : public QObject {
    Q_OBJECT
};

QTEST_MAIN(InfoWindowTest)
#include "info_window_test.moc"
