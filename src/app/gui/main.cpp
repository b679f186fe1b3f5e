// quelvo-gui: the translator in a desktop window.
#include <QApplication>
#include <QCommandLineParser>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdio>

#include "main_window.h"

namespace {

struct Options {
    std::filesystem::path dataDir;
    QString screenshot;  // where to save a picture of the window, then end
    QString text;        // a sentence to translate at start-up
};

Options ParseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Translates Spanish sentences into Swedish in a window."));
    parser.addHelpOption();
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("Directory of the seven dictionary files."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window to FILE once TEXT is "
                                                       "translated, then end."),
                                        QStringLiteral("FILE"));
    parser.addOption(data);
    parser.addOption(screenshot);
    parser.addPositionalArgument(QStringLiteral("text"), QStringLiteral("A Spanish sentence to translate at start."));
    parser.process(app);

    Options options;
    options.dataDir = parser.isSet(data) ? std::filesystem::path(parser.value(data).toStdString())
                                         : quelvo::DefaultDataDir(QApplication::applicationFilePath().toStdString());
    options.screenshot = parser.value(screenshot);
    options.text = parser.positionalArguments().join(QLatin1Char(' '));
    return options;
}

void TranslateAtStart(quelvo::gui::MainWindow& window, const QString& text) {
    window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(text);
    window.Translate();
}

// Saves the window as it is drawn and ends the program; this runs even while
// a message box waits, so a refused sentence cannot hold the program up.
void SaveScreenshot(quelvo::gui::MainWindow& window, const QString& file) {
    const bool saved = window.grab().save(file);
    if (!saved) std::fprintf(stderr, "quelvo-gui: cannot write %s\n", qPrintable(file));
    QApplication::exit(saved ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quelvo::gui::NameApplication();
    const Options options = ParseOptions(app);

    quelvo::gui::MainWindow window(options.dataDir);
    window.show();
    if (!options.text.isEmpty()) QTimer::singleShot(0, &window, [&] { TranslateAtStart(window, options.text); });
    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(200, &window, [&] { SaveScreenshot(window, options.screenshot); });
    }
    return QApplication::exec();
}
