// Runs every window test class in one application object.
#include <QApplication>

#include "gui_test_support.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quelvo::gui::NameApplication();
    int failures = quelvo::gui::testing::RunMainWindowTests(argc, argv);
    failures += quelvo::gui::testing::RunHelpWindowTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
