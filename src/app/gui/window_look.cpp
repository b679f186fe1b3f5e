#include "window_look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace quelvo::gui {
namespace {

struct FaceRow {
    Face face;
    std::array<std::u16string_view, 5> families;  // the face itself first, then its nearest stand-ins
};

constexpr std::array<FaceRow, 3> kFaces{{
    {Face::MsSansSerif, {u"MS Sans Serif", u"Microsoft Sans Serif", u"Liberation Sans", u"Arial", u"DejaVu Sans"}},
    {Face::Verdana, {u"Verdana", u"DejaVu Sans", u"Bitstream Vera Sans", u"Liberation Sans", u"Arial"}},
    {Face::ComicSansMs, {u"Comic Sans MS", u"Comic Neue", u"Comic Relief", u"Liberation Sans", u"DejaVu Sans"}},
}};

QString InstalledFamily(Face face) {
    const QStringList installed = QFontDatabase::families();
    for (const FaceRow& row : kFaces) {
        if (row.face != face) continue;
        for (std::u16string_view family : row.families) {
            if (installed.contains(Qs(family), Qt::CaseInsensitive)) return Qs(family);
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

QFont FontOf(Face face, int pointSize) {
    QFont font(InstalledFamily(face), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void NameApplication() {
    QApplication::setApplicationName(Qs(kAppTitle));
    QApplication::setApplicationDisplayName(Qs(kAppTitle));
}

void CentreOnScreen(QWidget& widget) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    widget.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, widget.size(), screen->availableGeometry())
                    .topLeft());
}

}  // namespace quelvo::gui
