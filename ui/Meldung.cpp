#include "ui/Meldung.h"

#include <QMessageBox>

void Meldung(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorbix !"), text, QMessageBox::Ok,
                    eltern);
    box.setObjectName(QStringLiteral("Meldung"));
    box.exec();
}
