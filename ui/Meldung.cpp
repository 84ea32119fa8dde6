#include "ui/Meldung.h"

#include <QMessageBox>

namespace ui {

void zeigeMeldung(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorbix !"), text, QMessageBox::Ok,
                    eltern);
    box.setObjectName(QStringLiteral("Meldung"));
    box.exec();
}

} // namespace ui
