#pragma once
// The program's plain message: the application title as caption, one OK button.
#include <QString>

class QWidget;

namespace quelvo::gui {

void ShowMessage(QWidget* parent, const QString& text);

}  // namespace quelvo::gui
