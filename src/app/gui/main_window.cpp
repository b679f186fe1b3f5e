#include "main_window.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>
#include <QtConcurrent/QtConcurrentRun>

#include "help_window.h"
#include "message_box.h"

namespace quelvo::gui {
namespace {

QIcon IconOf(const QStyle& style, Command command) {
    switch (command) {
        case Command::New: return style.standardIcon(QStyle::SP_FileIcon);
        case Command::Translate: return style.standardIcon(QStyle::SP_ArrowRight);
        case Command::Help: return style.standardIcon(QStyle::SP_DialogHelpButton);
        case Command::Exit: return style.standardIcon(QStyle::SP_DialogCloseButton);
        case Command::None: break;
    }
    return {};
}

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QPushButton* MakeToolButton(const ToolButtonRow& row, QWidget* parent) {
    auto* button = new QPushButton(Qs(row.caption), parent);
    button->setObjectName(Utf8(row.name));
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setIcon(IconOf(*button->style(), row.command));
    QFont font = FontOf(Face::ComicSansMs, 8);
    font.setBold(true);
    font.setItalic(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, kButtonTextColour);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledButtonTextColour);
    button->setPalette(palette);
    button->setEnabled(row.enabled);
    return button;
}

}  // namespace

MainWindow::MainWindow(const std::filesystem::path& dataDir, QWidget* parent)
    : QMainWindow(parent), engine_(Translator::Open(dataDir)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(Qs(kMainCaption));
    setFont(FontOf(Face::MsSansSerif, 8));
    BuildMenus();
    BuildToolBar();
    BuildPanes();
    statusBar()->setSizeGripEnabled(false);
    ShowDataWarnings();
    connect(&running_, &QFutureWatcher<Translation>::finished, this, &MainWindow::ShowTranslation);
    resize(kMainWidth, kMainHeight);
    CentreOnScreen(*this);
}

void MainWindow::BuildMenus() {
    QMenu* menu = nullptr;
    for (const MenuItemRow& row : kMenuItems) {
        if (menu == nullptr || menu->title() != Qs(row.menu)) {
            menu = menuBar()->addMenu(Qs(row.menu));
            menu->menuAction()->setEnabled(false);
        }
        QAction* item = menu->addAction(Qs(row.item));
        item->setObjectName(Utf8(row.name));
    }
    longSentWarning_ = menuBar()->findChild<QAction*>(QStringLiteral("LongSentWarning"));
    longSentWarning_->setCheckable(true);
}

void MainWindow::BuildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFixedHeight(kToolBarHeight);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->toggleViewAction()->setVisible(false);
    // One row of buttons without gaps, so that all seven fit the window's width.
    auto* row = new QWidget(bar);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const ToolButtonRow& button : kToolButtons) {
        QPushButton* made = MakeToolButton(button, row);
        layout->addWidget(made);
        if (button.command != Command::None) {
            connect(made, &QPushButton::clicked, this, [this, command = button.command] { Run(command); });
        }
    }
    bar->addWidget(row);
    addToolBar(Qt::TopToolBarArea, bar);
}

void MainWindow::BuildPanes() {
    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette formPalette = client->palette();
    formPalette.setColor(QPalette::Window, kFormColour);
    client->setPalette(formPalette);
    client->setContextMenuPolicy(Qt::ActionsContextMenu);
    client->addAction(new QAction(Qs(kPopupItem), client));

    for (const PaneRow& row : kPanes) {
        auto* pane = new QPlainTextEdit(client);
        pane->setObjectName(Utf8(row.name));
        // The panes are placed in the client area below the tool bar.
        pane->setGeometry(row.geometry.translated(0, -kToolBarHeight));
        pane->setFont(FontOf(row.face, row.pointSize));
        pane->setReadOnly(row.readOnly);
        pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QPalette palette = pane->palette();
        palette.setColor(QPalette::Base, kPaneColour);
        pane->setPalette(palette);
        (row.readOnly ? output_ : input_) = pane;
    }
    setCentralWidget(client);
}

void MainWindow::Run(Command command) {
    switch (command) {
        case Command::New: New(); break;
        case Command::Translate: Translate(); break;
        case Command::Help: Help(); break;
        case Command::Exit: Exit(); break;
        case Command::None: break;
    }
}

void MainWindow::New() {
    waiting_.clear();
    discardRunning_ = busy_;
    input_->clear();
    input_->setFocus();
    output_->clear();
    outputLines_ = 0;
    statusBar()->clearMessage();
}

void MainWindow::Translate() {
    if (!std::holds_alternative<Translator>(engine_)) {
        ShowDataError();
        emit TranslationDone();
        return;
    }
    waiting_.push_back(input_->toPlainText().toStdString());
    if (!busy_) StartNextTranslation();
}

void MainWindow::StartNextTranslation() {
    busy_ = !waiting_.empty();
    if (!busy_) return;
    // The worker holds its own handle on the shared dictionaries and its own
    // copy of the text, so the window may change or close meanwhile.
    running_.setFuture(QtConcurrent::run([translator = std::get<Translator>(engine_), text = std::move(waiting_.front())] {
        return translator.Translate(text);
    }));
    waiting_.pop_front();
}

void MainWindow::ShowTranslation() {
    const Translation result = running_.result();
    if (discardRunning_) {
        discardRunning_ = false;
    } else {
        ShowReplacedCharacters(result.replacedCharacters);
        // A refused text stays in the input pane, so that the user can correct it.
        if (result.rejection != Rejection::None) {
            ShowMessage(this, Utf8(MessageOf(result.rejection)));
        } else {
            AppendOutputLine(QString::fromStdString(result.text));
        }
        emit TranslationDone();
    }
    StartNextTranslation();
}

void MainWindow::Help() {
    if (help_ == nullptr) help_ = new HelpWindow(this);
    help_->OpenAtFirstPage();
}

void MainWindow::Exit() { close(); }

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) longSentWarning_->setChecked(true);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownBefore_) return;
    shownBefore_ = true;
    if (std::holds_alternative<DataError>(engine_)) QTimer::singleShot(0, this, &MainWindow::ShowDataError);
}

void MainWindow::ShowDataError() {
    const DataError& error = std::get<DataError>(engine_);
    ShowMessage(this, Qs(u"Ordb\u00F6ckerna kunde inte l\u00E4sas:\n") + QString::fromStdString(error.Describe()));
}

// Kept apart from the passing messages of the translations, so that it stays.
void MainWindow::ShowDataWarnings() {
    const auto* translator = std::get_if<Translator>(&engine_);
    if (translator == nullptr || translator->Warnings().empty()) return;
    QStringList said;
    for (const DataError& warning : translator->Warnings()) said << QString::fromStdString(warning.Describe());
    auto* label = new QLabel(Qs(u"Varning: ") + said.join(QStringLiteral("; ")), statusBar());
    label->setObjectName(QStringLiteral("DataWarning"));
    label->setToolTip(said.join(QLatin1Char('\n')));
    statusBar()->addPermanentWidget(label, 1);
}

// Every translation is a line of its own, an empty one too.
void MainWindow::AppendOutputLine(const QString& line) {
    QTextCursor cursor(output_->document());
    cursor.movePosition(QTextCursor::End);
    if (outputLines_ > 0) cursor.insertBlock();
    cursor.insertText(line);
    ++outputLines_;
    output_->setTextCursor(cursor);
    output_->ensureCursorVisible();
}

void MainWindow::ShowReplacedCharacters(bool replaced) {
    if (replaced) {
        statusBar()->showMessage(Qs(u"N\u00E5gra tecken kan inte \u00F6vers\u00E4ttas och har ersatts med \u201D_\u201D."));
    } else {
        statusBar()->clearMessage();
    }
}

}  // namespace quelvo::gui
