#pragma once
// The settings dialog: who guesses, colours or numbers, and the two counts.
// It reads the main window's settings when it opens and, on OK, writes them
// back and starts a new game there.

#include "rules/Spielstand.h"

#include <QDialog>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
namespace ui {
class Drehfeld;
}
namespace dialoge {

class frmEinstellungen : public QDialog {
    Q_OBJECT

public:
    using Übernahme = std::function<void(const quorbix::Einstellungen&)>;

    // Owned by the main window; the controls are filled from `jetzt`. OK
    // hands the chosen settings to `übernehmen`, which stores them and
    // starts the new game.
    frmEinstellungen(const quorbix::Einstellungen& jetzt, Übernahme übernehmen, QWidget* eltern);

    // OK, Enter and Escape: take over the settings, close, start a new game.
    void cmdOkay_Click();

public slots:
    // The board was cleared before the dialog opened, so there is no game to
    // go back to: closing through the title bar takes the settings like OK.
    void reject() override;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void erzeugeSteuerelemente();
    QGroupBox* neuerRahmen(const char* name, const QString& titel, const QRect& lage);
    void erzeugeWahlen();   // who guesses, colours or numbers
    void erzeugeAnzahlen(); // fields and symbols
    void Form_Load(const quorbix::Einstellungen& jetzt);

    Übernahme übernehmen_;
    bool übernommen_ = false;

    QGroupBox* fraRaten_ = nullptr;
    QRadioButton* optComputer_ = nullptr;
    QRadioButton* optMensch_ = nullptr;
    QGroupBox* fraWas_ = nullptr;
    QRadioButton* optFarben_ = nullptr;
    QRadioButton* optZahlen_ = nullptr;
    QGroupBox* fraFelder_ = nullptr;
    QLabel* lblAnFelder_ = nullptr;
    QLabel* lblFelder_ = nullptr;
    ui::Drehfeld* upd1_ = nullptr;
    QLabel* lblFarbenZahlen_ = nullptr;
    QLabel* lblFaZa_ = nullptr;
    ui::Drehfeld* upd2_ = nullptr;
    QPushButton* cmdOkay_ = nullptr;
};

} // namespace dialoge
