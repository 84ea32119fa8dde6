#pragma once
// The main window: the menu, the board and the control panel. The game lives
// in quorbix::Spielstand; each handler reads its controls, makes one step of
// the game, lets the board (Brettansicht) and the panel (Bedienfeld) draw the
// state it leaves, and then shows what the step adds.

#include "rules/Knoepfe.h"
#include "rules/Neuigkeiten.h"
#include "rules/Spielstand.h"
#include "rules/Zufall.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QTimer;
namespace dialoge {
class frmInfo;
}

namespace hauptfenster {

class Bedienfeld;
class Brettansicht;

class frmQuorbix : public QMainWindow {
    Q_OBJECT

public:
    // Constructing the window is loading it: defaults, centring, row labels,
    // legend and solution cells.
    explicit frmQuorbix(QWidget* eltern = nullptr);
    ~frmQuorbix() override;

    // The settings; a change takes effect with the next Start. A count
    // outside 1..8 is refused (false): the board has room for no more.
    bool Farben() const { return stand_.Vorgabe().Farben; }
    void setFarben(bool wert);
    bool Mensch() const { return stand_.Vorgabe().Mensch; }
    void setMensch(bool wert);
    std::int16_t AnzahlFarben() const { return stand_.Vorgabe().AnzahlFarben; }
    bool setAnzahlFarben(int wert);
    std::int16_t AnzahlFelder() const { return stand_.Vorgabe().AnzahlFelder; }
    bool setAnzahlFelder(int wert);

    void Start();
    void Anzahlschwarze();
    void Anzahlweiße();
    void Zeigezug();
    void Neu();
    void Lösch();
    void ZeigeWS();
    void Auflösung();
    void Blink();

    // Event procedures.
    void cmdFertig_Click(int Index);
    void updM_Change(int Index);
    void updSchw_Change();
    void updWeiß_Change();
    void mnuInfo_Click();
    void mnuEnde_Click();

    // The game as it stands, to read; the random numbers, which tests and
    // tools replace with fixed draws.
    const quorbix::Spielstand& Stand() const { return stand_; }
    quorbix::Zufall& Zufallsgenerator() { return zufall_; }
    bool SucheLäuft() const { return stand_.Phase() == quorbix::Spielphase::Sucht; }
    // Least time between two frames of the search's animation (ms); the
    // search hands the event loop a turn at each. 0 turns at every 99th
    // step, which makes runs that click during a search repeatable.
    void setzeAktivitätsabstand(int ms) { aktivitätsabstand_ = ms; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    // The board and the panel draw the state a step of the game has left,
    // then what the step adds follows: its message, the settings dialog.
    // After a step (anlass) the focus goes where the player goes on, and a
    // screen reader hears its news before any message.
    void zeige(const quorbix::Schritt& schritt = {}, std::optional<quorbix::Anlass> anlass = {},
               const quorbix::Vorher& vorher = {});
    quorbix::Vorher vorher() const { return {stand_.Zug(), stand_.Phase()}; }
    void nachMeldung(); // the message has been acknowledged
    void zeigeEinstellungen();
    void vorgeben(const std::function<void(quorbix::Einstellungen&)>& ändern);
    void searchTimer_timeout();
    void updateSearchTimer();

    quorbix::Zufall zufall_;
    quorbix::Spielstand stand_{zufall_};
    QTimer* searchTimer_ = nullptr; // runs the computer's search in slices
    QElapsedTimer frameClock_;
    int aktivitätsabstand_ = 16;
    bool centred_ = false;

    QWidget* central_ = nullptr;
    std::unique_ptr<Brettansicht> brett_;
    std::unique_ptr<Bedienfeld> bedienfeld_;
    QAction* mnuInfo_ = nullptr;
    QAction* mnuEnde_ = nullptr;
    // The about box lives as long as the window, so that its arming is kept.
    dialoge::frmInfo* info_ = nullptr;
};

} // namespace hauptfenster
