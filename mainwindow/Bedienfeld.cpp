#include "mainwindow/Bedienfeld.h"

#include "mainwindow/Brett.h"
#include "mainwindow/Knopf.h"
#include "mainwindow/Symbol.h"
#include "mainwindow/Vorlesen.h"
#include "rules/Farben.h"
#include "rules/Zufall.h"
#include "ui/Barrierefreiheit.h"
#include "ui/Drehfeld.h"
#include "ui/Steuerelemente.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

using namespace quorbix;
using ui::twRect;

namespace {

QLabel* Label(QWidget* eltern, const QString& name, const QRect& lage, const QString& text,
              const QColor& hinten, const QColor& vorn = Qt::black,
              const ui::LabelArt& art = ui::LabelArt{12}) {
    return ui::farbigesLabel(eltern, name, lage, text, art, hinten, vorn);
}

Drehfeld* Zähler(QWidget* eltern, const QString& name, const QRect& lage, QLabel* label,
                 int mindestens, int höchstens) {
    auto* d = new Drehfeld(eltern);
    d->setObjectName(name);
    d->setGeometry(lage);
    d->binde(label, Drehfeld::Bindung::Beschriftung);
    d->setMinimum(mindestens);
    d->setMaximum(höchstens);
    return d;
}

} // namespace

Bedienfeld::Bedienfeld(QWidget* fläche, const Spielstand& stand) : stand_(stand) {
    const QColor knopfFläche = QApplication::palette().color(QPalette::Button);
    const ui::LabelArt zelle{13.5};

    fraComp = new QGroupBox(fläche);
    fraComp->setObjectName(QStringLiteral("fraComp"));
    fraComp->setGeometry(twRect(5175, 1080, 5055, 4785));
    fraComp->setFont(ui::Schrift(12));
    ui::setzeHintergrund(fraComp, knopfFläche);

    lblComp[0] = Label(fraComp, QStringLiteral("lblComp(0)"), twRect(135, 315, 375, 375), QString(),
                       Qt::white, Qt::black, zelle);
    Line1 = new QFrame(fraComp);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(0, ui::tw(765) - 1, ui::tw(5040), 2);
    for (int f = 0; f < MaxFelder; ++f) {
        const int links = Brett::PanelSpalte(f);
        lblMen[f] = Label(fraComp, ui::Elementname("lblMen", f), twRect(links, 840, 375, 375),
                          QStringLiteral("1"), knopfFläche, Qt::black, zelle);
        updM[f] = Zähler(fraComp, ui::Elementname("updM", f), twRect(links + 360, 840, 270, 375),
                         lblMen[f], 1, 1);
        lblMen[f]->setVisible(f == 0);
        updM[f]->setVisible(f == 0);
    }
    texLösung = Label(fraComp, QStringLiteral("texLösung"), twRect(120, 1395, 3105, 375),
                      QStringLiteral(" "), ui::PaletteFarbe(PaletteHellgrau));
    Zugfeld = Label(fraComp, QStringLiteral("Zugfeld"), twRect(120, 1980, 3105, 375), QString(),
                    Qt::white);
    Zugfeld->hide();
    texSchwarze = Label(fraComp, QStringLiteral("texSchwarze"), twRect(120, 2610, 2295, 375),
                        QStringLiteral("Anzahl Schwarze:"), Qt::black, Qt::white);
    lblSchw = Label(fraComp, QStringLiteral("lblSchw"), twRect(2670, 2610, 375, 375),
                    QStringLiteral(" "), knopfFläche);
    texWeiße = Label(fraComp, QStringLiteral("texWeiße"), twRect(120, 3210, 2295, 375),
                     QStringLiteral("Anzahl Weiße:"), Qt::white);
    lblWeiß = Label(fraComp, QStringLiteral("lblWeiß"), twRect(2670, 3210, 375, 375),
                    QStringLiteral(" "), knopfFläche);
    updSchw = Zähler(fraComp, QStringLiteral("updSchw"), twRect(3030, 2610, 240, 375), lblSchw, 0,
                     stand.AnzahlFelder);
    updWeiß = Zähler(fraComp, QStringLiteral("updWeiß"), twRect(3030, 3210, 270, 375), lblWeiß, 0,
                     stand.AnzahlFelder);

    static constexpr std::array<std::array<int, 4>, Knopfzahl> lagen{{
        {3825, 1395, 1095, 615},
        {3825, 2205, 1095, 630},
        {120, 3930, 1095, 615},
        {3825, 3060, 1095, 615},
        {1355, 3930, 1095, 615},
        {2590, 3915, 1095, 630},
        {3825, 3915, 1095, 615},
    }};
    for (int i = 0; i < Knopfzahl; ++i) {
        const auto& [links, oben, breite, höhe] = lagen[static_cast<std::size_t>(i)];
        const Knopfdaten& k = Knopftabelle[static_cast<std::size_t>(i)];
        cmdFertig[i] = new Knopf(ui::Text(k.Beschriftung), fraComp);
        cmdFertig[i]->setObjectName(ui::Elementname("cmdFertig", i));
        cmdFertig[i]->setGeometry(twRect(links, oben, breite, höhe));
        cmdFertig[i]->setFont(ui::Schrift(12));
        cmdFertig[i]->setToolTip(ui::Text(k.Tipp));
    }
    // "Zug zurück" is the window's default and cancel button.
    cmdFertig[Korrekturknopf]->setDefault(true);
    for (int i = 1; i < MaxFarben; ++i) {
        lblComp[i] = ui::kopiereLabel(lblComp[0], ui::Elementname("lblComp", i));
        lblComp[i]->move(ui::tw(Brett::PanelSpalte(i)), lblComp[0]->y());
    }

    // What a screen reader hears.
    using Barrierefreiheit::benenneMitText;
    for (int f = 0; f < MaxFelder; ++f) {
        Vorlesen::Legende(lblComp[f], f, stand);
        Barrierefreiheit::benenneZelle(lblMen[f], QStringLiteral("Eingabe, Feld %1").arg(f + 1));
        updM[f]->setAccessibleName(QStringLiteral("Feld %1").arg(f + 1));
        updM[f]->setAccessibleDescription(
            QStringLiteral("Pfeil nach oben oder unten wählt das Symbol für Feld %1").arg(f + 1));
    }
    benenneMitText(texLösung, QStringLiteral("Hinweis"));
    benenneMitText(Zugfeld, QStringLiteral("Zug des Computers"));
    benenneMitText(lblSchw, QStringLiteral("Anzahl Schwarze"));
    benenneMitText(lblWeiß, QStringLiteral("Anzahl Weiße"));
    updSchw->setAccessibleName(QStringLiteral("Anzahl Schwarze"));
    updSchw->setAccessibleDescription(
        QStringLiteral("Wie viele Stifte das richtige Symbol am richtigen Platz haben"));
    updWeiß->setAccessibleName(QStringLiteral("Anzahl Weiße"));
    updWeiß->setAccessibleDescription(
        QStringLiteral("Wie viele Stifte das richtige Symbol am falschen Platz haben"));
    Vorlesen::Knöpfe(cmdFertig, stand);
}

Reihe Bedienfeld::eingabe() const {
    Reihe reihe{};
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        reihe[f] = static_cast<std::int16_t>(updM[f - 1]->value());
    }
    return reihe;
}

void Bedienfeld::zeigeKnöpfe() {
    const auto aktiv = Knopfzustände(stand_);
    for (int i = 0; i < Knopfzahl; ++i) {
        cmdFertig[i]->setEnabled(aktiv[i]);
        cmdFertig[i]->setText(ui::Text(Knopfbeschriftung(Knopfnummer(i), stand_)));
    }
    // The player answers the computer's guesses from its first one on.
    const bool antworten = !stand_.Mensch && stand_.Zug > 0;
    updSchw->setEnabled(antworten);
    updWeiß->setEnabled(antworten);
}

void Bedienfeld::Aufbau() {
    const int felder = stand_.AnzahlFelder;
    const int farben = stand_.AnzahlFarben;
    updSchw->setMaximum(felder);
    updWeiß->setMaximum(felder);
    for (int k = 0; k < farben; ++k) {
        lblComp[k]->show();
        if (stand_.Farben) {
            ui::setzeHintergrund(lblComp[k], Symbolfarbe(k + 1, stand_));
        } else {
            lblComp[k]->setText(QString::number(k + 1));
        }
    }
    for (int k = 0; k < felder; ++k) {
        updM[k]->setMaximum(farben);
        lblMen[k]->show();
        ui::setzeHintergrund(lblMen[k], Qt::white);
        // A colour fills the cell, so its symbol goes into the tag.
        if (stand_.Farben) {
            lblMen[k]->setText(QString());
        }
        updM[k]->binde(lblMen[k],
                       stand_.Farben ? Drehfeld::Bindung::Tag : Drehfeld::Bindung::Beschriftung);
        updM[k]->zeige(1);
        updM[k]->show();
    }
    const bool mensch = stand_.Mensch;
    Zugfeld->setVisible(!mensch);
    texLösung->setText(mensch ? QStringLiteral(" Dein 1.Versuch !")
                              : QStringLiteral(" Deine Kombination ?"));
    zeigeZugfeld(QString());
    fraComp->setTitle(
        (mensch ? QStringLiteral(" Mensch überlegt : ") : QStringLiteral(" Computer überlegt : ")) +
        QString::number(farben) +
        (farben == 1 ? QStringLiteral(" Farbe/Zahl") : QStringLiteral(" Farben/Zahlen")));
    fraComp->move(ui::tw(Brett::PanelLinks(felder)), fraComp->y());
    zeigeAntwort(0, 0);
    zeigeKnöpfe();
}

void Bedienfeld::zeigeZug(int zug) {
    if (!stand_.Farben) {
        Zugfeld->setText(QString());
    }
    if (stand_.Mensch) {
        return;
    }
    // The computer's guess also stands in the panel's top row.
    zeigeLegende(stand_.Kombination[zug]);
    if (!stand_.Farben) {
        for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
            Zugfeld->setText(Zugfeld->text() + QString::number(stand_.Kombination[zug][f]));
        }
    }
}

void Bedienfeld::zeigeErstenComputerzug() {
    texLösung->setText(QStringLiteral("Deine 1. Antwort ?"));
    for (int k = 0; k < MaxFelder; ++k) {
        lblComp[k]->setVisible(k < stand_.AnzahlFelder);
        updM[k]->hide();
    }
}

void Bedienfeld::zeigeLegende(const Reihe& code) {
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        zeigeSymbol(lblComp[f - 1], code[f], stand_);
    }
}

void Bedienfeld::zeigeAntwort(int schwarz, int weiß) {
    updSchw->zeige(schwarz);
    updWeiß->zeige(weiß);
}

void Bedienfeld::zeigeZugfeld(const QString& text) {
    Zugfeld->setText(text);
    ui::setzeHintergrund(Zugfeld, ui::PaletteFarbe(PaletteWeiß));
}

void Bedienfeld::zeigeAktivität(Zufall& zufall) {
    if (!stand_.Farben) {
        QString ziffern = QStringLiteral(" ");
        for (int f = 0; f < stand_.AnzahlFelder; ++f) {
            ziffern += QString::number(zufall.Symbol(stand_.AnzahlFarben));
        }
        Zugfeld->setText(ziffern);
    } else {
        ui::setzeHintergrund(Zugfeld, Symbolfarbe(zufall.Symbol(stand_.AnzahlFarben), stand_));
    }
}

void Bedienfeld::Blink(Zufall& zufall) {
    for (int i = 0; i < 20; ++i) {
        const int farbe = zufall.Rnd() < 0.5 ? PaletteDunkelgelb : PaletteHellgrau;
        ui::setzeHintergrund(texLösung, ui::PaletteFarbe(farbe));
        ui::sofortZeichnen(texLösung);
    }
    ui::setzeHintergrund(texLösung, ui::PaletteFarbe(PaletteHellrot));
}

void Bedienfeld::Lösch() {
    for (int i = 0; i < stand_.AnzahlFelder; ++i) {
        lblMen[i]->setText(QString());
        lblMen[i]->hide();
        updM[i]->hide();
    }
    for (QLabel* legende : lblComp) {
        legende->hide();
        legende->setText(QString());
        ui::setzeHintergrund(legende, Qt::white);
    }
}
