// The main of the Qt tests: one application object with the program's own names, so the profile
// and the cache folder are the program's, below the test's own HOME (the tests run on the
// offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Orvendel");
    QCoreApplication::setApplicationName("Quintrick");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
