#include "message_box.h"

#include <QMessageBox>

#include "window_look.h"

namespace quelvo::gui {

void ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Qs(kAppTitle), text, QMessageBox::Ok, parent);
    box.adjustSize();
    CentreOnScreen(box);
    box.exec();
}

}  // namespace quelvo::gui
