#pragma once
// The main window: the Spanish sentence goes into the upper pane, its
// Swedish translation is appended to the lower one.
#include <QMainWindow>

#include <filesystem>
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
    // window shows, and again on every Translate.
    explicit MainWindow(const std::filesystem::path& dataDir, QWidget* parent = nullptr);

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
    void ShowDataError();
    void AppendOutputLine(const QString& line);
    void ShowReplacedCharacters(bool replaced);

    std::variant<Translator, DataError> engine_;
    QPlainTextEdit* input_ = nullptr;   // Memo1
    QPlainTextEdit* output_ = nullptr;  // Memo3
    QAction* longSentWarning_ = nullptr;
    HelpWindow* help_ = nullptr;
    int outputLines_ = 0;
    bool shownBefore_ = false;
};

}  // namespace quelvo::gui
