#include "evaluation/frmSearch.h"

#include "evaluation/Ergebnisliste.h"
#include "evaluation/Ergebnismodell.h"
#include "rules/Neuigkeiten.h"
#include "rules/Zahlen.h"
#include "ui/Barrierefreiheit.h"
#include "ui/Meldung.h"
#include "ui/Steuerelemente.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <new>

using ui::twRect;

namespace computersuche {

namespace {

// lblCodes at its own width; it may grow for long counts.
const QRect LageCodes = twRect(2167, 5805, 555, 240);

// The most codes one turn of the event loop takes into the figures, so that
// the window answers within a few milliseconds whatever the workers did.
constexpr std::uint32_t MeisteJeScheibe = 1U << 20;

// The average in the user's locale with as few decimals as needed (4,8 or 5).
QString Mitteltext(std::int64_t zehntel) {
    const QLocale ort;
    if (zehntel % 10 == 0) {
        return ort.toString(static_cast<qlonglong>(zehntel / 10));
    }
    return ort.toString(static_cast<double>(zehntel) / 10.0, 'f', 1);
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QRect& lage, const QString& text,
                     bool wert) {
    ui::LabelArt art;
    art.punkt = 8.25;
    art.fett = wert;
    art.unterstrichen = !wert;
    art.rahmen = false;
    art.ausrichtung = ui::Ausrichtung::Links;
    QLabel* l = ui::neuesLabel(eltern, QString::fromUtf8(name), lage, text, art);
    // The captions and the taller value labels share their first line.
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QRect& lage, const QString& text) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromUtf8(name));
    k->setGeometry(lage);
    k->setFont(ui::Schrift(8.25, false));
    // Neither button answers the Enter key of the dialog.
    k->setAutoDefault(false);
    k->setDefault(false);
    return k;
}

} // namespace

frmSearch::frmSearch(int felder, int farben, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    ui::einrichten();
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Computersuche"));
    setFixedSize(ui::tw(7755), ui::tw(6840));

    legeStrategieAn();
    legeListeAn();
    legeZahlenAn();
    legeKnöpfeAn();

    takt_ = new QTimer(this);
    takt_->setSingleShot(true);
    connect(takt_, &QTimer::timeout, this, [this] { scheibe(); });
    connect(cmdStart_, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(cmdEnde_, &QPushButton::clicked, this, [this] { cmdEnde_Click(); });

    Form_Load(felder, farben);
}

frmSearch::~frmSearch() = default;

void frmSearch::legeStrategieAn() {
    Label5_ = beschriftung(this, "Label5", twRect(270, 45, 1095, 195),
                           QStringLiteral("Strategie-Nr.:"), false);
    txtNr_ = new QLineEdit(QStringLiteral("3"), this);
    txtNr_->setObjectName(QStringLiteral("txtNr"));
    txtNr_->setGeometry(twRect(1395, 0, 330, 285));
    txtNr_->setFont(ui::Schrift(8.25, false));
    // A screen reader names the box by its caption.
    Label5_->setBuddy(txtNr_);
}

void frmSearch::legeListeAn() {
    picDummy_ = new QWidget(this);
    picDummy_->setObjectName(QStringLiteral("picDummy"));
    picDummy_->setGeometry(twRect(225, 315, 7395, 5460));
    modell_ = new Ergebnismodell(this);
    lstView_ = new Ergebnisliste(picDummy_);
    lstView_->setObjectName(QStringLiteral("lstView"));
    lstView_->setGeometry(twRect(0, 0, 7305, 5370));
    lstView_->setFont(ui::Schrift(8.25, false));
    lstView_->setModel(modell_);
    lstView_->setShowGrid(false);
    lstView_->setWordWrap(false);
    lstView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstView_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstView_->verticalHeader()->hide();
    lstView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstView_->verticalHeader()->setDefaultSectionSize(ui::tw(255));
    lstView_->horizontalHeader()->setHighlightSections(false);
    lstView_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Tab leaves the list; the arrows move within it.
    lstView_->setTabKeyNavigation(false);
    ui::fokusNurMitFokus(lstView_);
}

void frmSearch::legeZahlenAn() {
    Label1_ = beschriftung(this, "Label1", twRect(457, 5805, 1770, 195),
                           QStringLiteral("Anzahl Kombinationen:"), false);
    lblCodes_ = beschriftung(this, "lblCodes", LageCodes, QString(), true);
    Label2_ =
        beschriftung(this, "Label2", twRect(2842, 5805, 645, 195), QStringLiteral("Min.:"), false);
    lblMin_ = beschriftung(this, "lblMin", twRect(3292, 5805, 645, 195), QString(), true);
    Label3_ =
        beschriftung(this, "Label3", twRect(4140, 5805, 645, 195), QStringLiteral("Max.:"), false);
    lblMax_ = beschriftung(this, "lblMax", twRect(4635, 5805, 510, 240), QString(), true);
    Label4_ = beschriftung(this, "Label4", twRect(5362, 5805, 1230, 195),
                           QStringLiteral("Durchschnitt:"), false);
    lblMittel_ = beschriftung(this, "lblMittel", twRect(6442, 5805, 1185, 240), QString(), true);
    // A screen reader hears each result with what it is.
    picDummy_->setAccessibleName(QStringLiteral("Ergebnisse"));
    lstView_->setAccessibleName(QStringLiteral("Züge je Kombination"));
    ui::benenneMitText(lblCodes_, QStringLiteral("Anzahl Kombinationen"));
    ui::benenneMitText(lblMin_, QStringLiteral("Kleinste Zahl der Züge"));
    ui::benenneMitText(lblMax_, QStringLiteral("Größte Zahl der Züge"));
    ui::benenneMitText(lblMittel_, QStringLiteral("Durchschnittliche Zahl der Züge"));
}

void frmSearch::legeKnöpfeAn() {
    cmdStart_ = knopf(this, "cmdStart", twRect(1350, 6255, 1545, 375), QStringLiteral("Start"));
    cmdEnde_ = knopf(this, "cmdEnde", twRect(4770, 6210, 1455, 375), QStringLiteral("Ende"));
    setTabOrder(cmdStart_, cmdEnde_);
    setTabOrder(cmdEnde_, lstView_);
    setTabOrder(lstView_, txtNr_);
    cmdStart_->setFocus();
}

void frmSearch::Form_Load(int felder, int farben) {
    for (int spalte = 0; spalte < 2; ++spalte) {
        lstView_->setColumnWidth(spalte, ui::tw(2000));
    }
    AnzahlFelder = static_cast<std::int16_t>(felder);
    AnzahlFarben = static_cast<std::int16_t>(farben);
}

void frmSearch::cmdStart_Click() {
    if (läuft_) {
        // The run ends here, after the codes listed so far.
        takt_->stop();
        schließeLauf();
        return;
    }
    cmdEnde_->setEnabled(false);
    cmdStart_->setText(QStringLiteral("STOP"));
    Suchlauf();
}

void frmSearch::cmdEnde_Click() {
    done(QDialog::Accepted);
}

// Only "Ende" closes the window, and not while a run goes.
void frmSearch::reject() {
    if (!läuft_) {
        QDialog::reject();
    }
}

void frmSearch::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void frmSearch::showEvent(QShowEvent* ereignis) {
    ui::zentriereAufBildschirm(this);
    QDialog::showEvent(ereignis);
}

void frmSearch::zeigeAnzahl(std::uint32_t codes) {
    // The count's box is narrow: from seven digits on the figure would be cut
    // and read wrong, so it narrows its face and, if that is not enough,
    // grows to the right towards "Min.:", which it never reaches.
    const QString text = QString::number(codes);
    QFont schrift = ui::Schrift(8.25, true);
    if (QFontMetrics(schrift).horizontalAdvance(text) > LageCodes.width()) {
        schrift.setFamily(QStringLiteral("Liberation Sans Narrow"));
    }
    lblCodes_->setFont(schrift);
    lblCodes_->resize(
        std::max(LageCodes.width(), QFontMetrics(schrift).horizontalAdvance(text) + 1),
        LageCodes.height());
    lblCodes_->setText(text);
}

void frmSearch::wähleLetzteZeile() {
    const int zeilen = modell_->rowCount();
    if (zeilen > 0) {
        // The new rows are laid out now, so that the list can scroll to them.
        lstView_->doItemsLayout();
        ui::zeigeZeile(lstView_, zeilen - 1);
    }
}

// The list and the count as they stand at the last multiple of 50 codes.
void frmSearch::zeigeZwischenstand() {
    const std::uint32_t bisher = bilanz_.Codes - bilanz_.Codes % 50;
    if (bisher == gezeigt_) {
        return;
    }
    gezeigt_ = bisher;
    modell_->zeigeBis(bisher);
    zeigeAnzahl(bisher);
    wähleLetzteZeile();
}

void frmSearch::Suchlauf() {
    läuft_ = true;
    modell_->leeren();
    auswertung_.reset();
    const std::int16_t Strategie = quorbix::TextGanzzahl(txtNr_->text().toStdString());
    leereZahlen();
    bilanz_ = {};
    gezeigt_ = 0;
    warten_ = 0;
    try {
        auswertung_ =
            std::make_unique<quorbix::Auswertung>(AnzahlFelder, AnzahlFarben, Strategie, zufall_);
    } catch (const std::bad_alloc&) {
        // Nothing of the run is kept; the window is ready for START or Ende.
        leereZahlen();
        beendeLauf();
        ui::zeigeMeldung(this, QStringLiteral("Nicht genug Speicher für diese Auswertung !"));
        return;
    }
    modell_->neu(AnzahlFelder, AnzahlFarben, &auswertung_->Züge());
    takt_->start(0);
}

void frmSearch::scheibe() {
    // The first 50 rows one by one, each with a turn of the event loop of
    // its own; then whatever is ready.
    const std::uint32_t vorher = bilanz_.Codes;
    const quorbix::Bilanz::Extreme extreme =
        auswertung_->Übergib(vorher < 50 ? 1 : MeisteJeScheibe, bilanz_);
    const bool neu = bilanz_.Codes > vorher;
    if (extreme.Minimum) {
        lblMin_->setText(QString::number(bilanz_.Minimum));
    }
    if (extreme.Maximum) {
        lblMax_->setText(QString::number(bilanz_.Maximum));
    }
    if (bilanz_.Codes <= 50) {
        modell_->zeigeBis(bilanz_.Codes);
    }
    zeigeZwischenstand();
    if (auswertung_->Fertig()) {
        schließeLauf();
        return;
    }
    ui::meldeÄnderungen();
    // Without new codes the window looks again soon, and later each time
    // it finds none, so that it takes little from the workers while they
    // split the whole space before the first code is known.
    warten_ = neu ? 0 : std::clamp(2 * warten_, 1, std::max(1, zeitscheibe_));
    takt_->start(neu ? (bilanz_.Codes < 50 ? 0 : zeitscheibe_) : warten_);
}

void frmSearch::schließeLauf() {
    const bool fertig = auswertung_->Fertig();
    auswertung_->Beenden();
    modell_->zeigeBis(bilanz_.Codes);
    zeigeAnzahl(bilanz_.Codes);
    const QString mittel = Mitteltext(bilanz_.MittelZehntel());
    lblMittel_->setText(mittel);
    ui::meldeÄnderungen();
    ui::sage(this, ui::Text(quorbix::Auswertungsnachricht(fertig, bilanz_.Codes, bilanz_.Minimum,
                                                          bilanz_.Maximum, mittel.toStdString())));
    beendeLauf();
    wähleLetzteZeile();
    lstView_->viewport()->update();
}

void frmSearch::leereZahlen() {
    for (QLabel* l : {lblCodes_, lblMin_, lblMax_, lblMittel_}) {
        l->setText(QString());
    }
}

void frmSearch::beendeLauf() {
    cmdStart_->setText(QStringLiteral("START"));
    cmdEnde_->setEnabled(true);
    läuft_ = false;
}

} // namespace computersuche
