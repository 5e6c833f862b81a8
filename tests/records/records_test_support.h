// What the records tests share: the application object Qt SQL needs and a private folder.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace quintrick::test {

// Qt SQL loads its driver through the application object.
inline void EnsureApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "records_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt SQL's own clean-up at exit must not run after its data is gone.
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    (void)app;
}

}  // namespace quintrick::test
