#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need a QApplication; the support library's main makes only a
// QCoreApplication, and the linker takes this main instead of that one.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
