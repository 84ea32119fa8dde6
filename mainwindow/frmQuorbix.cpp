#include "mainwindow/frmQuorbix.h"

#include "ui/Barrierefreiheit.h"
#include "ui/Drehfeld.h"
#include "ui/Meldung.h"
#include "ui/Steuerelemente.h"
#include "dialogs/frmEinstellungen.h"
#include "dialogs/frmInfo.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/Brett.h"
#include "mainwindow/Knopf.h"
#include "mainwindow/Vorlesen.h"
#include "rules/Farben.h"
#include "rules/Zahlen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>

using namespace quorbix;
using namespace Brett;
using ui::twRect;

namespace {

const QString Fenstertitel = QStringLiteral("Quorbix! https://quorbix.example.org");

QColor Systemfarbe(QPalette::ColorRole rolle) {
    return QApplication::palette().color(rolle);
}

// Runs a handler body with the nesting depth counted, so that "Ende" arriving
// while events are processed inside it can be deferred until it returns.
class Tiefe {
public:
    explicit Tiefe(int& zähler) : zähler_(zähler) { ++zähler_; }
    ~Tiefe() { --zähler_; }
    Tiefe(const Tiefe&) = delete;
    Tiefe& operator=(const Tiefe&) = delete;

private:
    int& zähler_;
};

} // namespace

frmQuorbix::frmQuorbix(QWidget* eltern)
    : QMainWindow(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
    Barrierefreiheit::einrichten();
    setObjectName(QStringLiteral("frmQuorbix"));
    setWindowTitle(Fenstertitel);
    setWindowIcon(QIcon(QStringLiteral(":/quorbix/quorbix.png")));

    // "Info" and "Ende" have no sub-menus: a desktop's global menu would hide
    // them, and with them the only way to quit.
    menuBar()->setNativeMenuBar(false);
    mnuInfo_ = menuBar()->addAction(QStringLiteral("Info"));
    mnuInfo_->setObjectName(QStringLiteral("mnuInfo"));
    mnuEnde_ = menuBar()->addAction(QStringLiteral("Ende"));
    mnuEnde_->setObjectName(QStringLiteral("mnuEnde"));
    menuBar()->setAccessibleName(QStringLiteral("Menüleiste"));
    connect(mnuInfo_, &QAction::triggered, this, [this] { mnuInfo_Click(); });
    connect(mnuEnde_, &QAction::triggered, this, [this] { mnuEnde_Click(); });

    zentrale_ = new QWidget(this);
    zentrale_->setObjectName(QStringLiteral("Zentrale"));
    zentrale_->setAccessibleName(QStringLiteral("Spielbrett"));
    zentrale_->setFixedSize(ui::tw(10800), ui::tw(7785));
    ui::setzeHintergrund(zentrale_, QColor(0, 128, 0));
    setCentralWidget(zentrale_);
    erzeugeSteuerelemente();

    stand_.Aktivität = [this] {
        // A screen shows at most one frame per 16 ms: more turns of the event
        // loop would only slow the search down many times over.
        if (aktivitätsUhr_.isValid() && aktivitätsUhr_.elapsed() < aktivitätsabstand_) {
            return;
        }
        aktivitätsUhr_.start();
        if (!stand_.Farben) {
            QString ziffern = QStringLiteral(" ");
            for (int f = 0; f < stand_.AnzahlFelder; ++f) {
                ziffern += QString::number(zufall_.Symbol(stand_.AnzahlFarben));
            }
            Zugfeld_->setText(ziffern);
        } else {
            ui::setzeHintergrund(Zugfeld_, symbolFarbe(zufall_.Symbol(stand_.AnzahlFarben)));
        }
        QCoreApplication::processEvents();
    };

    // Loading: the defaults are those of Spielstand; centre, then the labels.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    ui::zentriereAufBildschirm(this);
    for (int i = 1; i < MaxZüge; ++i) {
        lblNr_[i] = ui::kopiereLabel(lblNr_[0], ui::Elementname("lblNr", i));
        lblNr_[i]->setText(QStringLiteral("%1)").arg(i + 1));
        lblNr_[i]->move(ui::tw(120), ui::tw(ZeileOben(i)));
        lblNr_[i]->show();
        Vorlesen::Zeilennummer(lblNr_[i], i + 1, stand_);
    }
    for (int i = 1; i < MaxFelder; ++i) {
        lblComp_[i] = ui::kopiereLabel(lblComp_[0], ui::Elementname("lblComp", i));
        lblComp_[i]->move(ui::tw(PanelSpalte(i)), lblComp_[0]->y());
        lblKomb1_[i] = ui::kopiereLabel(lblKomb1_[0], ui::Elementname("lblKomb1", i));
        lblKomb1_[i]->move(ui::tw(ZelleLinks(i)), lblKomb1_[0]->y());
        Vorlesen::Legende(lblComp_[i], i, stand_);
        Barrierefreiheit::benenneZelle(lblKomb1_[i], QStringLiteral("Lösung, Feld %1").arg(i + 1));
    }
}

frmQuorbix::~frmQuorbix() {
    // Nothing may call back into a window that is going away.
    stand_.Aktivität = nullptr;
}

void frmQuorbix::erzeugeSteuerelemente() {
    using ui::LabelArt;
    const QColor knopfFläche = Systemfarbe(QPalette::Button);
    const auto label = [](QWidget* eltern, const QString& name, const QRect& lage,
                          const QString& text, const LabelArt& art, const QColor& hinten,
                          const QColor& vorn = Qt::black) {
        QLabel* l = ui::neuesLabel(eltern, name, lage, text, art);
        ui::setzeHintergrund(l, hinten);
        ui::setzeTextfarbe(l, vorn);
        return l;
    };
    const LabelArt zelle{13.5};
    const LabelArt text12{12};

    // On the window.
    lblKomb1_[0] = label(zentrale_, QStringLiteral("lblKomb1(0)"), twRect(600, 240, 375, 375),
                         QStringLiteral(" "), zelle, Qt::white);
    lblLösung_ = label(zentrale_, QStringLiteral("lblLösung"), twRect(3960, 240, 2415, 375),
                       QStringLiteral(" "), text12, knopfFläche, QColor(0, 0, 255));
    lblNr_[0] = label(zentrale_, QStringLiteral("lblNr(0)"), twRect(120, 840, 375, 375),
                      QStringLiteral(" 1)"), LabelArt{9.75, true, true, ui::Ausrichtung::Rechts},
                      knopfFläche, QColor(64, 0, 0));
    lblVersuch_.assign(MaxFelder * MaxZüge, nullptr);
    lblVersuch_[0] = label(zentrale_, QStringLiteral("lblVersuch(0)"), twRect(600, 840, 375, 375),
                           QStringLiteral(" "), zelle, ui::PaletteFarbe(PaletteHellgrau));
    lblSchwarz_.push_back(label(zentrale_, QStringLiteral("lblSchwarz(0)"),
                                twRect(8280, 360, 195, 195), QStringLiteral(" "), LabelArt{9.75},
                                Systemfarbe(QPalette::ButtonText)));
    lblSchwarz_[0]->hide();
    const QColor hervorText = Systemfarbe(QPalette::HighlightedText);
    lblWeiße_.push_back(label(zentrale_, QStringLiteral("lblWeiße(0)"), twRect(8520, 360, 195, 195),
                              QStringLiteral(" "), LabelArt{8.25, false}, hervorText, hervorText));
    lblWeiße_[0]->hide();

    fraComp_ = new QGroupBox(zentrale_);
    fraComp_->setObjectName(QStringLiteral("fraComp"));
    fraComp_->setGeometry(twRect(5175, 1080, 5055, 4785));
    fraComp_->setFont(ui::Schrift(12));
    ui::setzeHintergrund(fraComp_, knopfFläche);

    // Inside the panel.
    lblComp_[0] = label(fraComp_, QStringLiteral("lblComp(0)"), twRect(135, 315, 375, 375),
                        QString(), zelle, Qt::white);
    Line1_ = new QFrame(fraComp_);
    Line1_->setObjectName(QStringLiteral("Line1"));
    Line1_->setFrameShape(QFrame::HLine);
    Line1_->setFrameShadow(QFrame::Sunken);
    Line1_->setGeometry(0, ui::tw(765) - 1, ui::tw(5040), 2);
    for (int f = 0; f < MaxFelder; ++f) {
        lblMen_[f] =
            label(fraComp_, ui::Elementname("lblMen", f), twRect(PanelSpalte(f), 840, 375, 375),
                  QStringLiteral("1"), zelle, knopfFläche);
        updM_[f] = new Drehfeld(fraComp_);
        updM_[f]->setObjectName(ui::Elementname("updM", f));
        updM_[f]->setGeometry(twRect(PanelSpalte(f) + 360, 840, 270, 375));
        updM_[f]->setMinimum(1);
        updM_[f]->setMaximum(1);
        updM_[f]->binde(lblMen_[f], Drehfeld::Bindung::Beschriftung);
        connect(updM_[f], &Drehfeld::valueChanged, this, [this, f] { updM_Change(f); });
        if (f > 0) {
            lblMen_[f]->hide();
            updM_[f]->hide();
        }
    }
    texLösung_ = label(fraComp_, QStringLiteral("texLösung"), twRect(120, 1395, 3105, 375),
                       QStringLiteral(" "), text12, ui::PaletteFarbe(PaletteHellgrau));
    Zugfeld_ = label(fraComp_, QStringLiteral("Zugfeld"), twRect(120, 1980, 3105, 375), QString(),
                     text12, Qt::white);
    Zugfeld_->hide();
    texSchwarze_ = label(fraComp_, QStringLiteral("texSchwarze"), twRect(120, 2610, 2295, 375),
                         QStringLiteral("Anzahl Schwarze:"), text12, Qt::black, Qt::white);
    lblSchw_ = label(fraComp_, QStringLiteral("lblSchw"), twRect(2670, 2610, 375, 375),
                     QStringLiteral(" "), text12, knopfFläche);
    texWeiße_ = label(fraComp_, QStringLiteral("texWeiße"), twRect(120, 3210, 2295, 375),
                      QStringLiteral("Anzahl Weiße:"), text12, Qt::white);
    lblWeiß_ = label(fraComp_, QStringLiteral("lblWeiß"), twRect(2670, 3210, 375, 375),
                     QStringLiteral(" "), text12, knopfFläche);
    updSchw_ = new Drehfeld(fraComp_);
    updSchw_->setObjectName(QStringLiteral("updSchw"));
    updSchw_->setGeometry(twRect(3030, 2610, 240, 375));
    updWeiß_ = new Drehfeld(fraComp_);
    updWeiß_->setObjectName(QStringLiteral("updWeiß"));
    updWeiß_->setGeometry(twRect(3030, 3210, 270, 375));
    for (Drehfeld* d : {updSchw_, updWeiß_}) {
        d->setMinimum(0);
        d->setMaximum(stand_.AnzahlFelder);
    }
    updSchw_->binde(lblSchw_, Drehfeld::Bindung::Beschriftung);
    updWeiß_->binde(lblWeiß_, Drehfeld::Bindung::Beschriftung);
    connect(updSchw_, &Drehfeld::valueChanged, this,
            [this] { updAntwort_Change(updSchw_, updWeiß_); });
    connect(updWeiß_, &Drehfeld::valueChanged, this,
            [this] { updAntwort_Change(updWeiß_, updSchw_); });

    struct Knopfdaten {
        int links, oben, breite, höhe;
        const char* text;
        const char* tipp;
    };
    static constexpr std::array<Knopfdaten, Knopfzahl> knöpfe{{
        {3825, 1395, 1095, 615, "Weiter", nullptr},
        {3825, 2205, 1095, 630, "Richtig geraten", "Computer hat richtig geraten"},
        {120, 3930, 1095, 615, "Neues Spiel", "Neues Spiel starten"},
        {3825, 3060, 1095, 615, "Hilfe", "Schwarze und Weiße auszählen"},
        {1355, 3930, 1095, 615, "Zug zurück", "Letzten Zug zuürck nehmen"},
        {2590, 3915, 1095, 630, "Stop", nullptr},
        {3825, 3915, 1095, 615, "Einstel-lungen", "Schwierigkeitsstufe einstellen"},
    }};
    for (int i = 0; i < Knopfzahl; ++i) {
        const Knopfdaten& k = knöpfe[static_cast<std::size_t>(i)];
        cmdFertig_[i] = new Knopf(QString::fromUtf8(k.text), fraComp_);
        cmdFertig_[i]->setObjectName(ui::Elementname("cmdFertig", i));
        cmdFertig_[i]->setGeometry(twRect(k.links, k.oben, k.breite, k.höhe));
        cmdFertig_[i]->setFont(ui::Schrift(12));
        if (k.tipp != nullptr) {
            cmdFertig_[i]->setToolTip(QString::fromUtf8(k.tipp));
        }
        connect(cmdFertig_[i], &QPushButton::clicked, this, [this, i] { cmdFertig_Click(i); });
    }
    // "Zug zurück" is the window's default and cancel button.
    knopf(Korrekturknopf)->setDefault(true);
    for (const auto taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto* kürzel = new QShortcut(QKeySequence(taste), this);
        connect(kürzel, &QShortcut::activated, this, [this] {
            if (knopf(Korrekturknopf)->isEnabled()) {
                knopf(Korrekturknopf)->click();
            }
        });
    }

    // What a screen reader hears; the elements created later are named likewise.
    using Barrierefreiheit::benenneMitText;
    using Barrierefreiheit::benenneZelle;
    benenneZelle(lblKomb1_[0], QStringLiteral("Lösung, Feld 1"));
    Vorlesen::Zeilennummer(lblNr_[0], 1, stand_);
    benenneZelle(lblVersuch_[0], QStringLiteral("Zug 1, Feld 1"));
    Vorlesen::Stift(lblSchwarz_[0], true);
    Vorlesen::Stift(lblWeiße_[0], false);
    Vorlesen::Legende(lblComp_[0], 0, stand_);
    for (int f = 0; f < MaxFelder; ++f) {
        benenneZelle(lblMen_[f], QStringLiteral("Eingabe, Feld %1").arg(f + 1));
        updM_[f]->setAccessibleName(QStringLiteral("Feld %1").arg(f + 1));
        updM_[f]->setAccessibleDescription(
            QStringLiteral("Pfeil nach oben oder unten wählt das Symbol für Feld %1").arg(f + 1));
    }
    benenneMitText(texLösung_, QStringLiteral("Hinweis"));
    benenneMitText(Zugfeld_, QStringLiteral("Zug des Computers"));
    benenneMitText(lblSchw_, QStringLiteral("Anzahl Schwarze"));
    benenneMitText(lblWeiß_, QStringLiteral("Anzahl Weiße"));
    updSchw_->setAccessibleName(QStringLiteral("Anzahl Schwarze"));
    updSchw_->setAccessibleDescription(
        QStringLiteral("Wie viele Stifte das richtige Symbol am richtigen Platz haben"));
    updWeiß_->setAccessibleName(QStringLiteral("Anzahl Weiße"));
    updWeiß_->setAccessibleDescription(
        QStringLiteral("Wie viele Stifte das richtige Symbol am falschen Platz haben"));
    Vorlesen::Knöpfe(cmdFertig_, stand_);
}

// ---------------------------------------------------------------- display

void frmQuorbix::zeigeSymbol(QLabel* zelle, int symbol) const {
    if (stand_.Farben) {
        ui::setzeHintergrund(zelle, symbolFarbe(symbol));
        zelle->setText(QString());
    } else {
        zelle->setText(QString::number(symbol));
        ui::setzeHintergrund(zelle, Qt::white);
    }
}

QColor frmQuorbix::symbolFarbe(int symbol) const {
    if (symbol < 1 || symbol > MaxFarben) {
        return Qt::white;
    }
    return ui::PaletteFarbe(stand_.Farbtabelle[static_cast<std::size_t>(symbol)]);
}

int frmQuorbix::eingabeSymbol(int feld) const {
    const QLabel* zelle = lblMen_[static_cast<std::size_t>(feld)];
    const QString text = stand_.Farben ? ui::Tag(zelle) : zelle->text();
    return TextGanzzahl(text.toStdString());
}

Reihe frmQuorbix::eingabe() const {
    Reihe reihe{};
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        reihe[f] = static_cast<std::int16_t>(eingabeSymbol(f - 1));
    }
    return reihe;
}

QLabel* frmQuorbix::zelle(int feld, int zug) const {
    return lblVersuch_.at(static_cast<std::size_t>(feld * MaxZüge + zug - 1));
}

void frmQuorbix::Start() {
    const int felder = stand_.AnzahlFelder;
    const int farben = stand_.AnzahlFarben;
    updSchw_->setMaximum(felder);
    updWeiß_->setMaximum(felder);
    stand_.Neubeginn(zufall_);

    for (int k = 0; k < farben; ++k) {
        lblComp_[k]->show();
        if (stand_.Farben) {
            ui::setzeHintergrund(lblComp_[k], symbolFarbe(k + 1));
        } else {
            lblComp_[k]->setText(QString::number(k + 1));
        }
    }
    for (int k = 0; k < felder; ++k) {
        lblKomb1_[k]->show();
        lblKomb1_[k]->setText(QStringLiteral("?"));
        ui::setzeHintergrund(lblKomb1_[k], Qt::white);
        updM_[k]->setMaximum(farben);
        lblMen_[k]->show();
        ui::setzeHintergrund(lblMen_[k], Qt::white);
        if (stand_.Farben) {
            lblMen_[k]->setText(QString());
            updM_[k]->binde(lblMen_[k], Drehfeld::Bindung::Tag);
        } else {
            updM_[k]->binde(lblMen_[k], Drehfeld::Bindung::Beschriftung);
        }
        updM_[k]->setzeGebundenenText(QStringLiteral("1"));
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
        updM_[k]->show();
    }

    const bool mensch = stand_.Mensch;
    Zugfeld_->setVisible(!mensch);
    lblLösung_->setText(mensch ? QStringLiteral("Computerlösung")
                               : QStringLiteral("Deine Kombination"));
    fraComp_->setTitle(mensch ? QStringLiteral(" Mensch überlegt : ")
                              : QStringLiteral(" Computer überlegt : "));
    texLösung_->setText(mensch ? QStringLiteral(" Dein 1.Versuch !")
                               : QStringLiteral(" Deine Kombination ?"));
    knopf(Hauptknopf)->setText(mensch ? QStringLiteral("Weiter") : QStringLiteral("Start"));
    knopf(Richtigknopf)
        ->setText(mensch ? QStringLiteral("Auf- lösung") : QStringLiteral("Alle richtig"));
    updSchw_->setEnabled(false);
    updWeiß_->setEnabled(false);
    Zugfeld_->setText(QString());
    ui::setzeHintergrund(Zugfeld_, Qt::white);
    fraComp_->setTitle(
        fraComp_->title() + QString::number(farben) +
        (farben == 1 ? QStringLiteral(" Farbe/Zahl") : QStringLiteral(" Farben/Zahlen")));
    fraComp_->move(ui::tw(PanelLinks(felder)), fraComp_->y());
    for (Knopfnummer k : {Richtigknopf, Hilfeknopf, Korrekturknopf, Stopknopf}) {
        knopf(k)->setEnabled(false);
    }
    knopf(Einstellungsknopf)->setEnabled(true);
    lblLösung_->move(ui::tw(RechtsVomBrett(felder)), lblLösung_->y());
    updSchw_->setzeGebundenenText(QStringLiteral("0"));
    updWeiß_->setzeGebundenenText(QStringLiteral("0"));
    Blink();
}

void frmQuorbix::Zeigezug() {
    if (stand_.Mensch) {
        stand_.Eingabe(eingabe());
    }
    zeigeZug(stand_.Zug);
}

void frmQuorbix::zeigeZug(int zug) {
    if (!stand_.Farben) {
        Zugfeld_->setText(QString());
    }
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        const int symbol = stand_.Kombination[zug][f];
        zeigeSymbol(zelle(f - 1, zug), symbol);
        if (!stand_.Mensch) {
            // The computer's guess also stands in the panel's top row.
            zeigeSymbol(lblComp_[f - 1], symbol);
            if (!stand_.Farben) {
                Zugfeld_->setText(Zugfeld_->text() + QString::number(symbol));
            }
        }
    }
}

QLabel* frmQuorbix::neuerPin(std::vector<QLabel*>& pins, int index) {
    if (index == 0) {
        return pins[0];
    }
    if (pins.size() <= static_cast<std::size_t>(index)) {
        pins.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    QLabel*& pin = pins[static_cast<std::size_t>(index)];
    if (pin == nullptr) {
        const QString name = pins[0]->objectName().section(QLatin1Char('('), 0, 0);
        pin = ui::kopiereLabel(pins[0], QStringLiteral("%1(%2)").arg(name).arg(index));
        Vorlesen::Stift(pin, &pins == &lblSchwarz_);
    }
    return pin;
}

void frmQuorbix::entfernePins(std::vector<QLabel*>& pins, int von, int bis) {
    for (int k = std::max(von, 0); k < bis && static_cast<std::size_t>(k) < pins.size(); ++k) {
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

void frmQuorbix::zeichnePins(int zug) {
    // The pegs of the newest answer are the last ones counted on the board.
    int links = RechtsVomBrett(stand_.AnzahlFelder);
    const int oben = ui::tw(ZeileOben(zug - 1));
    const auto setze = [&](std::vector<QLabel*>& pins, int gezählt, int anzahl) {
        for (int k = gezählt - anzahl; k < gezählt; ++k) {
            QLabel* pin = neuerPin(pins, k);
            pin->move(ui::tw(links), oben);
            pin->show();
            links += PinAbstand;
        }
    };
    setze(lblSchwarz_, stand_.ZahlSchwarzPins, stand_.AntwortSchwarz[zug]);
    setze(lblWeiße_, stand_.ZahlWeißPins, stand_.AntwortWeiß[zug]);
}

void frmQuorbix::ZeigeWS() {
    stand_.Antwort(TextGanzzahl(lblSchw_->text().toStdString()),
                   TextGanzzahl(lblWeiß_->text().toStdString()));
    zeichnePins(stand_.Zug);
    QCoreApplication::processEvents();
}

void frmQuorbix::Auflösung() {
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        QLabel* lösung = lblKomb1_[f - 1];
        for (int i = 0; i < 10; ++i) {
            ui::setzeHintergrund(lösung, ui::PaletteFarbe(zufall_.Bis(15)));
            ui::sofortZeichnen(lösung);
        }
        zeigeSymbol(lösung, stand_.Kombination[0][f]);
    }
}

void frmQuorbix::Blink() {
    for (int i = 0; i < 20; ++i) {
        const int farbe = zufall_.Rnd() < 0.5 ? PaletteDunkelgelb : PaletteHellgrau;
        ui::setzeHintergrund(texLösung_, ui::PaletteFarbe(farbe));
        ui::sofortZeichnen(texLösung_);
    }
    ui::setzeHintergrund(texLösung_, ui::PaletteFarbe(PaletteHellrot));
}

void frmQuorbix::Lösch() {
    lblVersuch_[0]->setText(QString());
    ui::setzeHintergrund(lblVersuch_[0], ui::PaletteFarbe(PaletteHellgrau));
    for (int i = 0; i < stand_.AnzahlFelder; ++i) {
        lblMen_[i]->setText(QString());
        lblMen_[i]->hide();
        updM_[i]->hide();
        for (int j = 0; j < MaxZüge; ++j) {
            QLabel*& neu = lblVersuch_[static_cast<std::size_t>(i * MaxZüge + j)];
            if (i * MaxZüge + j != 0 && neu != nullptr) {
                delete neu;
                neu = nullptr;
            }
        }
    }
    for (int i = 0; i < MaxFelder; ++i) {
        lblComp_[i]->hide();
        lblComp_[i]->setText(QString());
        ui::setzeHintergrund(lblComp_[i], Qt::white);
        lblKomb1_[i]->hide();
    }
    if (stand_.Zug == 0) {
        return;
    }
    entfernePins(lblSchwarz_, 1, stand_.ZahlSchwarzPins);
    lblSchwarz_[0]->hide();
    entfernePins(lblWeiße_, 1, stand_.ZahlWeißPins);
    lblWeiße_[0]->hide();
}

void frmQuorbix::zeigeAntwort(int schwarz, int weiß) {
    updSchw_->setzeGebundenenText(QString::number(schwarz));
    updWeiß_->setzeGebundenenText(QString::number(weiß));
}

void frmQuorbix::setzeAntwort(int schwarz, int weiß) {
    updSchw_->setValue(schwarz);
    updWeiß_->setValue(weiß);
    zeigeAntwort(schwarz, weiß);
}

void frmQuorbix::zeigeZugfeld(const QString& text) {
    Zugfeld_->setText(text);
    ui::setzeHintergrund(Zugfeld_, ui::PaletteFarbe(PaletteWeiß));
}

// ---------------------------------------------------------------- turns

void frmQuorbix::cmdFertig_Click(int Index) {
    if (Index < 0 || Index >= Knopfzahl || !cmdFertig_[Index]->isEnabled() || endeAngefordert_) {
        return;
    }
    // While another handler waits in the event loop (the search, or the
    // pegs being painted), only "Stop" may act: anything else would change
    // the game under the waiting handler.
    if (handlerTiefe_ > 0 && Index != Stopknopf) {
        return;
    }
    {
        Tiefe tiefe(handlerTiefe_);
        switch (Index) {
        case Hauptknopf:
            if (stand_.Zug == 0) {
                ersterZug();
            } else if (stand_.Mensch) {
                menschRät();
            } else {
                computerRät();
            }
            break;
        case Richtigknopf:
            if (stand_.Mensch) {
                spielEnde(QStringLiteral("Du Flasche !"));
            } else {
                zeigeAntwort(stand_.AnzahlFelder, 0);
                Computersieg();
            }
            break;
        case NeuesSpielKnopf:
            Lösch();
            Start();
            break;
        case Hilfeknopf:
            hilfe();
            break;
        case Korrekturknopf:
            zugZurück();
            break;
        case Stopknopf:
            stand_.Anhalten();
            break;
        case Einstellungsknopf:
            einstellungen();
            break;
        }
    }
    if (handlerTiefe_ == 0 && endeAngefordert_) {
        close();
    }
}

void frmQuorbix::ersterZug() {
    const int felder = stand_.AnzahlFelder;
    if (!stand_.Mensch) {
        updSchw_->setEnabled(true);
        updWeiß_->setEnabled(true);
        knopf(Hilfeknopf)->setEnabled(true);
        texLösung_->setText(QStringLiteral("Deine 1. Antwort ?"));
        for (int k = 0; k < MaxFelder; ++k) {
            lblComp_[k]->setVisible(k < felder);
        }
    }
    knopf(Richtigknopf)->setEnabled(true);
    knopf(Hauptknopf)->setText(QStringLiteral("Weiter"));
    knopf(Einstellungsknopf)->setEnabled(false);
    stand_.ErsterZug();
    Zeigezug();
    if (!stand_.Mensch) {
        for (int p = 0; p < felder; ++p) {
            lblKomb1_[p]->setText(lblMen_[p]->text());
            ui::setzeHintergrund(lblKomb1_[p], ui::Hintergrund(lblMen_[p]));
            updM_[p]->hide();
        }
    }
}

void frmQuorbix::menschRät() {
    const int zug = stand_.Zug;
    const Rateausgang ausgang = stand_.MenschRät(eingabe());
    zeigeZug(zug);
    zeigeAntwort(stand_.Schwarze, stand_.Weiße);
    zeichnePins(zug);
    QCoreApplication::processEvents();
    if (beendet()) {
        return;
    }
    if (ausgang == Rateausgang::Erraten) {
        spielEnde(QString::fromUtf8(Bewertung(zug).data()));
        return;
    }
    texLösung_->setText(QStringLiteral("Dein %1. Versuch !").arg(stand_.Zug));
    Blink();
    if (ausgang == Rateausgang::Vorbei) {
        spielEnde(QStringLiteral("Tut mir leid. Mehr Versuche gibts nicht !"));
    }
}

void frmQuorbix::spielEnde(const QString& meldung) {
    Auflösung();
    Meldung(this, meldung);
    Lösch();
    Start();
}

void frmQuorbix::computerRät() {
    texLösung_->setText(QString());
    if (stand_.Farben) {
        Zugfeld_->setText(QStringLiteral("Ich denke ..."));
    }
    if (!stand_.Unterbrochen()) {
        ZeigeWS();
        if (beendet()) {
            return;
        }
    }
    if (stand_.AllesSchwarz()) {
        Computersieg();
        return;
    }
    sucheNächstenZug();
}

void frmQuorbix::sucheNächstenZug() {
    std::array<bool, Stopknopf> vorher{};
    for (int i = 0; i < Stopknopf; ++i) {
        vorher[i] = cmdFertig_[i]->isEnabled();
        cmdFertig_[i]->setEnabled(false);
    }
    knopf(Stopknopf)->setEnabled(true);
    sucheLäuft_ = true;
    aktivitätsUhr_.invalidate();
    const Suchausgang ausgang = stand_.Suche();
    sucheLäuft_ = false;
    for (int i = 0; i < Stopknopf; ++i) {
        cmdFertig_[i]->setEnabled(vorher[i]);
    }
    knopf(Stopknopf)->setEnabled(false);
    if (beendet()) {
        return;
    }

    switch (ausgang) {
    case Suchausgang::Unterbrochen:
        zeigeZugfeld(QStringLiteral("Unterbrechung !"));
        break;
    case Suchausgang::Widerspruch: {
        stand_.AngabenFalsch();
        Meldung(this, QStringLiteral("Die Angaben sind falsch ! "));
        AntwortZurücknehmen();
        break;
    }
    case Suchausgang::Gefunden:
        if (!stand_.NimmKandidat()) {
            spielEnde(QStringLiteral("Tut mir leid. Mehr Versuche gibts nicht !"));
            break;
        }
        if (beendet()) {
            return;
        }
        zeigeZug(stand_.Zug);
        zeigeZugfeld(QStringLiteral("Was nun ?"));
        texLösung_->setText(QStringLiteral("Deine %1. Antwort ?").arg(stand_.Zug));
        Blink();
        zeigeAntwort(0, 0);
        knopf(Korrekturknopf)->setEnabled(stand_.ZugZurückMöglich());
        break;
    }
}

void frmQuorbix::Computersieg() {
    ZeigeWS();
    if (beendet()) {
        return;
    }
    Meldung(this, QStringLiteral("Bin ich nicht gut ?"));
    Lösch();
    Start();
}

void frmQuorbix::hilfe() {
    Reihe code{};
    for (int p = 1; p <= stand_.AnzahlFelder; ++p) {
        const QString text = stand_.Farben ? ui::Tag(lblMen_[p - 1]) : lblKomb1_[p - 1]->text();
        code[p] = TextGanzzahl(text.toStdString());
    }
    stand_.ZähleGegen(code);
    setzeAntwort(stand_.Schwarze, stand_.Weiße);
}

void frmQuorbix::zugZurück() {
    const int zug = stand_.Zug;
    const bool unterbrochen = stand_.Unterbrochen();
    if (!stand_.ZugZurück()) {
        return;
    }
    if (!unterbrochen) {
        // The move leaves the board; the panel shows the guess the search
        // restarts from.
        for (int p = 0; p < stand_.AnzahlFelder; ++p) {
            zelle(p, zug)->setText(QString());
            ui::setzeHintergrund(zelle(p, zug), ui::PaletteFarbe(PaletteHellgrau));
            zeigeSymbol(lblComp_[p], stand_.Kombination[zug - 1][p + 1]);
        }
    }
    texLösung_->setText(QStringLiteral("Deine %1. Antwort ?").arg(stand_.Zug));
    AntwortZurücknehmen();
}

void frmQuorbix::AntwortZurücknehmen() {
    // The state has reopened the answer of move Zug already: the pegs beyond
    // its counts are that answer's.
    const int zug = stand_.Zug;
    zeigeZugfeld(QStringLiteral("Was nun ?"));
    entfernePins(lblSchwarz_, stand_.ZahlSchwarzPins, static_cast<int>(lblSchwarz_.size()));
    entfernePins(lblWeiße_, stand_.ZahlWeißPins, static_cast<int>(lblWeiße_.size()));
    knopf(Korrekturknopf)->setEnabled(stand_.ZugZurückMöglich());
    setzeAntwort(stand_.AntwortSchwarz[zug], stand_.AntwortWeiß[zug]);
}

void frmQuorbix::updAntwort_Change(Drehfeld* geändert, Drehfeld* anderes) {
    if (const auto wert =
            AntwortAusgleich(geändert->value(), anderes->value(), stand_.AnzahlFelder)) {
        anderes->setValue(*wert);
    }
}

void frmQuorbix::updM_Change(int Index) {
    if (Index < 0 || Index >= MaxFelder || !stand_.Farben) {
        return;
    }
    const int wert = updM_[Index]->value();
    ui::setzeHintergrund(lblMen_[Index], symbolFarbe(wert));
    ui::setzeTag(lblMen_[Index], QString::number(wert));
}

void frmQuorbix::einstellungen() {
    Lösch();
    frmEinstellungen dialog(
        stand_,
        [this](const Einstellungen& neu) {
            setMensch(neu.Mensch);
            setFarben(neu.Farben);
            setAnzahlFarben(neu.AnzahlFarben);
            setAnzahlFelder(neu.AnzahlFelder);
            Start();
        },
        this);
    dialog.exec();
}

// ---------------------------------------------------------------- menus

void frmQuorbix::mnuInfo_Click() {
    if (info_ == nullptr) {
        info_ = new frmInfo(
            [this] {
                frmSearch fenster(AnzahlFelder(), AnzahlFarben());
                fenster.exec();
            },
            this);
    }
    info_->exec();
}

void frmQuorbix::mnuEnde_Click() {
    close();
}

void frmQuorbix::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (!ereignis->spontaneous() && !zentriert_) {
        // The window manager's frame is known only now: centre by the outer size.
        zentriert_ = true;
        ui::zentriereAufBildschirm(this);
    }
}

void frmQuorbix::closeEvent(QCloseEvent* ereignis) {
    if (handlerTiefe_ > 0) {
        // A handler is waiting in the event loop (the search, most likely):
        // stop it and close once it has returned.
        endeAngefordert_ = true;
        stand_.Anhalten();
        hide();
        ereignis->ignore();
        return;
    }
    ereignis->accept();
}
