#include "dialogs/frmEinstellungen.h"

#include "ui/Barrierefreiheit.h"
#include "ui/Drehfeld.h"
#include "ui/Steuerelemente.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using ui::twRect;

namespace dialoge {

frmEinstellungen::frmEinstellungen(const quorbix::Einstellungen& jetzt, Übernahme übernehmen,
                                   QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      übernehmen_(std::move(übernehmen)) {
    ui::einrichten();
    setObjectName(QStringLiteral("frmEinstellungen"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    // No icon of its own, and none borrowed from the main window either.
    setWindowIcon(QIcon());
    setModal(true);
    setFont(ui::Schrift(9.75));
    resize(ui::tw(5475), ui::tw(4650));
    erzeugeSteuerelemente();
    Form_Load(jetzt);
}

void frmEinstellungen::erzeugeSteuerelemente() {
    erzeugeWahlen();
    erzeugeAnzahlen();
    cmdOkay_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOkay_->setObjectName(QStringLiteral("cmdOkay"));
    cmdOkay_->setGeometry(twRect(4440, 2040, 855, 375));
    cmdOkay_->setDefault(true);
    connect(cmdOkay_, &QPushButton::clicked, this, [this] { cmdOkay_Click(); });

    setTabOrder(cmdOkay_, optComputer_);
    setTabOrder(optComputer_, optMensch_);
    setTabOrder(optMensch_, optFarben_);
    setTabOrder(optFarben_, optZahlen_);
    setTabOrder(optZahlen_, upd1_);
    setTabOrder(upd1_, upd2_);
    cmdOkay_->setFocus();
}

QGroupBox* frmEinstellungen::neuerRahmen(const char* name, const QString& titel,
                                         const QRect& lage) {
    auto* rahmen = new QGroupBox(titel, this);
    rahmen->setObjectName(QString::fromUtf8(name));
    rahmen->setGeometry(lage);
    return rahmen;
}

void frmEinstellungen::erzeugeWahlen() {
    const auto option = [](QWidget* eltern, const char* name, const QString& text,
                           const QRect& lage) {
        auto* o = new QRadioButton(text, eltern);
        o->setObjectName(QString::fromUtf8(name));
        o->setGeometry(lage);
        return o;
    };
    // Each frame makes its pair of option buttons one exclusive group.
    fraRaten_ = neuerRahmen("fraRaten", QStringLiteral("Wer rät ?"), twRect(360, 240, 3855, 1095));
    optComputer_ =
        option(fraRaten_, "optComputer", QStringLiteral("  Computer"), twRect(240, 480, 1695, 255));
    optMensch_ =
        option(fraRaten_, "optMensch", QStringLiteral("   Mensch"), twRect(2040, 480, 1695, 255));

    fraWas_ = neuerRahmen("fraWas", QStringLiteral("Was ?"), twRect(360, 1680, 3855, 1215));
    optFarben_ =
        option(fraWas_, "optFarben", QStringLiteral("  Farben"), twRect(240, 600, 1455, 255));
    optZahlen_ =
        option(fraWas_, "optZahlen", QStringLiteral("   Zahlen"), twRect(2040, 600, 1695, 255));
}

void frmEinstellungen::erzeugeAnzahlen() {
    const auto neuesDrehfeld = [](QWidget* eltern, const char* name, const QRect& lage,
                                  QLabel* zahl, int höchstens) {
        auto* d = new ui::Drehfeld(eltern);
        d->setObjectName(QString::fromUtf8(name));
        d->setGeometry(lage);
        d->setMinimum(1);
        d->setMaximum(höchstens);
        d->binde(zahl, ui::Drehfeld::Bindung::Beschriftung);
        return d;
    };
    const ui::LabelArt text{9.75, true, false, ui::Ausrichtung::Mitte};
    const ui::LabelArt textLinks{9.75, true, false, ui::Ausrichtung::Links};
    const ui::LabelArt zahl{9.75, true, true, ui::Ausrichtung::Mitte};
    fraFelder_ = neuerRahmen("fraFelder", QString(), twRect(360, 3240, 3855, 1335));
    lblAnFelder_ =
        ui::neuesLabel(fraFelder_, QStringLiteral("lblAnFelder"), twRect(120, 240, 2775, 255),
                       QStringLiteral("Anzahl Felder pro Reihe :"), text);
    lblFelder_ = ui::neuesLabel(fraFelder_, QStringLiteral("lblFelder"),
                                twRect(2880, 240, 345, 375), QString(), zahl);
    upd1_ = neuesDrehfeld(fraFelder_, "upd1", twRect(3240, 240, 270, 375), lblFelder_,
                          quorbix::MaxFelder);
    lblFarbenZahlen_ =
        ui::neuesLabel(fraFelder_, QStringLiteral("lblFarbenZahlen"), twRect(120, 840, 2895, 255),
                       QStringLiteral(" Anzahl Farben/Zahlen     :"), textLinks);
    lblFaZa_ = ui::neuesLabel(fraFelder_, QStringLiteral("lblFaZa"), twRect(2880, 840, 345, 375),
                              QString(), zahl);
    upd2_ = neuesDrehfeld(fraFelder_, "upd2", twRect(3240, 840, 270, 375), lblFaZa_,
                          quorbix::MaxFarben);
    // A screen reader hears each count with what it counts.
    fraFelder_->setAccessibleName(QStringLiteral("Anzahlen"));
    ui::benenneMitText(lblFelder_, QStringLiteral("Anzahl Felder pro Reihe"));
    upd1_->setAccessibleName(QStringLiteral("Anzahl Felder pro Reihe"));
    ui::benenneMitText(lblFaZa_, QStringLiteral("Anzahl Farben/Zahlen"));
    upd2_->setAccessibleName(QStringLiteral("Anzahl Farben/Zahlen"));
    // The caption and the number label belong to their spin control, so a
    // screen reader says each count once, with the control, and not again
    // among the dialog's loose texts.
    lblAnFelder_->setBuddy(upd1_);
    lblFelder_->setBuddy(upd1_);
    lblFarbenZahlen_->setBuddy(upd2_);
    lblFaZa_->setBuddy(upd2_);
    // The number labels lie on top of the caption labels they overlap.
    lblFelder_->raise();
    lblFaZa_->raise();
    upd1_->raise();
    upd2_->raise();
}

void frmEinstellungen::Form_Load(const quorbix::Einstellungen& jetzt) {
    (jetzt.Mensch ? optMensch_ : optComputer_)->setChecked(true);
    (jetzt.Farben ? optFarben_ : optZahlen_)->setChecked(true);
    upd2_->zeige(jetzt.AnzahlFarben);
    upd1_->zeige(jetzt.AnzahlFelder);
}

void frmEinstellungen::cmdOkay_Click() {
    // Once taken over, a second OK (or a late close request) must not lay out
    // a second game on top of the first.
    if (übernommen_) {
        return;
    }
    übernommen_ = true;
    quorbix::Einstellungen neu;
    neu.Mensch = !optComputer_->isChecked();
    neu.Farben = optFarben_->isChecked();
    neu.AnzahlFarben = static_cast<std::int16_t>(upd2_->value());
    neu.AnzahlFelder = static_cast<std::int16_t>(upd1_->value());
    accept();
    if (übernehmen_) {
        übernehmen_(neu);
    }
}

void frmEinstellungen::reject() {
    cmdOkay_Click();
}

void frmEinstellungen::showEvent(QShowEvent* ereignis) {
    ui::zentriereAufBildschirm(this);
    QDialog::showEvent(ereignis);
}

} // namespace dialoge
