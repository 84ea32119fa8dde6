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
class QTableView;
class QWidget;
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
    // How long a run computes between two turns of the event loop once the
    // first 50 codes are listed (in ms; the codes are checked in groups of
    // 64, or one by one for strategy 4).
    void setzeZeitscheibe(qint64 ms) { zeitscheibe_ = ms; }
    // Shows a number of codes in lblCodes, whole however many digits it has.
    void zeigeAnzahl(std::uint32_t codes);

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void Form_Load(int felder, int farben);
    void Suchlauf();
    // The loop over the codes, until the last one or STOP.
    void rechne(std::int16_t Strategie, quorbix::Bilanz& bilanz);
    void leereZahlen();
    // cmdStart reads "START" and Ende works again.
    void beendeLauf();
    void zeigeZwischenstand(const quorbix::Bilanz& bilanz);
    void wähleLetzteZeile();

    std::int16_t AnzahlFelder = 0;
    std::int16_t AnzahlFarben = 0;
    bool Abbruch = false;
    bool läuft_ = false;
    std::uint32_t gezeigt_ = 0; // codes shown by the count and the list
    // Often enough to stay responsive to STOP, rarely enough that repainting
    // costs little next to the evaluation.
    qint64 zeitscheibe_ = 30;

    QLabel* Label5_;
    QLineEdit* txtNr_;
    QWidget* picDummy_;
    QTableView* lstView_;
    QLabel* Label1_;
    QLabel* lblCodes_;
    QLabel* Label2_;
    QLabel* lblMin_;
    QLabel* Label3_;
    QLabel* lblMax_;
    QLabel* Label4_;
    QLabel* lblMittel_;
    QPushButton* cmdStart_;
    QPushButton* cmdEnde_;

    Ergebnismodell* modell_;
    std::unique_ptr<quorbix::Auswertung> auswertung_;
    quorbix::Zufall zufall_;
};
