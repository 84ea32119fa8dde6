#include "ui/Meldung.h"

#include <QMessageBox>

namespace ui {

void zeigeMeldung(QWidget* eltern, const QString& text, const QString& zuvor) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorbix !"), text, QMessageBox::Ok,
                    eltern);
    box.setObjectName(QStringLiteral("Meldung"));
    if (!zuvor.isEmpty()) {
        box.setAccessibleName(box.windowTitle() + QLatin1Char(' ') + zuvor);
    }
    box.exec();
}

void zeigeMeldung(QWidget* eltern, const QString& text) {
    zeigeMeldung(eltern, text, QString());
}

} // namespace ui
