#include "mainwindow/Brettansicht.h"

#include "mainwindow/Brett.h"
#include "mainwindow/Symbol.h"
#include "mainwindow/Vorlesen.h"
#include "rules/Farben.h"
#include "rules/Zufall.h"
#include "ui/Barrierefreiheit.h"
#include "ui/Steuerelemente.h"

#include <QApplication>
#include <QLabel>

using namespace quorbix;
using namespace Brett;
using ui::twRect;

namespace {

QColor Systemfarbe(QPalette::ColorRole rolle) {
    return QApplication::palette().color(rolle);
}

} // namespace

Brettansicht::Brettansicht(QWidget* fläche, const Spielstand& stand) : stand_(stand) {
    using ui::LabelArt;
    const LabelArt zelle{13.5};
    const QColor knopfFläche = Systemfarbe(QPalette::Button);
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
                                            LabelArt{9.75}, Systemfarbe(QPalette::ButtonText)));
    const QColor hervorText = Systemfarbe(QPalette::HighlightedText);
    lblWeiße_.push_back(ui::farbigesLabel(fläche, QStringLiteral("lblWeiße(0)"),
                                          twRect(8520, 360, 195, 195), QStringLiteral(" "),
                                          LabelArt{8.25, false}, hervorText, hervorText));
    for (QLabel* pin : {lblSchwarz_[0], lblWeiße_[0]}) {
        pin->hide();
        Vorlesen::Stift(pin, pin == lblSchwarz_[0], 0);
    }
    Barrierefreiheit::benenneZelle(lblKomb1_[0], QStringLiteral("Lösung, Feld 1"));
    Barrierefreiheit::benenneZelle(lblVersuch_[0], QStringLiteral("Zug 1, Feld 1"));
    Vorlesen::Zeilennummer(lblNr_[0], 1, stand_);

    for (int i = 1; i < MaxZüge; ++i) {
        lblNr_[i] = ui::kopiereLabel(lblNr_[0], ui::Elementname("lblNr", i));
        lblNr_[i]->setText(QStringLiteral("%1)").arg(i + 1));
        lblNr_[i]->move(ui::tw(120), ui::tw(ZeileOben(i)));
        lblNr_[i]->show();
        Vorlesen::Zeilennummer(lblNr_[i], i + 1, stand_);
    }
    for (int i = 1; i < MaxFelder; ++i) {
        lblKomb1_[i] = ui::kopiereLabel(lblKomb1_[0], ui::Elementname("lblKomb1", i));
        lblKomb1_[i]->move(ui::tw(ZelleLinks(i)), lblKomb1_[0]->y());
        Barrierefreiheit::benenneZelle(lblKomb1_[i], QStringLiteral("Lösung, Feld %1").arg(i + 1));
    }
}

QLabel* Brettansicht::zelle(int feld, int zug) const {
    return lblVersuch_.at(static_cast<std::size_t>(feld * MaxZüge + zug - 1));
}

void Brettansicht::Aufbau() {
    const int felder = stand_.AnzahlFelder;
    for (int k = 0; k < felder; ++k) {
        lblKomb1_[k]->show();
        lblKomb1_[k]->setText(QStringLiteral("?"));
        ui::setzeHintergrund(lblKomb1_[k], Qt::white);
        for (int r = 0; r < MaxZüge; ++r) {
            const int index = MaxZüge * k + r;
            if (index == 0) {
                continue;
            }
            QLabel* neu = ui::kopiereLabel(lblVersuch_[0], ui::Elementname("lblVersuch", index));
            Barrierefreiheit::benenneZelle(neu,
                                           QStringLiteral("Zug %1, Feld %2").arg(r + 1).arg(k + 1));
            ui::setzeHintergrund(neu, ui::PaletteFarbe(PaletteHellgrau));
            neu->move(ui::tw(ZelleLinks(k)), ui::tw(ZeileOben(r)));
            neu->show();
            lblVersuch_[static_cast<std::size_t>(index)] = neu;
        }
    }
    lblLösung_->setText(stand_.Mensch ? QStringLiteral("Computerlösung")
                                      : QStringLiteral("Deine Kombination"));
    lblLösung_->move(ui::tw(RechtsVomBrett(felder)), lblLösung_->y());
}

void Brettansicht::zeigeZug(int zug) {
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        zeigeSymbol(zelle(f - 1, zug), stand_.Kombination[zug][f], stand_);
    }
}

void Brettansicht::leereZug(int zug) {
    for (int p = 0; p < stand_.AnzahlFelder; ++p) {
        zelle(p, zug)->setText(QString());
        ui::setzeHintergrund(zelle(p, zug), ui::PaletteFarbe(PaletteHellgrau));
    }
}

QLabel* Brettansicht::neuerPin(std::vector<QLabel*>& pins, int index, int zug) {
    if (pins.size() <= static_cast<std::size_t>(index)) {
        pins.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    QLabel*& pin = pins[static_cast<std::size_t>(index)];
    if (pin == nullptr) {
        const QString name = pins[0]->objectName().section(QLatin1Char('('), 0, 0);
        pin = ui::kopiereLabel(pins[0], QStringLiteral("%1(%2)").arg(name).arg(index));
    }
    Vorlesen::Stift(pin, &pins == &lblSchwarz_, zug);
    return pin;
}

void Brettansicht::zeichnePins(int zug) {
    int links = RechtsVomBrett(stand_.AnzahlFelder);
    const int oben = ui::tw(ZeileOben(zug - 1));
    const auto setze = [&](std::vector<QLabel*>& pins, int gezählt, int anzahl) {
        for (int k = gezählt - anzahl; k < gezählt; ++k) {
            QLabel* pin = neuerPin(pins, k, zug);
            pin->move(ui::tw(links), oben);
            pin->show();
            ui::sofortZeichnen(pin);
            links += PinAbstand;
        }
    };
    setze(lblSchwarz_, stand_.ZahlSchwarzPins, stand_.AntwortSchwarz[zug]);
    setze(lblWeiße_, stand_.ZahlWeißPins, stand_.AntwortWeiß[zug]);
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

void Brettansicht::entferneÜberzählige() {
    entfernePins(lblSchwarz_, stand_.ZahlSchwarzPins);
    entfernePins(lblWeiße_, stand_.ZahlWeißPins);
}

void Brettansicht::zeigeLösung(const Reihe& code) {
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        zeigeSymbol(lblKomb1_[f - 1], code[f], stand_);
    }
}

void Brettansicht::Auflösung(Zufall& zufall) {
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        QLabel* lösung = lblKomb1_[f - 1];
        for (int i = 0; i < 10; ++i) {
            ui::setzeHintergrund(lösung, ui::PaletteFarbe(zufall.Bis(15)));
            ui::sofortZeichnen(lösung);
        }
        zeigeSymbol(lösung, stand_.Kombination[0][f], stand_);
    }
}

void Brettansicht::Lösch() {
    lblVersuch_[0]->setText(QString());
    ui::setzeHintergrund(lblVersuch_[0], ui::PaletteFarbe(PaletteHellgrau));
    for (std::size_t i = 1; i < lblVersuch_.size(); ++i) {
        delete lblVersuch_[i];
        lblVersuch_[i] = nullptr;
    }
    for (QLabel* lösung : lblKomb1_) {
        lösung->hide();
    }
    if (stand_.Zug == 0) {
        return; // before the first guess there are no pegs
    }
    entfernePins(lblSchwarz_, 0);
    entfernePins(lblWeiße_, 0);
}
