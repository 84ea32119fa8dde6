#include "mainwindow/frmQuorbix.h"

#include "dialogs/frmEinstellungen.h"
#include "dialogs/frmInfo.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/Bedienfeld.h"
#include "mainwindow/Brettansicht.h"
#include "ui/Barrierefreiheit.h"
#include "ui/Meldung.h"
#include "ui/Steuerelemente.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

using namespace quorbix;
using dialoge::frmEinstellungen;
using dialoge::frmInfo;

namespace hauptfenster {

namespace {

const QString Fenstertitel = QStringLiteral("Quorbix! https://quorbix.example.org");

} // namespace

frmQuorbix::frmQuorbix(QWidget* eltern)
    : QMainWindow(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
    ui::einrichten();
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

    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("Zentrale"));
    ui::ordneNachLesefolge(central_);
    central_->setAccessibleName(QStringLiteral("Spielbrett"));
    central_->setFixedSize(ui::tw(10800), ui::tw(7785));
    ui::setzeHintergrund(central_, QColor(0, 128, 0));
    setCentralWidget(central_);
    brett_ = std::make_unique<Brettansicht>(central_, stand_, zufall_);
    bedienfeld_ = std::make_unique<Bedienfeld>(
        central_, stand_, zufall_,
        Bedienfeld::Handlers{[this](int i) { cmdFertig_Click(i); },
                             [this](int i) { updM_Change(i); }, [this] { updSchw_Change(); },
                             [this] { updWeiß_Change(); }});

    // The search runs in slices between the window's events.
    searchTimer_ = new QTimer(this);
    searchTimer_->setInterval(0);
    connect(searchTimer_, &QTimer::timeout, this, [this] { searchTimer_timeout(); });
    stand_.setzeAbgabe([this] {
        // A screen shows at most one frame per 16 ms: more turns of the event
        // loop would only slow the search down many times over.
        if (frameClock_.isValid() && frameClock_.elapsed() < aktivitätsabstand_) {
            return false;
        }
        frameClock_.start();
        return true;
    });

    // Loading: the defaults are those of Spielstand; centre the window.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    ui::zentriereAufBildschirm(this);
}

frmQuorbix::~frmQuorbix() {
    // Nothing may call back into a window that is going away.
    stand_.setzeAbgabe(nullptr);
}

// ---------------------------------------------------------------- settings

void frmQuorbix::vorgeben(const std::function<void(Einstellungen&)>& ändern) {
    Einstellungen einstellungen = stand_.Vorgabe();
    ändern(einstellungen);
    stand_.Vorgeben(einstellungen);
}

void frmQuorbix::setFarben(bool wert) {
    vorgeben([wert](Einstellungen& e) { e.Farben = wert; });
}

void frmQuorbix::setMensch(bool wert) {
    vorgeben([wert](Einstellungen& e) { e.Mensch = wert; });
}

bool frmQuorbix::setAnzahlFarben(int wert) {
    bool gültig = false;
    vorgeben([&](Einstellungen& e) { gültig = e.setzeAnzahlFarben(wert); });
    return gültig;
}

bool frmQuorbix::setAnzahlFelder(int wert) {
    bool gültig = false;
    vorgeben([&](Einstellungen& e) { gültig = e.setzeAnzahlFelder(wert); });
    return gültig;
}

// ---------------------------------------------------------------- the documented methods

void frmQuorbix::Start() {
    const Vorher davor = vorher();
    zeige(stand_.Neubeginn(), Anlass::Spielbeginn, davor);
}

void frmQuorbix::Anzahlschwarze() {
    stand_.Anzahlschwarze();
}

void frmQuorbix::Anzahlweiße() {
    stand_.Anzahlweiße();
}

void frmQuorbix::Zeigezug() {
    zeige(stand_.Zeigezug());
}

void frmQuorbix::Neu() {
    stand_.Neu();
}

void frmQuorbix::ZeigeWS() {
    zeige(stand_.ZeigeWS());
}

void frmQuorbix::Auflösung() {
    brett_->deckeAuf();
}

void frmQuorbix::Blink() {
    bedienfeld_->blinke();
}

void frmQuorbix::Lösch() {
    zeige(stand_.Lösch());
}

// ---------------------------------------------------------------- steps of the game

void frmQuorbix::zeige(const Schritt& schritt, std::optional<Anlass> anlass, const Vorher& vorher) {
    if (schritt.Neuaufbau) {
        brett_->leere();
        bedienfeld_->leere();
    }
    brett_->zeichne(schritt);
    bedienfeld_->zeichne(schritt, anlass.has_value());
    ui::meldeÄnderungen();
    const QString nachricht =
        anlass ? ui::Text(Neuigkeit(*anlass, stand_, schritt, vorher)) : QString();
    if (schritt.Meldung == Meldungsart::Keine) {
        ui::sage(this, nachricht);
    }
    updateSearchTimer();
    if (schritt.Meldung != Meldungsart::Keine) {
        ui::zeigeMeldung(this, ui::Text(Meldungstext(schritt.Meldung, stand_)), nachricht);
        nachMeldung();
    }
    if (schritt.Einstellen) {
        zeigeEinstellungen();
    }
}

void frmQuorbix::nachMeldung() {
    // A new game follows a game over; a contradiction reopens the answer.
    const Vorher davor = vorher();
    zeige(stand_.Quittiere(),
          davor.Phase == Spielphase::Beendet ? Anlass::Spielbeginn : Anlass::AntwortOffen, davor);
}

void frmQuorbix::updateSearchTimer() {
    if (!SucheLäuft()) {
        searchTimer_->stop();
    } else if (!searchTimer_->isActive()) {
        frameClock_.invalidate(); // a search that begins shows its first frame at once
        searchTimer_->start();
    }
}

void frmQuorbix::searchTimer_timeout() {
    // Until the search ends, the next slice follows once the window's events have run.
    const auto schritt = stand_.SucheWeiter();
    if (stand_.Abgegeben()) {
        bedienfeld_->zeigeAktivität();
    }
    if (schritt) {
        zeige(*schritt, Anlass::Suchende);
    }
}

void frmQuorbix::cmdFertig_Click(int Index) {
    const Vorher davor = vorher();
    const bool wirkt = Index >= 0 && Index < Knopfzahl && Knopfzustände(stand_)[Index];
    const Schritt schritt = stand_.Drücke(Knopfnummer(Index));
    zeige(schritt, wirkt ? Knopfanlass(Knopfnummer(Index)) : std::nullopt, davor);
}

void frmQuorbix::updM_Change(int Index) {
    if (Index < 0 || Index >= MaxFelder) {
        return;
    }
    stand_.StelleEingabe(Index + 1, bedienfeld_->Eingabewert(Index));
    zeige();
}

void frmQuorbix::updSchw_Change() {
    stand_.StelleSchwarz(bedienfeld_->Schwarzwert());
    zeige();
}

void frmQuorbix::updWeiß_Change() {
    stand_.StelleWeiß(bedienfeld_->Weißwert());
    zeige();
}

void frmQuorbix::zeigeEinstellungen() {
    // The board has been cleared: OK (or closing) starts the next game.
    frmEinstellungen dialog(
        stand_.Vorgabe(),
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
            [this] { computersuche::frmSearch(AnzahlFelder(), AnzahlFarben()).exec(); }, this);
    }
    // The computer's search pauses while the about box (or an evaluation
    // opened from it) is shown, and goes on when it closes.
    searchTimer_->stop();
    info_->exec();
    // The keyboard goes on where it was in the window, or where the game goes on.
    activateWindow();
    if (QWidget* zuletzt = focusWidget(); zuletzt != nullptr && zuletzt != menuBar()) {
        zuletzt->setFocus(Qt::OtherFocusReason);
    } else {
        bedienfeld_->führeFokus();
    }
    updateSearchTimer();
}

void frmQuorbix::mnuEnde_Click() {
    close();
}

void frmQuorbix::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (!ereignis->spontaneous() && !centred_) {
        // The window manager's frame is known only now: centre by the outer size.
        centred_ = true;
        ui::zentriereAufBildschirm(this);
    }
}

void frmQuorbix::closeEvent(QCloseEvent* ereignis) {
    // The search ends with the window.
    if (SucheLäuft()) {
        stand_.Drücke(Stopknopf);
        searchTimer_->stop();
    }
    ereignis->accept();
}

} // namespace hauptfenster
