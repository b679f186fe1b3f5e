#pragma once
// The help pages, shown in a window of their own beside the main window.
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace quelvo::gui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static const QUrl kFirstPage;

    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window at the first page, whatever page was read last.
    void OpenAtFirstPage();

private:
    QTextBrowser* browser_;
};

}  // namespace quelvo::gui
