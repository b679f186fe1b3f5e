#include "help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "window_look.h"

namespace quelvo::gui {

const QUrl HelpWindow::kFirstPage(QStringLiteral("qrc:/help/index.html"));

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(Qs(kAppTitle) + Qs(u" \u2013 hj\u00E4lp"));
    resize(620, 460);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));

    auto* contents = new QPushButton(Qs(u"Inneh\u00E5ll"), this);
    contents->setObjectName(QStringLiteral("HelpContents"));
    auto* back = new QPushButton(Qs(u"Tillbaka"), this);
    back->setObjectName(QStringLiteral("HelpBack"));
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpWindow::OpenAtFirstPage() {
    browser_->setSource(kFirstPage);
    browser_->clearHistory();
    show();
    raise();
    activateWindow();
}

}  // namespace quelvo::gui
