#include "mainwindow/frmQuorbix.h"

#include "dialogs/frmEinstellungen.h"
#include "dialogs/frmInfo.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/Bedienfeld.h"
#include "mainwindow/Brettansicht.h"
#include "mainwindow/Knopf.h"
#include "mainwindow/Symbol.h"
#include "ui/Barrierefreiheit.h"
#include "ui/Drehfeld.h"
#include "ui/Meldung.h"
#include "ui/Steuerelemente.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

using namespace quorbix;

namespace {

const QString Fenstertitel = QStringLiteral("Quorbix! https://quorbix.example.org");

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
    brett_ = std::make_unique<Brettansicht>(zentrale_, stand_);
    feld_ = std::make_unique<Bedienfeld>(zentrale_, stand_);
    verbinde();

    // The search runs in slices between the window's events.
    suchtakt_ = new QTimer(this);
    suchtakt_->setInterval(0);
    connect(suchtakt_, &QTimer::timeout, this, [this] { sucheWeiter(); });
    stand_.Aktivität = [this] {
        // A screen shows at most one frame per 16 ms: more turns of the event
        // loop would only slow the search down many times over.
        if (aktivitätsUhr_.isValid() && aktivitätsUhr_.elapsed() < aktivitätsabstand_) {
            return false;
        }
        aktivitätsUhr_.start();
        feld_->zeigeAktivität(zufall_);
        return true;
    };

    // Loading: the defaults are those of Spielstand; centre the window.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    ui::zentriereAufBildschirm(this);
}

frmQuorbix::~frmQuorbix() {
    // Nothing may call back into a window that is going away.
    stand_.Aktivität = nullptr;
}

void frmQuorbix::verbinde() {
    for (int f = 0; f < MaxFelder; ++f) {
        connect(feld_->updM[f], &Drehfeld::valueChanged, this, [this, f] { updM_Change(f); });
    }
    Drehfeld* schwarz = feld_->updSchw;
    Drehfeld* weiß = feld_->updWeiß;
    connect(schwarz, &Drehfeld::valueChanged, this,
            [=, this] { updAntwort_Change(schwarz, weiß); });
    connect(weiß, &Drehfeld::valueChanged, this, [=, this] { updAntwort_Change(weiß, schwarz); });
    for (int i = 0; i < Knopfzahl; ++i) {
        connect(feld_->cmdFertig[i], &QPushButton::clicked, this,
                [this, i] { cmdFertig_Click(i); });
    }
    // Enter and Esc press "Zug zurück", the default and cancel button.
    for (const auto taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto* kürzel = new QShortcut(QKeySequence(taste), this);
        connect(kürzel, &QShortcut::activated, this, [this] {
            if (feld_->cmdFertig[Korrekturknopf]->isEnabled()) {
                feld_->cmdFertig[Korrekturknopf]->click();
            }
        });
    }
}

// ---------------------------------------------------------------- the documented methods

void frmQuorbix::Start() {
    stand_.Neubeginn(zufall_);
    brett_->Aufbau();
    feld_->Aufbau();
    Blink();
}

void frmQuorbix::Zeigezug() {
    if (stand_.Mensch) {
        stand_.Eingabe(feld_->eingabe());
    }
    zeigeZug(stand_.Zug);
}

void frmQuorbix::zeigeZug(int zug) {
    brett_->zeigeZug(zug);
    feld_->zeigeZug(zug);
}

void frmQuorbix::ZeigeWS() {
    stand_.Antwort(feld_->updSchw->value(), feld_->updWeiß->value());
    brett_->zeichnePins(stand_.Zug);
}

void frmQuorbix::Auflösung() {
    brett_->Auflösung(zufall_);
}

void frmQuorbix::Blink() {
    feld_->Blink(zufall_);
}

void frmQuorbix::Lösch() {
    brett_->Lösch();
    feld_->Lösch();
}

// ---------------------------------------------------------------- turns

void frmQuorbix::cmdFertig_Click(int Index) {
    if (Index < 0 || Index >= Knopfzahl || !Knopfzustände(stand_)[Index]) {
        return;
    }
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
            stand_.Aufgeben();
            spielEnde(QStringLiteral("Du Flasche !"));
        } else {
            alleRichtig();
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
        sucheWeiter(); // ends at once, after the candidate tested last
        break;
    case Einstellungsknopf:
        einstellungen();
        break;
    }
    feld_->zeigeKnöpfe();
}

void frmQuorbix::ersterZug() {
    stand_.ErsterZug(feld_->eingabe());
    Zeigezug();
    if (!stand_.Mensch) {
        // The player's code stands in the solution row from now on.
        brett_->zeigeLösung(stand_.Spielercode);
        feld_->zeigeErstenComputerzug();
    }
}

void frmQuorbix::menschRät() {
    const int zug = stand_.Zug;
    const Rateausgang ausgang = stand_.MenschRät(feld_->eingabe());
    zeigeZug(zug);
    feld_->zeigeAntwort(stand_.Schwarze, stand_.Weiße);
    brett_->zeichnePins(zug);
    if (ausgang == Rateausgang::Erraten) {
        spielEnde(ui::Text(Bewertung(zug)));
        return;
    }
    feld_->texLösung->setText(QStringLiteral("Dein %1. Versuch !").arg(stand_.Zug));
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
    feld_->texLösung->setText(QString());
    if (stand_.Farben) {
        feld_->Zugfeld->setText(QStringLiteral("Ich denke ..."));
    }
    const bool neueAntwort = !stand_.Unterbrochen();
    switch (stand_.ComputerRät(feld_->updSchw->value(), feld_->updWeiß->value())) {
    case Antwortausgang::Erraten:
        brett_->zeichnePins(stand_.Zug);
        Computersieg();
        break;
    case Antwortausgang::Widerspruch:
        angabenFalsch();
        break;
    case Antwortausgang::Suchen:
        if (neueAntwort) {
            brett_->zeichnePins(stand_.Zug);
        }
        aktivitätsUhr_.invalidate();
        suchtakt_->start();
        break;
    }
}

void frmQuorbix::sucheWeiter() {
    const auto ausgang = stand_.SucheWeiter();
    if (!ausgang) {
        return; // the next slice follows once the window's events have run
    }
    suchtakt_->stop();
    switch (*ausgang) {
    case Suchausgang::Unterbrochen:
        feld_->zeigeZugfeld(QStringLiteral("Unterbrechung !"));
        break;
    case Suchausgang::Widerspruch:
        stand_.AngabenFalsch();
        angabenFalsch();
        break;
    case Suchausgang::Gefunden:
        if (!stand_.NimmKandidat()) {
            spielEnde(QStringLiteral("Tut mir leid. Mehr Versuche gibts nicht !"));
            break;
        }
        zeigeZug(stand_.Zug);
        feld_->zeigeZugfeld(QStringLiteral("Was nun ?"));
        feld_->texLösung->setText(QStringLiteral("Deine %1. Antwort ?").arg(stand_.Zug));
        Blink();
        feld_->zeigeAntwort(0, 0);
        break;
    }
    feld_->zeigeKnöpfe();
}

void frmQuorbix::alleRichtig() {
    stand_.AlleRichtig();
    brett_->entferneÜberzählige();
    feld_->zeigeAntwort(stand_.AnzahlFelder, 0);
    brett_->zeichnePins(stand_.Zug);
    Computersieg();
}

void frmQuorbix::Computersieg() {
    // The winning answer is on the board already, stored once.
    Meldung(this, QStringLiteral("Bin ich nicht gut ?"));
    Lösch();
    Start();
}

void frmQuorbix::angabenFalsch() {
    Meldung(this, QStringLiteral("Die Angaben sind falsch ! "));
    AntwortZurücknehmen();
}

void frmQuorbix::hilfe() {
    stand_.ZähleGegen(stand_.Spielercode);
    feld_->zeigeAntwort(stand_.Schwarze, stand_.Weiße);
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
        brett_->leereZug(zug);
        feld_->zeigeLegende(stand_.Kombination[zug - 1]);
    }
    feld_->texLösung->setText(QStringLiteral("Deine %1. Antwort ?").arg(stand_.Zug));
    AntwortZurücknehmen();
}

void frmQuorbix::AntwortZurücknehmen() {
    // The state has reopened the answer of move Zug already: the pegs beyond
    // its counts are that answer's.
    feld_->zeigeZugfeld(QStringLiteral("Was nun ?"));
    brett_->entferneÜberzählige();
    feld_->zeigeAntwort(stand_.AntwortSchwarz[stand_.Zug], stand_.AntwortWeiß[stand_.Zug]);
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
    // The spin control has written the value into the cell's tag already.
    ui::setzeHintergrund(feld_->lblMen[Index], Symbolfarbe(feld_->updM[Index]->value(), stand_));
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
    // The computer's search pauses while the about box (or an evaluation
    // opened from it) is shown, and goes on when it closes.
    const bool sucht = suchtakt_->isActive();
    suchtakt_->stop();
    info_->exec();
    if (sucht) {
        suchtakt_->start();
    }
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
    // The search ends with the window.
    if (SucheLäuft()) {
        stand_.Anhalten();
        stand_.SucheWeiter();
        suchtakt_->stop();
    }
    ereignis->accept();
}
