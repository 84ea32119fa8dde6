#pragma once
// The evaluation window: replays the computer's guessing against every code
// of the game's code space, lists each code with its number of moves and
// shows the count, minimum, maximum and average. Opened modally, without an
// owner, from the about box.

#include "evaluation/engine/Auswertung.h"
#include "rules/Zufall.h"

#include <QDialog>
#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

// The evaluation window's library.
namespace computersuche {

class Ergebnisliste;
class Ergebnismodell;

class frmSearch : public QDialog {
    Q_OBJECT

public:
    // Loading the window: the list's columns, then the game's AnzahlFelder
    // and AnzahlFarben, given once.
    frmSearch(int AnzahlFelder, int AnzahlFarben, QWidget* eltern = nullptr);
    ~frmSearch() override;

    void cmdStart_Click();
    void cmdEnde_Click();

    bool Läuft() const { return läuft_; }
    // Strategy 4's random numbers, for tests.
    quorbix::Zufall& Zufallsgenerator() { return zufall_; }
    // How long the window leaves the workers alone between two looks at the
    // codes they finished, once the first 50 codes are listed (in ms).
    void setzeZeitscheibe(int ms) { zeitscheibe_ = ms; }
    // Shows a number of codes in lblCodes, whole however many digits it has.
    void zeigeAnzahl(std::uint32_t codes);

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    // The controls, group by group: the strategy's box, the list, the
    // figures with their captions, the buttons.
    void legeStrategieAn();
    void legeListeAn();
    void legeZahlenAn();
    void legeKnöpfeAn();
    void Form_Load(int felder, int farben);
    // Starts the workers; the event loop drives the rest of the run.
    void Suchlauf();
    // One turn of the event loop's share of a run: lists the codes the
    // workers finished since the last turn, in counting order.
    void scheibe();
    // The end of a run, after the last code or STOP: the listed codes'
    // figures.
    void schließeLauf();
    void leereZahlen();
    // cmdStart reads "START" and Ende works again.
    void beendeLauf();
    void zeigeZwischenstand();
    void wähleLetzteZeile();

    std::int16_t AnzahlFelder = 0;
    std::int16_t AnzahlFarben = 0;
    bool läuft_ = false;
    std::uint32_t gezeigt_ = 0; // codes shown by the count and the list
    quorbix::Bilanz bilanz_;    // the codes listed so far
    // Often enough that the count moves on smoothly (20 times a second),
    // rarely enough that the window takes little from the workers: each
    // look repaints the list.
    int zeitscheibe_ = 50;
    int warten_ = 0; // ms until the next look after one that found no new codes
    QTimer* takt_ = nullptr;

    QLabel* Label5_ = nullptr;
    QLineEdit* txtNr_ = nullptr;
    QWidget* picDummy_ = nullptr;
    Ergebnisliste* lstView_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* lblCodes_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* lblMin_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* lblMax_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLabel* lblMittel_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    QPushButton* cmdEnde_ = nullptr;

    Ergebnismodell* modell_ = nullptr;
    // Before the run, which stops its workers drawing from it when it goes.
    quorbix::Zufall zufall_;
    std::unique_ptr<quorbix::Auswertung> auswertung_;
};

} // namespace computersuche
