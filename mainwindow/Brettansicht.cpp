#include "mainwindow/Brettansicht.h"

#include "mainwindow/Brett.h"
#include "mainwindow/Symbol.h"
#include "mainwindow/Vorlesen.h"
#include "rules/Farben.h"
#include "rules/Knoepfe.h"
#include "rules/Zufall.h"
#include "ui/Barrierefreiheit.h"
#include "ui/Steuerelemente.h"

#include <QLabel>

using namespace quorbix;
using ui::twRect;

namespace hauptfenster {

Brettansicht::Brettansicht(QWidget* fläche, const Spielstand& stand, Zufall& zufall)
    : stand_(stand), zufall_(zufall) {
    using ui::LabelArt;
    const LabelArt zelle{13.5};
    const QColor knopfFläche = ui::Systemfarbe(QPalette::Button);
    lblKomb1_[0] =
        ui::farbigesLabel(fläche, QStringLiteral("lblKomb1(0)"), twRect(600, 240, 375, 375),
                          QStringLiteral(" "), zelle, Qt::white);
    lblLösung_ =
        ui::farbigesLabel(fläche, QStringLiteral("lblLösung"), twRect(3960, 240, 2415, 375),
                          QStringLiteral(" "), LabelArt{12}, knopfFläche, QColor(0, 0, 255));
    lblNr_[0] = ui::farbigesLabel(
        fläche, QStringLiteral("lblNr(0)"), twRect(120, 840, 375, 375), QStringLiteral(" 1)"),
        LabelArt{9.75, true, true, ui::Ausrichtung::Rechts}, knopfFläche, QColor(64, 0, 0));
    lblVersuch_.assign(MaxFelder * MaxZüge, nullptr);
    lblVersuch_[0] =
        ui::farbigesLabel(fläche, QStringLiteral("lblVersuch(0)"), twRect(600, 840, 375, 375),
                          QStringLiteral(" "), zelle, ui::PaletteFarbe(PaletteHellgrau));
    lblSchwarz_.push_back(ui::farbigesLabel(fläche, QStringLiteral("lblSchwarz(0)"),
                                            twRect(8280, 360, 195, 195), QStringLiteral(" "),
                                            LabelArt{9.75}, ui::Systemfarbe(QPalette::ButtonText)));
    const QColor hervorText = ui::Systemfarbe(QPalette::HighlightedText);
    lblWeiße_.push_back(ui::farbigesLabel(fläche, QStringLiteral("lblWeiße(0)"),
                                          twRect(8520, 360, 195, 195), QStringLiteral(" "),
                                          LabelArt{8.25, false}, hervorText, hervorText));
    for (QLabel* pin : {lblSchwarz_[0], lblWeiße_[0]}) {
        pin->hide();
        hauptfenster::Stift(pin, pin == lblSchwarz_[0], 0);
    }
    ui::benenneZelle(lblKomb1_[0], QStringLiteral("Lösung, Feld 1"));
    ui::benenneZelle(lblVersuch_[0], QStringLiteral("Zug 1, Feld 1"));
    hauptfenster::Zeilennummer(lblNr_[0], 1, stand_);

    for (int i = 1; i < MaxZüge; ++i) {
        lblNr_[i] = ui::kopiereLabel(lblNr_[0], ui::Elementname("lblNr", i));
        lblNr_[i]->setText(QStringLiteral("%1)").arg(i + 1));
        lblNr_[i]->move(ui::tw(120), ui::tw(ZeileOben(i)));
        lblNr_[i]->show();
        hauptfenster::Zeilennummer(lblNr_[i], i + 1, stand_);
    }
    for (int i = 1; i < MaxFelder; ++i) {
        lblKomb1_[i] = ui::kopiereLabel(lblKomb1_[0], ui::Elementname("lblKomb1", i));
        lblKomb1_[i]->move(ui::tw(ZelleLinks(i)), lblKomb1_[0]->y());
        ui::benenneZelle(lblKomb1_[i], QStringLiteral("Lösung, Feld %1").arg(i + 1));
    }
}

void Brettansicht::zeichne(const Schritt& schritt) {
    if (stand_.Phase() == Spielphase::Geleert) {
        return leere();
    }
    zeichneZüge();
    zeichnePins();
    zeichneLösung(schritt);
}

void Brettansicht::zeichneZüge() {
    const int felder = stand_.AnzahlFelder();
    // The cells are made column by column, so that each overlaps its
    // neighbours' borders the same way every game.
    for (int k = 0; k < MaxFelder; ++k) {
        for (int r = 0; r < MaxZüge; ++r) {
            QLabel*& zelle = lblVersuch_[static_cast<std::size_t>(MaxZüge * k + r)];
            if (k >= felder) {
                delete zelle; // element 0 is never here: a game has a field
                zelle = nullptr;
                continue;
            }
            if (zelle == nullptr) {
                zelle = neueZelle(k, r);
            }
            if (r < stand_.ZahlZüge()) {
                zeigeSymbol(zelle, stand_.Kombination()[r + 1][k + 1], stand_);
            } else {
                zelle->setText(QString());
                ui::setzeHintergrund(zelle, ui::PaletteFarbe(PaletteHellgrau));
            }
        }
    }
}

void Brettansicht::zeichnePins() {
    // The pegs are the answers of the first moves, as many as the state
    // counts: an answer reopened for correction is counted no more.
    int schwarz = 0;
    int weiß = 0;
    for (int zug = 1; zug <= std::min<int>(stand_.Zug(), MaxZüge); ++zug) {
        int links = RechtsVomBrett(stand_.AnzahlFelder());
        const auto setze = [&](std::vector<QLabel*>& pins, int& gesetzt, int anzahl, int gezählt) {
            for (; anzahl > 0 && gesetzt < gezählt; --anzahl, ++gesetzt, links += PinAbstand) {
                zeigePin(pins, gesetzt, zug, links);
            }
        };
        setze(lblSchwarz_, schwarz, stand_.AntwortSchwarz()[zug], stand_.ZahlSchwarzPins());
        setze(lblWeiße_, weiß, stand_.AntwortWeiß()[zug], stand_.ZahlWeißPins());
    }
    entfernePins(lblSchwarz_, stand_.ZahlSchwarzPins());
    entfernePins(lblWeiße_, stand_.ZahlWeißPins());
}

void Brettansicht::zeichneLösung(const Schritt& schritt) {
    // Covered, the player's code once the computer guesses it, or row 0
    // when the game is over.
    const int felder = stand_.AnzahlFelder();
    lblLösung_->setText(ui::Text(Lösungstitel(stand_)));
    lblLösung_->move(ui::tw(RechtsVomBrett(felder)), lblLösung_->y());
    for (int k = 0; k < MaxFelder; ++k) {
        lblKomb1_[k]->setVisible(k < felder);
    }
    const bool spielercode = !stand_.Mensch() && stand_.Zug() > 0;
    if (schritt.Aufdecken) {
        deckeAuf(); // flashing over what the row showed so far
    }
    for (int k = 0; k < felder; ++k) {
        QLabel* lösung = lblKomb1_[k];
        if (stand_.Aufgedeckt()) {
            zeigeSymbol(lösung, stand_.Kombination()[0][k + 1], stand_);
        } else if (spielercode) {
            zeigeSymbol(lösung, stand_.Spielercode()[k + 1], stand_);
        } else {
            lösung->setText(QStringLiteral("?"));
            ui::setzeHintergrund(lösung, Qt::white);
        }
    }
}

QLabel* Brettansicht::neueZelle(int feld, int zeile) {
    const int index = MaxZüge * feld + zeile;
    QLabel* zelle = ui::kopiereLabel(lblVersuch_[0], ui::Elementname("lblVersuch", index));
    ui::benenneZelle(zelle, QStringLiteral("Zug %1, Feld %2").arg(zeile + 1).arg(feld + 1));
    zelle->move(ui::tw(ZelleLinks(feld)), ui::tw(ZeileOben(zeile)));
    zelle->show();
    return zelle;
}

void Brettansicht::zeigePin(std::vector<QLabel*>& pins, int index, int zug, int links) {
    if (pins.size() <= static_cast<std::size_t>(index)) {
        pins.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    QLabel*& pin = pins[static_cast<std::size_t>(index)];
    if (pin == nullptr) {
        const QString name = pins[0]->objectName().section(QLatin1Char('('), 0, 0);
        pin = ui::kopiereLabel(pins[0], QStringLiteral("%1(%2)").arg(name).arg(index));
    }
    hauptfenster::Stift(pin, &pins == &lblSchwarz_, zug);
    const QPoint lage(ui::tw(links), ui::tw(ZeileOben(zug - 1)));
    if (pin->isHidden() || pin->pos() != lage) {
        pin->move(lage);
        pin->show();
        ui::sofortZeichnen(pin); // a new peg shows before anything else happens
    }
}

void Brettansicht::entfernePins(std::vector<QLabel*>& pins, int von) {
    for (int k = std::max(von, 0); static_cast<std::size_t>(k) < pins.size(); ++k) {
        QLabel*& pin = pins[static_cast<std::size_t>(k)];
        if (pin == nullptr) {
            continue;
        }
        pin->hide();
        if (k != 0) {
            delete pin;
            pin = nullptr;
        }
    }
}

void Brettansicht::deckeAuf() {
    for (int f = 1; f <= stand_.AnzahlFelder(); ++f) {
        QLabel* lösung = lblKomb1_[f - 1];
        for (int i = 0; i < 10; ++i) {
            ui::setzeHintergrund(lösung, ui::PaletteFarbe(zufall_.Bis(15)));
            ui::sofortZeichnen(lösung);
        }
        zeigeSymbol(lösung, stand_.Kombination()[0][f], stand_);
    }
}

void Brettansicht::leere() {
    lblVersuch_[0]->setText(QString());
    ui::setzeHintergrund(lblVersuch_[0], ui::PaletteFarbe(PaletteHellgrau));
    for (std::size_t i = 1; i < lblVersuch_.size(); ++i) {
        delete lblVersuch_[i];
        lblVersuch_[i] = nullptr;
    }
    for (QLabel* lösung : lblKomb1_) {
        lösung->hide();
    }
    if (stand_.Zug() == 0) {
        return; // before the first guess there are no pegs
    }
    entfernePins(lblSchwarz_, 0);
    entfernePins(lblWeiße_, 0);
}

} // namespace hauptfenster
