#pragma once
// How the main window looks and what it holds: sizes, colours, faces, the
// tool-bar buttons and the menus, as data the window is built from.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

class QWidget;

namespace quelvo::gui {

inline constexpr std::u16string_view kAppTitle = u"Quelvo";
inline constexpr std::u16string_view kMainCaption = u"\u00D6vers\u00E4ttning fr\u00E5n spanska till svenska";
inline constexpr int kMainWidth = 819;
inline constexpr int kMainHeight = 386;
inline constexpr int kToolBarHeight = 29;
inline constexpr int kButtonWidth = 116;
inline constexpr int kButtonHeight = 22;

inline constexpr QColor kFormColour{135, 137, 211};
inline constexpr QColor kPaneColour{248, 192, 1};
inline constexpr QColor kButtonTextColour{0, 128, 128};
inline constexpr QColor kDisabledButtonTextColour{192, 192, 192};

// The faces the window was drawn with; where one is not installed, the
// nearest installed sans-serif face stands in.
enum class Face { MsSansSerif, Verdana, ComicSansMs };
QFont FontOf(Face face, int pointSize);

// Gives the application its title, as the window system and the message boxes show it.
void NameApplication();

// Places a top-level widget in the middle of the primary screen.
void CentreOnScreen(QWidget& widget);

enum class Command { None, New, Translate, Help, Exit };

struct ToolButtonRow {
    std::string_view name;
    std::u16string_view caption;
    Command command;
    bool enabled;
};

inline constexpr std::array<ToolButtonRow, 7> kToolButtons{{
    {"BitBtn1", u"Nytt", Command::New, true},
    {"BitBtn2", u"\u00D6vers\u00E4tt", Command::Translate, true},
    {"BitBtn3", u"Synonymer", Command::None, false},
    {"BitBtn7", u"", Command::None, true},
    {"FrasBitBtn", u"", Command::None, true},
    {"HelpBitBtn", u"Hj\u00E4lp", Command::Help, true},
    {"BitBtn4", u"EXIT", Command::Exit, true},
}};

struct PaneRow {
    std::string_view name;
    QRect geometry;  // within the window's client area, tool bar included
    Face face;
    int pointSize;
    bool readOnly;
};

inline constexpr std::array<PaneRow, 2> kPanes{{
    {"Memo1", QRect(8, 32, 801, 145), Face::MsSansSerif, 10, false},
    {"Memo3", QRect(8, 184, 801, 137), Face::Verdana, 10, true},
}};

// One row per menu item; consecutive rows with the same menu title form one menu.
struct MenuItemRow {
    std::u16string_view menu;
    std::u16string_view item;
    std::string_view name;  // object name, where the item has one
};

inline constexpr std::array<MenuItemRow, 12> kMenuItems{{
    {u"Filhantering", u"H\u00E4mta", ""},
    {u"Filhantering", u"Spara", ""},
    {u"Extrafiler", u"F\u00E5glar", ""},
    {u"Extrafiler", u"Ekonomi", ""},
    {u"Extrafiler", u"Data", ""},
    {u"Extrafiler", u"Biologi", ""},
    {u"Extrafiler", u"Sport", ""},
    {u"Extrafiler", u"Medicin", ""},
    {u"Diverse", u"\u00D6v sp ord till sv", ""},
    {u"Diverse", u"Syntaxkontroll", ""},
    {u"Inst\u00E4llningar", u"Varna f\u00F6r l\u00E5nga meningar", "LongSentWarning"},
    {u"Inst\u00E4llningar", u"\u00C4ndra f\u00E4rg", ""},
}};

inline constexpr std::u16string_view kPopupItem = u"Tips";

inline QString Qs(std::u16string_view text) { return QStringView(text).toString(); }

}  // namespace quelvo::gui
