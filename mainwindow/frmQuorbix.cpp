#include "mainwindow/frmQuorbix.h"

#include "dialogs/Barrierefreiheit.h"
#include "dialogs/Drehfeld.h"
#include "dialogs/Steuerelemente.h"
#include "dialogs/frmEinstellungen.h"
#include "dialogs/frmInfo.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/Knopf.h"
#include "mainwindow/Meldung.h"
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
            ui::setzeHintergrund(
                Zugfeld_, ui::PaletteFarbe(stand_.Farbtabelle.at(
                              static_cast<std::size_t>(zufall_.Symbol(stand_.AnzahlFarben)))));
        }
        QCoreApplication::processEvents();
    };

    // Loading: the defaults are those of Spielstand; centre, then the labels.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    ui::zentriereAufBildschirm(this);
    for (int i = 1; i <= 13; ++i) {
        lblNr_[i] = ui::kopiereLabel(lblNr_[0], ui::Elementname("lblNr", i));
        lblNr_[i]->setText(QStringLiteral("%1)").arg(i + 1));
        lblNr_[i]->move(ui::tw(120), ui::tw(840 + 480 * i));
        lblNr_[i]->show();
        Vorlesen::Zeilennummer(lblNr_[i], i + 1, stand_);
    }
    for (int i = 1; i <= 7; ++i) {
        lblComp_[i] = ui::kopiereLabel(lblComp_[0], ui::Elementname("lblComp", i));
        lblComp_[i]->move(ui::tw(120 + 600 * i), lblComp_[0]->y());
        lblKomb1_[i] = ui::kopiereLabel(lblKomb1_[0], ui::Elementname("lblKomb1", i));
        lblKomb1_[i]->move(ui::tw(600 + 360 * i), lblKomb1_[0]->y());
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
            label(fraComp_, ui::Elementname("lblMen", f), twRect(120 + 600 * f, 840, 375, 375),
                  QStringLiteral("1"), zelle, knopfFläche);
        updM_[f] = new Drehfeld(fraComp_);
        updM_[f]->setObjectName(ui::Elementname("updM", f));
        updM_[f]->setGeometry(twRect(480 + 600 * f, 840, 270, 375));
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
    static constexpr std::array<Knopfdaten, 7> knöpfe{{
        {3825, 1395, 1095, 615, "Weiter", nullptr},
        {3825, 2205, 1095, 630, "Richtig geraten", "Computer hat richtig geraten"},
        {120, 3930, 1095, 615, "Neues Spiel", "Neues Spiel starten"},
        {3825, 3060, 1095, 615, "Hilfe", "Schwarze und Weiße auszählen"},
        {1355, 3930, 1095, 615, "Zug zurück", "Letzten Zug zuürck nehmen"},
        {2590, 3915, 1095, 630, "Stop", nullptr},
        {3825, 3915, 1095, 615, "Einstel-lungen", "Schwierigkeitsstufe einstellen"},
    }};
    for (int i = 0; i < 7; ++i) {
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
    cmdFertig_[4]->setDefault(true);
    for (const auto taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto* kürzel = new QShortcut(QKeySequence(taste), this);
        connect(kürzel, &QShortcut::activated, this, [this] {
            if (cmdFertig_[4]->isEnabled()) {
                cmdFertig_[4]->click();
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
            QLabel* zelle = ui::kopiereLabel(lblVersuch_[0], ui::Elementname("lblVersuch", index));
            Barrierefreiheit::benenneZelle(zelle,
                                           QStringLiteral("Zug %1, Feld %2").arg(r + 1).arg(k + 1));
            ui::setzeHintergrund(zelle, ui::PaletteFarbe(PaletteHellgrau));
            zelle->move(ui::tw(600 + 360 * k), ui::tw(840 + 480 * r));
            zelle->show();
            lblVersuch_[static_cast<std::size_t>(index)] = zelle;
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
    cmdFertig_[0]->setText(mensch ? QStringLiteral("Weiter") : QStringLiteral("Start"));
    cmdFertig_[1]->setText(mensch ? QStringLiteral("Auf- lösung") : QStringLiteral("Alle richtig"));
    updSchw_->setEnabled(false);
    updWeiß_->setEnabled(false);
    Zugfeld_->setText(QString());
    ui::setzeHintergrund(Zugfeld_, Qt::white);
    fraComp_->setTitle(
        fraComp_->title() + QString::number(farben) +
        (farben == 1 ? QStringLiteral(" Farbe/Zahl") : QStringLiteral(" Farben/Zahlen")));
    fraComp_->move(ui::tw(2600 + 380 * felder), fraComp_->y());
    for (int i : {1, 3, 4, 5}) {
        cmdFertig_[i]->setEnabled(false);
    }
    cmdFertig_[6]->setEnabled(true);
    lblLösung_->move(ui::tw(620 + 380 * felder), lblLösung_->y());
    updSchw_->setzeGebundenenText(QStringLiteral("0"));
    updWeiß_->setzeGebundenenText(QStringLiteral("0"));
    Blink();
}

void frmQuorbix::Zeigezug() {
    const int zug = stand_.Zug;
    if (!stand_.Farben) {
        Zugfeld_->setText(QString());
    }
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        QLabel* zelle = lblVersuch_.at(static_cast<std::size_t>((f - 1) * MaxZüge + zug - 1));
        if (stand_.Mensch) {
            stand_.Kombination[zug][f] = static_cast<std::int16_t>(eingabeSymbol(f - 1));
        }
        const int symbol = stand_.Kombination[zug][f];
        if (stand_.Farben) {
            if (!stand_.Mensch) {
                ui::setzeHintergrund(lblComp_[f - 1], symbolFarbe(symbol));
            }
            ui::setzeHintergrund(zelle, symbolFarbe(symbol));
        } else {
            zelle->setText(QString::number(symbol));
            ui::setzeHintergrund(zelle, Qt::white);
            if (!stand_.Mensch) {
                lblComp_[f - 1]->setText(QString::number(symbol));
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

void frmQuorbix::ZeigeWS() {
    const int zug = stand_.Zug;
    int pinLinks = stand_.AnzahlFelder * 380 + 620;
    stand_.AntwortSchwarz[zug] = TextGanzzahl(lblSchw_->text().toStdString());
    stand_.AntwortWeiß[zug] = TextGanzzahl(lblWeiß_->text().toStdString());
    const int oben = ui::tw((zug - 1) * 480 + 840);
    const auto setze = [&](std::vector<QLabel*>& pins, std::int16_t& zahl, int anzahl) {
        for (int i = 0; i < anzahl; ++i) {
            QLabel* pin = neuerPin(pins, zahl);
            pin->move(ui::tw(pinLinks), oben);
            pin->show();
            pinLinks += 220;
            ++zahl;
        }
    };
    setze(lblSchwarz_, stand_.ZahlSchwarzPins, stand_.AntwortSchwarz[zug]);
    setze(lblWeiße_, stand_.ZahlWeißPins, stand_.AntwortWeiß[zug]);
    QCoreApplication::processEvents();
}

void frmQuorbix::Auflösung() {
    for (int f = 1; f <= stand_.AnzahlFelder; ++f) {
        QLabel* zelle = lblKomb1_[f - 1];
        for (int i = 0; i < 10; ++i) {
            ui::setzeHintergrund(zelle, ui::PaletteFarbe(zufall_.Bis(15)));
            ui::sofortZeichnen(zelle);
        }
        const int symbol = stand_.Kombination[0][f];
        if (stand_.Farben) {
            ui::setzeHintergrund(zelle, symbolFarbe(symbol));
            zelle->setText(QString());
        } else {
            zelle->setText(QString::number(symbol));
            ui::setzeHintergrund(zelle, Qt::white);
        }
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
            QLabel*& zelle = lblVersuch_[static_cast<std::size_t>(i * MaxZüge + j)];
            if (i * MaxZüge + j != 0 && zelle != nullptr) {
                delete zelle;
                zelle = nullptr;
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

// ---------------------------------------------------------------- turns

void frmQuorbix::cmdFertig_Click(int Index) {
    if (Index < 0 || Index > 6 || !cmdFertig_[Index]->isEnabled() || endeAngefordert_) {
        return;
    }
    // While another handler waits in the event loop (the search, or the
    // pegs being painted), only "Stop" may act: anything else would change
    // the game under the waiting handler.
    if (handlerTiefe_ > 0 && Index != 5) {
        return;
    }
    {
        Tiefe tiefe(handlerTiefe_);
        switch (Index) {
        case 0:
            if (stand_.Zug == 0) {
                ersterZug();
            } else if (stand_.Mensch) {
                menschRät();
            } else {
                computerRät();
            }
            break;
        case 1:
            if (stand_.Mensch) {
                spielEnde(QStringLiteral("Du Flasche !"));
            } else {
                updSchw_->setzeGebundenenText(QString::number(stand_.AnzahlFelder));
                updWeiß_->setzeGebundenenText(QStringLiteral("0"));
                Computersieg();
            }
            break;
        case 2:
            Lösch();
            Start();
            break;
        case 3:
            hilfe();
            break;
        case 4:
            zugZurück();
            break;
        case 5:
            stand_.Abbruch = Wahr;
            break;
        case 6:
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
        cmdFertig_[3]->setEnabled(true);
        texLösung_->setText(QStringLiteral("Deine 1. Antwort ?"));
        for (int k = 0; k < MaxFelder; ++k) {
            lblComp_[k]->setVisible(k < felder);
        }
    }
    cmdFertig_[1]->setEnabled(true);
    cmdFertig_[0]->setText(QStringLiteral("Weiter"));
    cmdFertig_[6]->setEnabled(false);
    stand_.Zug = 1;
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
    for (int p = 1; p <= stand_.AnzahlFelder; ++p) {
        stand_.Kombination[stand_.Zug][p] = static_cast<std::int16_t>(eingabeSymbol(p - 1));
    }
    Zeigezug();
    stand_.BewerteZug();
    updSchw_->setzeGebundenenText(QString::number(stand_.Schwarze));
    updWeiß_->setzeGebundenenText(QString::number(stand_.Weiße));
    ZeigeWS();
    if (beendet()) {
        return;
    }
    if (stand_.Gelöst()) {
        Auflösung();
        Meldung(this, QString::fromUtf8(Bewertung(stand_.Zug).data()));
        Lösch();
        Start();
        return;
    }
    ++stand_.Zug;
    texLösung_->setText(QStringLiteral("Dein %1. Versuch !").arg(stand_.Zug));
    Blink();
    if (stand_.Zug == MaxZüge + 1) {
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
    if (stand_.Abbruch == 0) {
        ZeigeWS();
        if (beendet()) {
            return;
        }
    }
    if (stand_.AntwortSchwarz[stand_.Zug] == stand_.AnzahlFelder) {
        Computersieg();
        return;
    }
    sucheNächstenZug();
}

void frmQuorbix::sucheNächstenZug() {
    std::array<bool, 5> vorher{};
    for (int i = 0; i < 5; ++i) {
        vorher[i] = cmdFertig_[i]->isEnabled();
        cmdFertig_[i]->setEnabled(false);
    }
    cmdFertig_[5]->setEnabled(true);
    sucheLäuft_ = true;
    aktivitätsUhr_.invalidate();
    const Suchausgang ausgang = stand_.Suche();
    sucheLäuft_ = false;
    for (int i = 0; i < 5; ++i) {
        cmdFertig_[i]->setEnabled(vorher[i]);
    }
    cmdFertig_[5]->setEnabled(false);
    if (beendet()) {
        return;
    }

    switch (ausgang) {
    case Suchausgang::Unterbrochen:
        ui::setzeHintergrund(Zugfeld_, ui::PaletteFarbe(PaletteWeiß));
        Zugfeld_->setText(QStringLiteral("Unterbrechung !"));
        break;
    case Suchausgang::Widerspruch:
        Meldung(this, QStringLiteral("Die Angaben sind falsch ! "));
        stand_.KandidatAusZug(stand_.Zug);
        AntwortZurücknehmen();
        break;
    case Suchausgang::Gefunden:
        if (stand_.Zug >= MaxZüge) {
            spielEnde(QStringLiteral("Tut mir leid. Mehr Versuche gibts nicht !"));
            break;
        }
        stand_.KandidatAlsZug();
        Zeigezug();
        Zugfeld_->setText(QStringLiteral("Was nun ?"));
        ui::setzeHintergrund(Zugfeld_, ui::PaletteFarbe(PaletteWeiß));
        Neu();
        if (beendet()) {
            return;
        }
        texLösung_->setText(QStringLiteral("Deine %1. Antwort ?").arg(stand_.Zug));
        Blink();
        updSchw_->setzeGebundenenText(QStringLiteral("0"));
        updWeiß_->setzeGebundenenText(QStringLiteral("0"));
        if (stand_.Zug == 2) {
            cmdFertig_[4]->setEnabled(true);
        }
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
    setzeAntwort(updSchw_, stand_.Schwarze);
    setzeAntwort(updWeiß_, stand_.Weiße);
}

void frmQuorbix::setzeAntwort(Drehfeld* feld, int wert) {
    feld->setValue(wert);
    feld->setzeGebundenenText(QString::number(wert));
}

void frmQuorbix::zugZurück() {
    if (stand_.Mensch || stand_.Zug < 2) {
        return;
    }
    const int zug = stand_.Zug;
    for (int p = 0; p < stand_.AnzahlFelder; ++p) {
        if (stand_.Abbruch != 0) {
            stand_.Kombination[0][p + 1] = stand_.Kombination[zug][p + 1];
        } else {
            QLabel* zelle = lblVersuch_.at(static_cast<std::size_t>(p * MaxZüge + zug - 1));
            zelle->setText(QString());
            ui::setzeHintergrund(zelle, ui::PaletteFarbe(PaletteHellgrau));
            const int symbol = stand_.Kombination[zug - 1][p + 1];
            stand_.Kombination[0][p + 1] = static_cast<std::int16_t>(symbol);
            if (stand_.Farben) {
                ui::setzeHintergrund(lblComp_[p], symbolFarbe(symbol));
            } else {
                lblComp_[p]->setText(QString::number(symbol));
            }
        }
    }
    if (stand_.Abbruch != 0) {
        stand_.Abbruch = 0;
    } else {
        --stand_.Zug;
    }
    texLösung_->setText(QStringLiteral("Deine %1. Antwort ?").arg(stand_.Zug));
    AntwortZurücknehmen();
}

void frmQuorbix::AntwortZurücknehmen() {
    const int zug = stand_.Zug;
    Zugfeld_->setText(QStringLiteral("Was nun ?"));
    entfernePins(lblSchwarz_, stand_.ZahlSchwarzPins - stand_.AntwortSchwarz[zug],
                 stand_.ZahlSchwarzPins);
    entfernePins(lblWeiße_, stand_.ZahlWeißPins - stand_.AntwortWeiß[zug], stand_.ZahlWeißPins);
    stand_.AntwortZurücknehmen();
    if (zug == 1) {
        cmdFertig_[4]->setEnabled(false);
    }
    setzeAntwort(updSchw_, stand_.AntwortSchwarz[zug]);
    setzeAntwort(updWeiß_, stand_.AntwortWeiß[zug]);
}

void frmQuorbix::updAntwort_Change(Drehfeld* geändert, Drehfeld* anderes) {
    const int felder = stand_.AnzahlFelder;
    if (updSchw_->value() + updWeiß_->value() <= felder) {
        return;
    }
    if (geändert->value() == felder) {
        anderes->setValue(0);
    } else {
        anderes->setValue(anderes->value() - 1);
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
        stand_.Abbruch = Wahr;
        hide();
        ereignis->ignore();
        return;
    }
    ereignis->accept();
}
