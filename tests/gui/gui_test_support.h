#pragma once
// Helpers for driving the windows in tests: the shipped dictionaries, widgets
// by their object names, and message boxes that close themselves.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <string_view>

#include "main_window.h"

namespace quelvo::gui::testing {

inline std::filesystem::path ShippedData() { return QUELVO_BUILD_DATA; }

inline QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QPlainTextEdit* Pane(const MainWindow& window, const char* name) {
    return window.findChild<QPlainTextEdit*>(QString::fromLatin1(name));
}

inline void Press(const MainWindow& window, const char* buttonName) {
    QTest::mouseClick(window.findChild<QAbstractButton*>(QString::fromLatin1(buttonName)), Qt::LeftButton);
}

// Watches for message boxes while it lives, notes what each one said and
// presses its OK button, so that no test waits for a person.
class MessageBoxCatcher {
public:
    MessageBoxCatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Catch(); });
        timer_.start(5);
    }

    QStringList texts;
    QStringList titles;
    QList<int> buttonCounts;

private:
    void Catch() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        texts << box->text();
        titles << box->windowTitle();
        buttonCounts << static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click() : box->reject();
    }

    QTimer timer_;
};

int RunMainWindowTests(int argc, char** argv);
int RunHelpWindowTests(int argc, char** argv);

}  // namespace quelvo::gui::testing
