#pragma once
// The main window: the board, the control panel and the game's turn handling.
// Game logic lives in quorbix::Spielstand; this class does the display work
// around it.

#include "rules/Spielstand.h"
#include "rules/Zufall.h"

#include <QColor>
#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <vector>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class Drehfeld;
class Knopf;

class frmQuorbix : public QMainWindow {
    Q_OBJECT

public:
    // The buttons of cmdFertig, by index.
    enum Knopfnummer : int {
        Hauptknopf = 0,   // "Start" / "Weiter"
        Richtigknopf = 1, // "Auf- lösung" / "Alle richtig"
        NeuesSpielKnopf = 2,
        Hilfeknopf = 3,
        Korrekturknopf = 4, // "Zug zurück"
        Stopknopf = 5,
        Einstellungsknopf = 6,
        Knopfzahl = 7,
    };

    // Constructing the window is loading it: defaults, centring, row labels,
    // legend and solution cells.
    explicit frmQuorbix(QWidget* eltern = nullptr);
    ~frmQuorbix() override;

    // The settings; a change takes effect with the next Start. A count
    // outside 1..8 is refused (the board has room for no more).
    bool Farben() const { return stand_.Farben; }
    void setFarben(bool wert) { stand_.Farben = wert; }
    bool Mensch() const { return stand_.Mensch; }
    void setMensch(bool wert) { stand_.Mensch = wert; }
    std::int16_t AnzahlFarben() const { return stand_.AnzahlFarben; }
    void setAnzahlFarben(int wert) { stand_.setzeAnzahlFarben(wert); }
    std::int16_t AnzahlFelder() const { return stand_.AnzahlFelder; }
    void setAnzahlFelder(int wert) { stand_.setzeAnzahlFelder(wert); }

    void Start();
    void Anzahlschwarze() { stand_.Anzahlschwarze(); }
    void Anzahlweiße() { stand_.Anzahlweiße(); }
    void Zeigezug();
    void Neu() { stand_.Neu(); }
    void Lösch();
    void ZeigeWS();
    void Auflösung();
    void Blink();

    // Event procedures.
    void cmdFertig_Click(int Index);
    void updM_Change(int Index);
    void mnuInfo_Click();
    void mnuEnde_Click();

    // The game state and the random numbers, for the dialogs, tests and tools.
    quorbix::Spielstand& Stand() { return stand_; }
    const quorbix::Spielstand& Stand() const { return stand_; }
    quorbix::Zufall& Zufallsgenerator() { return zufall_; }
    bool SucheLäuft() const { return sucheLäuft_; }
    // Least time between two event turns of the search (ms); 0 turns at every
    // 99th step, which makes runs that click during a search repeatable.
    void setzeAktivitätsabstand(int ms) { aktivitätsabstand_ = ms; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void erzeugeSteuerelemente();
    Knopf* knopf(Knopfnummer k) const { return cmdFertig_[static_cast<std::size_t>(k)]; }
    void Computersieg();
    void AntwortZurücknehmen();
    void updAntwort_Change(Drehfeld* geändert, Drehfeld* anderes);
    void ersterZug();
    void menschRät();
    void computerRät();
    void sucheNächstenZug();
    void spielEnde(const QString& meldung);
    void hilfe();
    void zugZurück();
    void einstellungen();

    // Display helpers: they read the state and paint, nothing else.
    void zeigeSymbol(QLabel* zelle, int symbol) const;
    QColor symbolFarbe(int symbol) const;
    int eingabeSymbol(int feld) const;
    quorbix::Reihe eingabe() const;
    QLabel* zelle(int feld, int zug) const;
    void zeigeZug(int zug);
    void zeichnePins(int zug);
    void zeigeAntwort(int schwarz, int weiß);
    void setzeAntwort(int schwarz, int weiß);
    void zeigeZugfeld(const QString& text);
    void entfernePins(std::vector<QLabel*>& pins, int von, int bis);
    QLabel* neuerPin(std::vector<QLabel*>& pins, int index);
    bool beendet() const { return endeAngefordert_; }

    quorbix::Spielstand stand_;
    quorbix::Zufall zufall_;
    bool sucheLäuft_ = false;
    QElapsedTimer aktivitätsUhr_;
    int aktivitätsabstand_ = 16;
    bool endeAngefordert_ = false;
    bool zentriert_ = false;
    int handlerTiefe_ = 0;

    QWidget* zentrale_ = nullptr;
    std::array<QLabel*, quorbix::MaxFelder> lblKomb1_{};
    QLabel* lblLösung_ = nullptr;
    std::array<QLabel*, quorbix::MaxZüge> lblNr_{};
    std::vector<QLabel*> lblVersuch_;
    std::vector<QLabel*> lblSchwarz_;
    std::vector<QLabel*> lblWeiße_;
    QGroupBox* fraComp_ = nullptr;
    std::array<QLabel*, quorbix::MaxFarben> lblComp_{};
    QFrame* Line1_ = nullptr;
    std::array<QLabel*, quorbix::MaxFelder> lblMen_{};
    std::array<Drehfeld*, quorbix::MaxFelder> updM_{};
    QLabel* texLösung_ = nullptr;
    std::array<Knopf*, Knopfzahl> cmdFertig_{};
    QLabel* Zugfeld_ = nullptr;
    QLabel* texSchwarze_ = nullptr;
    QLabel* lblSchw_ = nullptr;
    Drehfeld* updSchw_ = nullptr;
    QLabel* texWeiße_ = nullptr;
    QLabel* lblWeiß_ = nullptr;
    Drehfeld* updWeiß_ = nullptr;
    QAction* mnuInfo_ = nullptr;
    QAction* mnuEnde_ = nullptr;
    // The about box lives as long as the window, so that its arming is kept.
    class frmInfo* info_ = nullptr;
};
