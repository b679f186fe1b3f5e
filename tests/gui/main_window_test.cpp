// The main window driven as a user drives it: typing, pressing the tool-bar
// buttons, reading the panes and the message boxes.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>

#include <array>
#include <fstream>
#include <sstream>

#include "gui_test_support.h"
#include "quelvo/translator.h"

Q_DECLARE_METATYPE(quelvo::Rejection)

namespace quelvo::gui::testing {
namespace {

constexpr std::array<const char*, 7> kDataFiles = {"SpOrd.txt",    "SvFile.txt",  "SbAdj.txt",   "FrasText.txt",
                                                   "Spvb.dat",     "SvVerb1.pek", "OregSubs.pek"};

QString ExpectedTranslation(const QString& text) {
    auto opened = Translator::Open(ShippedData());
    const auto* translator = std::get_if<Translator>(&opened);
    if (translator == nullptr) return QStringLiteral("<the shipped dictionaries do not load>");
    return QString::fromStdString(translator->Translate(text.toStdString()).text);
}

QString Words(int count) {
    QStringList words;
    for (int i = 0; i < count; ++i) words << QStringLiteral("uno");
    return words.join(QLatin1Char(' '));
}

// Types the text key by key; letters without a key of their own come as
// the text of a key press, as a keyboard layout or an input method sends them.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Presses "Översätt" and waits until the translation is answered.
void TranslateAndWait(MainWindow& window) {
    QSignalSpy done(&window, &MainWindow::TranslationDone);
    Press(window, "BitBtn2");
    QTRY_COMPARE(done.count(), 1);
}

// Types the text into the input pane and presses "Översätt".
void TypeAndTranslate(MainWindow& window, const QString& text) {
    QPlainTextEdit* input = Pane(window, "Memo1");
    input->clear();
    Type(input, text);
    TranslateAndWait(window);
}

// The shipped dictionaries copied to `dir`, `file` changed by `damage`.
template <typename Damage>
bool DamagedShippedData(const QTemporaryDir& dir, const char* file, Damage damage) {
    const std::filesystem::path data = dir.path().toStdString();
    for (const char* name : kDataFiles) {
        if (!std::filesystem::exists(ShippedData() / name)) return false;
        std::filesystem::copy_file(ShippedData() / name, data / name);
    }
    std::ostringstream bytes;
    bytes << std::ifstream(data / file, std::ios::binary).rdbuf();
    std::ofstream(data / file, std::ios::binary | std::ios::trunc) << damage(bytes.str());
    return true;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void TranslationIsAppendedAsOneLine_data() {
        QTest::addColumn<QString>("sentence");
        QTest::newRow("with_stop") << QStringLiteral("El perro come la carne.");
        QTest::newRow("without_stop") << QStringLiteral("Tengo un perro");
        QTest::newRow("question") << QStringLiteral("¿Qué hora es?");
    }

    void TranslationIsAppendedAsOneLine() {
        QFETCH(QString, sentence);
        MainWindow window(ShippedData());
        MessageBoxCatcher boxes;
        TypeAndTranslate(window, sentence);
        QCOMPARE(boxes.texts, QStringList());
        QCOMPARE(Pane(window, "Memo3")->toPlainText(), ExpectedTranslation(sentence));
        QCOMPARE(Pane(window, "Memo3")->document()->blockCount(), 1);
        QCOMPARE(Pane(window, "Memo1")->toPlainText(), sentence);
    }

    void TwoTranslationsGiveTwoLines() {
        MainWindow window(ShippedData());
        TypeAndTranslate(window, QStringLiteral("Tengo un perro."));
        TypeAndTranslate(window, QStringLiteral("La casa es grande."));
        const QString expected = ExpectedTranslation(QStringLiteral("Tengo un perro.")) + QLatin1Char('\n') +
                                 ExpectedTranslation(QStringLiteral("La casa es grande."));
        QCOMPARE(Pane(window, "Memo3")->toPlainText(), expected);
        QCOMPARE(Pane(window, "Memo3")->document()->blockCount(), 2);
    }

    void NewClearsBothPanesAndFocusesTheInput() {
        MainWindow window(ShippedData());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TypeAndTranslate(window, QStringLiteral("Tengo un perro."));
        TypeAndTranslate(window, QStringLiteral("Hola."));
        Press(window, "BitBtn1");
        QCOMPARE(Pane(window, "Memo1")->toPlainText(), QString());
        QCOMPARE(Pane(window, "Memo3")->toPlainText(), QString());
        QVERIFY(Pane(window, "Memo1")->hasFocus());
        TypeAndTranslate(window, QStringLiteral("Hola."));
        QCOMPARE(Pane(window, "Memo3")->document()->blockCount(), 1);
    }

    void RefusedInputShowsItsMessage_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<Rejection>("rejection");
        QTest::newRow("empty") << QString() << Rejection::EmptyText;
        QTest::newRow("blanks_and_line_breaks") << QStringLiteral("  \n \n") << Rejection::EmptyText;
        QTest::newRow("two_sentences") << QStringLiteral("Hola. Adiós.") << Rejection::SeveralSentences;
        QTest::newRow("stop_inside_two_lines") << QStringLiteral("Hola.\nAdiós") << Rejection::SeveralSentences;
        QTest::newRow("twenty_one_words") << Words(21) << Rejection::TooManyWords;
    }

    // The refused text stays where the user typed it, and the earlier
    // translations stay as they were.
    void RefusedInputShowsItsMessage() {
        QFETCH(QString, input);
        QFETCH(Rejection, rejection);
        MainWindow window(ShippedData());
        TypeAndTranslate(window, QStringLiteral("Tengo un perro."));
        const QString earlier = Pane(window, "Memo3")->toPlainText();
        MessageBoxCatcher boxes;
        Pane(window, "Memo1")->setPlainText(input);
        TranslateAndWait(window);
        QCOMPARE(boxes.texts, QStringList{Utf8(MessageOf(rejection))});
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Quelvo")});
        QCOMPARE(boxes.buttonCounts, QList<int>{1});
        QCOMPARE(Pane(window, "Memo1")->toPlainText(), input);
        QCOMPARE(Pane(window, "Memo3")->toPlainText(), earlier);
        QCOMPARE(Pane(window, "Memo3")->document()->blockCount(), 1);
    }

    // Each press is answered after it returns, in the order of the presses.
    void TranslationsArriveAfterThePressInOrder() {
        MainWindow window(ShippedData());
        QSignalSpy done(&window, &MainWindow::TranslationDone);
        const QStringList sentences{QStringLiteral("Tengo un perro."), QStringLiteral("La casa es grande.")};
        for (const QString& sentence : sentences) {
            Pane(window, "Memo1")->setPlainText(sentence);
            Press(window, "BitBtn2");
        }
        QCOMPARE(Pane(window, "Memo3")->toPlainText(), QString());
        QTRY_COMPARE(done.count(), 2);
        QCOMPARE(Pane(window, "Memo3")->toPlainText(),
                 ExpectedTranslation(sentences[0]) + QLatin1Char('\n') + ExpectedTranslation(sentences[1]));
    }

    void MissingEndMarkIsWarnedOfInTheStatusBar() {
        QTemporaryDir dir;
        const auto withoutEndMark = [](const std::string& b) { return b.substr(0, b.rfind('!')); };
        if (!DamagedShippedData(dir, "SbAdj.txt", withoutEndMark)) QSKIP("the shipped dictionaries are not built");
        MessageBoxCatcher boxes;
        MainWindow window(dir.path().toStdString());
        window.show();
        TypeAndTranslate(window, QStringLiteral("Hola."));
        const auto* warning = window.statusBar()->findChild<QLabel*>(QStringLiteral("DataWarning"));
        QVERIFY(warning != nullptr && warning->isVisible());
        const QString said = warning->text();
        QVERIFY2(said.contains(QStringLiteral("SbAdj.txt: the file lacks its closing")), qPrintable(said));
        QCOMPARE(boxes.texts, QStringList());
        QCOMPARE(Pane(window, "Memo3")->toPlainText(), ExpectedTranslation(QStringLiteral("Hola.")));
    }

    void ReplacedCharactersAreNotedInTheStatusBar() {
        MainWindow window(ShippedData());
        MessageBoxCatcher boxes;
        Pane(window, "Memo1")->setPlainText(QStringLiteral("Hola ☺"));
        TranslateAndWait(window);
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("_")));
        QCOMPARE(boxes.texts, QStringList());
        TypeAndTranslate(window, QStringLiteral("Hola."));
        QCOMPARE(window.statusBar()->currentMessage(), QString());
    }

    void ActivationTicksLongSentenceWarning() {
        MainWindow window(ShippedData());
        auto* warning = window.findChild<QAction*>(QStringLiteral("LongSentWarning"));
        QVERIFY(warning != nullptr);
        QVERIFY(!warning->isChecked());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(warning->isChecked());
    }

    void CaptionlessAndDisabledButtonsDoNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Synonymer") << QStringLiteral("BitBtn3");
        QTest::newRow("first_without_caption") << QStringLiteral("BitBtn7");
        QTest::newRow("second_without_caption") << QStringLiteral("FrasBitBtn");
    }

    void CaptionlessAndDisabledButtonsDoNothing() {
        QFETCH(QString, button);
        MainWindow window(ShippedData());
        window.show();
        TypeAndTranslate(window, QStringLiteral("Hola."));
        const QString before = Pane(window, "Memo3")->toPlainText();
        const auto windowsBefore = QApplication::topLevelWidgets().size();
        MessageBoxCatcher boxes;
        Press(window, button.toLatin1().constData());
        QCOMPARE(boxes.texts, QStringList());
        QCOMPARE(Pane(window, "Memo1")->toPlainText(), QStringLiteral("Hola."));
        QCOMPARE(Pane(window, "Memo3")->toPlainText(), before);
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
        QVERIFY(window.isVisible());
    }

    void EveryMenuIsDisabled() {
        MainWindow window(ShippedData());
        QVERIFY(!window.menuBar()->actions().isEmpty());
        for (QAction* menu : window.menuBar()->actions()) QVERIFY2(!menu->isEnabled(), qPrintable(menu->text()));
    }

    void ExitClosesTheWindow() {
        MainWindow window(ShippedData());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Press(window, "BitBtn4");
        QVERIFY(!window.isVisible());
    }

    void MissingDictionaryFileIsNamed() {
        QTemporaryDir dir;
        const auto unchanged = [](const std::string& b) { return b; };
        if (!DamagedShippedData(dir, "SvFile.txt", unchanged)) QSKIP("the shipped dictionaries are not built");
        std::filesystem::remove(dir.path().toStdString() + "/SvFile.txt");
        ExpectDataErrorNaming(dir.path().toStdString(), QStringLiteral("SvFile.txt: the file is missing"));
    }

    void EmptyDictionaryFileIsNamed() {
        QTemporaryDir dir;
        const auto emptied = [](const std::string&) { return std::string(); };
        if (!DamagedShippedData(dir, "SbAdj.txt", emptied)) QSKIP("the shipped dictionaries are not built");
        ExpectDataErrorNaming(dir.path().toStdString(), QStringLiteral("SbAdj.txt: the file is empty"));
    }

    void MissingDataDirectoryIsNamed() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::filesystem::path data = dir.path().toStdString() + "/no-such-dir";
        ExpectDataErrorNaming(data, QString::fromStdString(data.string()));
    }

private:
    // The error shows once the window is up and again for each Translate,
    // and the window goes on working.
    static void ExpectDataErrorNaming(const std::filesystem::path& data, const QString& name) {
        MessageBoxCatcher boxes;
        MainWindow window(data);
        window.show();
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(name), qPrintable(boxes.texts[0]));
        TypeAndTranslate(window, QStringLiteral("Hola."));
        QCOMPARE(boxes.texts.size(), 2);
        QCOMPARE(boxes.texts[1], boxes.texts[0]);
        QCOMPARE(Pane(window, "Memo3")->toPlainText(), QString());
        Press(window, "BitBtn1");
        QCOMPARE(Pane(window, "Memo1")->toPlainText(), QString());
    }
};

int RunMainWindowTests(int argc, char** argv) {
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace quelvo::gui::testing

#include "main_window_test.moc"
