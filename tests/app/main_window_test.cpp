#include <QtTest>

class MainWindowTest final : public QObject {
    Q_OBJECT
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
