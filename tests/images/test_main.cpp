// The image tests need a GUI application (fonts, image plugins, URL handlers); the cache folder
// is that of the program's own names, below the test's XDG_CACHE_HOME.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Orvendel");
    QCoreApplication::setApplicationName("Quintrick");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
