#include "dialogs/frmInfo.h"

#include "ui/Barrierefreiheit.h"
#include "ui/Steuerelemente.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>

using ui::twRect;

namespace dialoge {

namespace {

// One caption whose runs of blanks put each piece on a line of its own.
const QString Infotext = QString(21, QLatin1Char(' ')) + QStringLiteral("QUORBIX !") +
                         QString(29, QLatin1Char(' ')) + QStringLiteral("1998 Henrik Albers") +
                         QString(20, QLatin1Char(' ')) + QStringLiteral("Anregungen bitte an:") +
                         QString(29, QLatin1Char(' ')) +
                         QStringLiteral("anregungen@quorbix.example.org");

// A label that shows the pieces of its caption (separated by two or more
// blanks) centred, one per line, whatever the face's blank width is; its
// text() stays the whole caption.
class Zeilenlabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        static const QRegularExpression trenner(QStringLiteral(" {2,}"));
        const QStringList stücke = text().split(trenner, Qt::SkipEmptyParts);
        QPainter maler(this);
        maler.setFont(font());
        maler.setPen(palette().color(QPalette::WindowText));
        maler.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap,
                       stücke.join(QLatin1Char('\n')).trimmed());
    }
};

} // namespace

frmInfo::frmInfo(std::function<void()> auswerten, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      auswerten_(std::move(auswerten)) {
    ui::einrichten();
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QString());
    // The title stays empty; a screen reader still hears what the box is.
    setAccessibleName(QStringLiteral("Info über Quorbix"));
    // A dialog would otherwise show its owner's icon; the box has none.
    setWindowIcon(QIcon());
    setModal(true);
    setFixedSize(ui::tw(6270), ui::tw(2700));

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(twRect(240, 315, 1680, 1680));
    Image1_->setPixmap(QPixmap(QStringLiteral(":/quorbix/info.png")));
    Image1_->setScaledContents(true);
    Image1_->setAccessibleName(QStringLiteral("Bild: Quorbix"));
    Image1_->installEventFilter(this);

    Label1_ = new Zeilenlabel(Infotext, this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setGeometry(twRect(2160, 360, 3780, 1590));
    Label1_->setFont(ui::Schrift(12, false));
    Label1_->setTextFormat(Qt::PlainText);
    Label1_->setAlignment(Qt::AlignCenter);
    Label1_->setWordWrap(true);
    Label1_->setProperty("tag", QString());
    ui::setzeTextfarbe(Label1_, QColor(0, 0, 255));
    Label1_->installEventFilter(this);

    Command1_ = new QPushButton(QStringLiteral("OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setGeometry(twRect(2475, 2115, 1335, 495));
    Command1_->setFont(ui::Schrift(12, false));
    Command1_->setDefault(true);
    connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmInfo::Command1_Click() {
    accept();
}

void frmInfo::Image1_DblClick() {
    Suchfreigabe = 1;
}

void frmInfo::Label1_DblClick() {
    if (Suchfreigabe != 1) {
        return;
    }
    // Modal without an owner; the about box stays open beneath it.
    if (auswerten_) {
        auswerten_();
    }
}

void frmInfo::reject() {}

bool frmInfo::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::MouseButtonDblClick) {
        if (objekt == Image1_) {
            Image1_DblClick();
            return true;
        }
        if (objekt == Label1_) {
            Label1_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void frmInfo::showEvent(QShowEvent* ereignis) {
    ui::zentriereAufBildschirm(this);
    QDialog::showEvent(ereignis);
}

} // namespace dialoge
