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
#include <QShortcut>

using namespace quorbix;
using ui::twRect;

namespace hauptfenster {

namespace {

QLabel* Label(QWidget* eltern, const QString& name, const QRect& lage, const QString& text,
              const QColor& hinten, const QColor& vorn = Qt::black,
              const ui::LabelArt& art = ui::LabelArt{12}) {
    return ui::farbigesLabel(eltern, name, lage, text, art, hinten, vorn);
}

ui::Drehfeld* neuesDrehfeld(QWidget* eltern, const QString& name, const QRect& lage, QLabel* label,
                            int mindestens, int höchstens) {
    auto* d = new ui::Drehfeld(eltern);
    d->setObjectName(name);
    d->setGeometry(lage);
    d->binde(label, ui::Drehfeld::Bindung::Beschriftung);
    d->setMinimum(mindestens);
    d->setMaximum(höchstens);
    return d;
}

} // namespace

Bedienfeld::Bedienfeld(QWidget* fläche, const Spielstand& stand, Zufall& zufall,
                       const Handlers& handlers)
    : stand_(stand), zufall_(zufall) {
    // In the order of the panel's design, which screen readers follow.
    const QColor knopfFläche = ui::Systemfarbe(QPalette::Button);
    erzeugeEingabe(fläche, knopfFläche);
    erzeugeAntwort(knopfFläche);
    erzeugeKnöpfe();
    benenne();
    verbinde(fläche, handlers);
}

void Bedienfeld::erzeugeEingabe(QWidget* fläche, const QColor& knopfFläche) {
    const ui::LabelArt zelle{13.5};
    fraComp_ = new QGroupBox(fläche);
    fraComp_->setObjectName(QStringLiteral("fraComp"));
    fraComp_->setGeometry(twRect(5175, 1080, 5055, 4785));
    fraComp_->setFont(ui::Schrift(12));
    ui::setzeHintergrund(fraComp_, knopfFläche);

    lblComp_[0] = Label(fraComp_, QStringLiteral("lblComp(0)"), twRect(135, 315, 375, 375),
                        QString(), Qt::white, Qt::black, zelle);
    Line1_ = new QFrame(fraComp_);
    Line1_->setObjectName(QStringLiteral("Line1"));
    Line1_->setFrameShape(QFrame::HLine);
    Line1_->setFrameShadow(QFrame::Sunken);
    Line1_->setGeometry(0, ui::tw(765) - 1, ui::tw(5040), 2);
    for (int f = 0; f < MaxFelder; ++f) {
        const int links = PanelSpalte(f);
        lblMen_[f] = Label(fraComp_, ui::Elementname("lblMen", f), twRect(links, 840, 375, 375),
                           QStringLiteral("1"), knopfFläche, Qt::black, zelle);
        updM_[f] = neuesDrehfeld(fraComp_, ui::Elementname("updM", f),
                                 twRect(links + 360, 840, 270, 375), lblMen_[f], 1, 1);
        lblMen_[f]->setVisible(f == 0);
        updM_[f]->setVisible(f == 0);
    }
}

void Bedienfeld::erzeugeAntwort(const QColor& knopfFläche) {
    texLösung_ = Label(fraComp_, QStringLiteral("texLösung"), twRect(120, 1395, 3105, 375),
                       QStringLiteral(" "), ui::PaletteFarbe(PaletteHellgrau));
    Zugfeld_ = Label(fraComp_, QStringLiteral("Zugfeld"), twRect(120, 1980, 3105, 375), QString(),
                     Qt::white);
    Zugfeld_->hide();
    texSchwarze_ = Label(fraComp_, QStringLiteral("texSchwarze"), twRect(120, 2610, 2295, 375),
                         QStringLiteral("Anzahl Schwarze:"), Qt::black, Qt::white);
    lblSchw_ = Label(fraComp_, QStringLiteral("lblSchw"), twRect(2670, 2610, 375, 375),
                     QStringLiteral(" "), knopfFläche);
    texWeiße_ = Label(fraComp_, QStringLiteral("texWeiße"), twRect(120, 3210, 2295, 375),
                      QStringLiteral("Anzahl Weiße:"), Qt::white);
    lblWeiß_ = Label(fraComp_, QStringLiteral("lblWeiß"), twRect(2670, 3210, 375, 375),
                     QStringLiteral(" "), knopfFläche);
    updSchw_ = neuesDrehfeld(fraComp_, QStringLiteral("updSchw"), twRect(3030, 2610, 240, 375),
                             lblSchw_, 0, stand_.AnzahlFelder());
    updWeiß_ = neuesDrehfeld(fraComp_, QStringLiteral("updWeiß"), twRect(3030, 3210, 270, 375),
                             lblWeiß_, 0, stand_.AnzahlFelder());
}

void Bedienfeld::erzeugeKnöpfe() {
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
        cmdFertig_[i] = new Knopf(ui::Text(k.Beschriftung), fraComp_);
        cmdFertig_[i]->setObjectName(ui::Elementname("cmdFertig", i));
        cmdFertig_[i]->setGeometry(twRect(links, oben, breite, höhe));
        cmdFertig_[i]->setFont(ui::Schrift(12));
        cmdFertig_[i]->setToolTip(ui::Text(k.Tipp));
    }
    // "Zug zurück" is the window's default and cancel button.
    cmdFertig_[Korrekturknopf]->setDefault(true);
    for (int i = 1; i < MaxFarben; ++i) {
        lblComp_[i] = ui::kopiereLabel(lblComp_[0], ui::Elementname("lblComp", i));
        lblComp_[i]->move(ui::tw(PanelSpalte(i)), lblComp_[0]->y());
    }
}

void Bedienfeld::benenne() {
    // What a screen reader hears.
    using ui::benenneMitText;
    for (int f = 0; f < MaxFelder; ++f) {
        hauptfenster::Legende(lblComp_[f], f, stand_);
        ui::benenneZelle(lblMen_[f], QStringLiteral("Eingabe, Feld %1").arg(f + 1));
        updM_[f]->setAccessibleName(QStringLiteral("Feld %1").arg(f + 1));
        updM_[f]->setAccessibleDescription(
            QStringLiteral("Pfeil nach oben oder unten wählt das Symbol für Feld %1").arg(f + 1));
    }
    benenneMitText(texLösung_, QStringLiteral("Hinweis"));
    // While the computer thinks, its animation changes the caption many times
    // a second: the name says what it means.
    ui::setzeName(Zugfeld_, [this] {
        const QString text = stand_.Zugfeld() == Zugfeldanzeige::IchDenke
                                 ? QStringLiteral("Ich denke ...")
                                 : Zugfeld_->text().simplified();
        return text.isEmpty() ? QStringLiteral("Zug des Computers")
                              : QStringLiteral("Zug des Computers: ") + text;
    });
    benenneMitText(lblSchw_, QStringLiteral("Anzahl Schwarze"));
    benenneMitText(lblWeiß_, QStringLiteral("Anzahl Weiße"));
    updSchw_->setAccessibleName(QStringLiteral("Anzahl Schwarze"));
    updSchw_->setAccessibleDescription(
        QStringLiteral("Wie viele Stifte das richtige Symbol am richtigen Platz haben"));
    updWeiß_->setAccessibleName(QStringLiteral("Anzahl Weiße"));
    updWeiß_->setAccessibleDescription(
        QStringLiteral("Wie viele Stifte das richtige Symbol am falschen Platz haben"));
    hauptfenster::Knöpfe(cmdFertig_, stand_);
}

void Bedienfeld::verbinde(QWidget* fläche, const Handlers& handlers) {
    // The window hears of every change and click.
    for (int i = 0; i < Knopfzahl; ++i) {
        QObject::connect(cmdFertig_[i], &QPushButton::clicked, fraComp_,
                         [klick = handlers.cmdFertig_Click, i] { klick(i); });
    }
    for (int f = 0; f < MaxFelder; ++f) {
        QObject::connect(updM_[f], &ui::Drehfeld::valueChanged, fraComp_,
                         [änderung = handlers.updM_Change, f] { änderung(f); });
    }
    QObject::connect(updSchw_, &ui::Drehfeld::valueChanged, fraComp_, handlers.updSchw_Change);
    QObject::connect(updWeiß_, &ui::Drehfeld::valueChanged, fraComp_, handlers.updWeiß_Change);
    // Enter and Esc press "Zug zurück", the default and cancel button.
    for (const auto taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto* kürzel = new QShortcut(QKeySequence(taste), fläche);
        QObject::connect(kürzel, &QShortcut::activated, fraComp_, [this] {
            if (cmdFertig_[Korrekturknopf]->isEnabled()) {
                cmdFertig_[Korrekturknopf]->click();
            }
        });
    }
}

int Bedienfeld::Eingabewert(int index) const {
    return updM_.at(static_cast<std::size_t>(index))->value();
}

int Bedienfeld::Schwarzwert() const {
    return updSchw_->value();
}

int Bedienfeld::Weißwert() const {
    return updWeiß_->value();
}

void Bedienfeld::zeichne(const Schritt& schritt, bool fokus) {
    if (stand_.Phase() == Spielphase::Geleert) {
        leere();
        zeichneKnöpfe();
        return;
    }
    fraComp_->setTitle(ui::Text(Rahmentitel(stand_)));
    fraComp_->move(ui::tw(PanelLinks(stand_.AnzahlFelder())), fraComp_->y());
    zeichneLegende();
    zeichneEingabe();
    zeichneAntwort();
    if (fokus) {
        führeFokus();
    }
    zeichneKnöpfe();
    if (schritt.Blinken) {
        blinke();
    }
}

bool Bedienfeld::computerzug() const {
    return !stand_.Mensch() && stand_.Zug() > 0;
}

void Bedienfeld::zeichneLegende() {
    // The game's symbols, or the computer's guess once it guesses.
    const int sichtbare = computerzug() ? stand_.AnzahlFelder() : stand_.AnzahlFarben();
    for (int k = 0; k < MaxFarben; ++k) {
        lblComp_[k]->setVisible(k < sichtbare);
        if (k >= sichtbare) {
            lblComp_[k]->setText(QString());
            ui::setzeHintergrund(lblComp_[k], Qt::white);
        } else {
            const int symbol = computerzug() ? stand_.Kombination()[stand_.Zug()][k + 1] : k + 1;
            zeigeSymbol(lblComp_[k], symbol, stand_);
        }
    }
}

void Bedienfeld::zeichneEingabe() {
    // Its arrows only until the computer has the player's code.
    for (int k = 0; k < MaxFelder; ++k) {
        const bool sichtbar = k < stand_.AnzahlFelder();
        lblMen_[k]->setVisible(sichtbar);
        updM_[k]->setVisible(sichtbar && (stand_.Mensch() || stand_.Zug() == 0));
        if (!sichtbar) {
            lblMen_[k]->setText(QString());
            continue;
        }
        // A colour fills the cell, so its symbol goes into the tag.
        updM_[k]->binde(lblMen_[k], stand_.Farben() ? ui::Drehfeld::Bindung::Tag
                                                    : ui::Drehfeld::Bindung::Beschriftung);
        updM_[k]->setMaximum(stand_.AnzahlFarben());
        updM_[k]->zeige(stand_.Eingabe()[k + 1]);
        zeigeSymbol(lblMen_[k], stand_.Eingabe()[k + 1], stand_);
    }
}

void Bedienfeld::zeichneAntwort() {
    texLösung_->setText(ui::Text(Hinweistext(stand_)));
    ui::setzeHintergrund(texLösung_, ui::PaletteFarbe(PaletteHellrot));
    Zugfeld_->setVisible(!stand_.Mensch());
    if (const auto text = Zugfeldtext(stand_)) {
        Zugfeld_->setText(ui::Text(*text));
    }
    if (stand_.Zugfeld() != Zugfeldanzeige::IchDenke) {
        ui::setzeHintergrund(Zugfeld_, ui::PaletteFarbe(PaletteWeiß));
    }
    // The player answers the computer's guesses from its first one on.
    for (ui::Drehfeld* antwort : {updSchw_, updWeiß_}) {
        antwort->setMaximum(stand_.AnzahlFelder());
        antwort->setEnabled(computerzug());
    }
    updSchw_->zeige(stand_.EingabeSchwarz());
    updWeiß_->zeige(stand_.EingabeWeiß());
}

void Bedienfeld::führeFokus() {
    // The control gets the focus before the others give way, so that the
    // focus does not pass along the buttons being disabled one by one.
    const auto aktiv = Knopfzustände(stand_);
    QWidget* ziel = nullptr;
    if (stand_.Phase() == Spielphase::Beendet || stand_.Phase() == Spielphase::Widerspruch) {
        return; // the message box takes the focus, and its step gives it back
    }
    if (stand_.Phase() == Spielphase::WartetAufAntwort) {
        ziel = updSchw_;
    } else if (aktiv[Hauptknopf]) {
        ziel = cmdFertig_[Hauptknopf];
    } else if (aktiv[Stopknopf]) {
        ziel = cmdFertig_[Stopknopf];
    }
    if (ziel != nullptr && ziel->isVisible() && !ziel->hasFocus()) {
        ziel->setEnabled(true);
        ziel->setFocus(Qt::OtherFocusReason);
    }
}

void Bedienfeld::zeichneKnöpfe() {
    const auto aktiv = Knopfzustände(stand_);
    for (int i = 0; i < Knopfzahl; ++i) {
        cmdFertig_[i]->setEnabled(aktiv[i]);
        cmdFertig_[i]->setText(ui::Text(Knopfbeschriftung(Knopfnummer(i), stand_)));
    }
}

void Bedienfeld::zeigeAktivität() {
    if (!stand_.Farben()) {
        QString ziffern = QStringLiteral(" ");
        for (int f = 0; f < stand_.AnzahlFelder(); ++f) {
            ziffern += QString::number(zufall_.Symbol(stand_.AnzahlFarben()));
        }
        Zugfeld_->setText(ziffern);
    } else {
        ui::setzeHintergrund(Zugfeld_, Symbolfarbe(zufall_.Symbol(stand_.AnzahlFarben()), stand_));
    }
}

void Bedienfeld::blinke() {
    for (int i = 0; i < 20; ++i) {
        const int farbe = zufall_.Rnd() < 0.5 ? PaletteDunkelgelb : PaletteHellgrau;
        ui::setzeHintergrund(texLösung_, ui::PaletteFarbe(farbe));
        ui::sofortZeichnen(texLösung_);
    }
    ui::setzeHintergrund(texLösung_, ui::PaletteFarbe(PaletteHellrot));
}

void Bedienfeld::leere() {
    for (int i = 0; i < stand_.AnzahlFelder(); ++i) {
        lblMen_[i]->setText(QString());
        lblMen_[i]->hide();
        updM_[i]->hide();
    }
    for (QLabel* legende : lblComp_) {
        legende->hide();
        legende->setText(QString());
        ui::setzeHintergrund(legende, Qt::white);
    }
}

} // namespace hauptfenster
