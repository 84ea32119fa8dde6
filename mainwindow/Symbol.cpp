#include "mainwindow/Symbol.h"

#include "rules/Spielstand.h"
#include "ui/Steuerelemente.h"

#include <QLabel>

using namespace quorbix;

namespace hauptfenster {

QColor Symbolfarbe(int symbol, const Spielstand& stand) {
    if (symbol < 1 || symbol > MaxFarben) {
        return Qt::white;
    }
    return ui::PaletteFarbe(stand.Farbtabelle()[static_cast<std::size_t>(symbol)]);
}

void zeigeSymbol(QLabel* zelle, int symbol, const Spielstand& stand) {
    if (stand.Farben()) {
        ui::setzeHintergrund(zelle, Symbolfarbe(symbol, stand));
        zelle->setText(QString());
    } else {
        zelle->setText(QString::number(symbol));
        ui::setzeHintergrund(zelle, Qt::white);
    }
}

} // namespace hauptfenster
