#pragma once
// The main window: the Spanish sentence goes into the upper pane, its
// Swedish translation is appended to the lower one. Translations run on a
// worker thread, one at a time in the order asked for, so that the window
// stays responsive however long one takes.
#include <QFutureWatcher>
#include <QMainWindow>

#include <deque>
#include <filesystem>
#include <string>
#include <variant>

#include "quelvo/translator.h"
#include "window_look.h"

class QAction;
class QPlainTextEdit;

namespace quelvo::gui {

class HelpWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Loads the dictionaries of `dataDir`; a data error is reported once the
    // window shows, and again on every Translate; what the dictionaries
    // loaded with but should not have stays in the status bar.
    explicit MainWindow(const std::filesystem::path& dataDir, QWidget* parent = nullptr);

signals:
    // A Translate has been answered: its line appended, or its refusal or
    // the data error shown.
    void TranslationDone();

public slots:
    void New();
    void Translate();
    void Help();
    void Exit();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildPanes();
    void Run(Command command);
    void StartNextTranslation();
    void ShowTranslation();
    void ShowDataError();
    void ShowDataWarnings();
    void AppendOutputLine(const QString& line);
    void ShowReplacedCharacters(bool replaced);

    std::variant<Translator, DataError> engine_;
    QPlainTextEdit* input_ = nullptr;   // Memo1
    QPlainTextEdit* output_ = nullptr;  // Memo3
    QAction* longSentWarning_ = nullptr;
    QFutureWatcher<Translation> running_;
    std::deque<std::string> waiting_;  // UTF-8 texts of Translate presses not yet started
    bool busy_ = false;
    bool discardRunning_ = false;      // New was pressed while a translation ran
    HelpWindow* help_ = nullptr;
    int outputLines_ = 0;
    bool shownBefore_ = false;
};

}  // namespace quelvo::gui
