// The help: opened from the main window at its first page, and every page
// reachable from there.
#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextBrowser>

#include <set>

#include "gui_test_support.h"
#include "help_window.h"

namespace quelvo::gui::testing {
namespace {

QTextBrowser* Browser(const MainWindow& window) {
    return window.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
}

QStringList LinksOf(const QTextDocument& page) {
    QStringList links;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !links.contains(href)) links << href;
        }
    }
    return links;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void HelpOpensAtTheFirstPage() {
        MainWindow window(ShippedData());
        window.show();
        QVERIFY(Browser(window) == nullptr);
        Press(window, "HelpBitBtn");
        QTextBrowser* browser = Browser(window);
        QVERIFY(browser != nullptr);
        QVERIFY(browser->window()->isVisible());
        QVERIFY(browser->window() != &window);
        QCOMPARE(browser->source(), HelpWindow::kFirstPage);
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Quelvo")));
    }

    void HelpOpensAgainAtTheFirstPage() {
        MainWindow window(ShippedData());
        window.show();
        Press(window, "HelpBitBtn");
        QTextBrowser* browser = Browser(window);
        browser->setSource(QUrl(QStringLiteral("qrc:/help/begransningar.html")));
        browser->window()->close();
        Press(window, "HelpBitBtn");
        QCOMPARE(Browser(window), browser);
        QVERIFY(browser->window()->isVisible());
        QCOMPARE(browser->source(), HelpWindow::kFirstPage);
        QVERIFY(!browser->isBackwardAvailable());
    }

    // Follows every link from the first page; each must lead to a page with a
    // title, and every help page must be reachable.
    void EveryLinkLeadsToAPage() {
        QTextBrowser browser;
        std::set<QString> seen{HelpWindow::kFirstPage.toString()};
        QList<QUrl> pending{HelpWindow::kFirstPage};
        while (!pending.isEmpty()) {
            const QUrl page = pending.takeFirst();
            browser.setSource(page);
            QVERIFY2(!browser.documentTitle().isEmpty(), qPrintable(page.toString()));
            for (const QString& link : LinksOf(*browser.document())) {
                const QUrl target = page.resolved(QUrl(link));
                QVERIFY2(QFile::exists(QLatin1Char(':') + target.path()), qPrintable(target.toString()));
                if (seen.insert(target.toString()).second) pending << target;
            }
        }
        QCOMPARE(seen.size(), static_cast<std::size_t>(QDir(QStringLiteral(":/help")).entryList().size()));
    }

    void HelpNamesTheLimits() {
        QTextBrowser browser;
        browser.setSource(QUrl(QStringLiteral("qrc:/help/begransningar.html")));
        const QString text = browser.toPlainText();
        for (const char* limit : {"Flera meningar!", "20 ord", "< xyz >"}) {
            QVERIFY2(text.contains(QString::fromUtf8(limit)), limit);
        }
    }
};

int RunHelpWindowTests(int argc, char** argv) {
    HelpWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace quelvo::gui::testing

#include "help_window_test.moc"
