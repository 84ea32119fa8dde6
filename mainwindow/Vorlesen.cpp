#include "mainwindow/Vorlesen.h"

#include "mainwindow/Knopf.h"
#include "rules/Knoepfe.h"
#include "rules/Neuigkeiten.h"
#include "rules/Spielstand.h"
#include "ui/Barrierefreiheit.h"
#include "ui/Steuerelemente.h"

#include <QLabel>

namespace hauptfenster {

void Zeilennummer(QLabel* l, int zug, const quorbix::Spielstand& stand) {
    l->setAccessibleName(QStringLiteral("Zug %1").arg(zug));
    ui::setzeBeschreibung(l, [zug, &stand] {
        if (!stand.Beantwortet(zug)) {
            return QString(); // no answer yet
        }
        return QStringLiteral("Antwort: ") +
               ui::Text(
                   quorbix::Antworttext(stand.AntwortSchwarz().at(static_cast<std::size_t>(zug)),
                                        stand.AntwortWeiß().at(static_cast<std::size_t>(zug))));
    });
}

void Legende(QLabel* l, int k, const quorbix::Spielstand& stand) {
    ui::setzeName(l, [l, k, &stand] {
        const QString inhalt = ui::Zelleninhalt(l);
        if (!stand.Mensch() && stand.Zug() > 0) {
            return QStringLiteral("Zug des Computers, Feld %1: %2").arg(k + 1).arg(inhalt);
        }
        if (!stand.Farben()) {
            return QStringLiteral("Zahl %1").arg(inhalt);
        }
        return QStringLiteral("Farbe %1: %2").arg(k + 1).arg(inhalt);
    });
}

void Stift(QLabel* pin, bool schwarz, int zug) {
    const QString art =
        schwarz ? QStringLiteral("schwarzer Stift") : QStringLiteral("weißer Stift");
    // A peg is drawn again with every step: it is announced only if it moved.
    ui::setzeFesteBeschreibung(pin, schwarz ? QStringLiteral("Richtiges Symbol am richtigen Platz")
                                            : QStringLiteral("Richtiges Symbol am falschen Platz"));
    ui::setzeFestenNamen(pin, zug == 0 ? art : QStringLiteral("Zug %1: %2").arg(zug).arg(art));
}

void Knöpfe(const std::array<hauptfenster::Knopf*, 7>& knöpfe, const quorbix::Spielstand& stand) {
    for (int k = 0; k < quorbix::Knopfzahl; ++k) {
        ui::setzeBeschreibung(knöpfe[static_cast<std::size_t>(k)], [k, &stand] {
            return ui::Text(quorbix::Knopfbeschreibung(quorbix::Knopfnummer(k), stand));
        });
    }
}

} // namespace hauptfenster
