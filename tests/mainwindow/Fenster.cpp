#include "Fenster.h"

#include "common/Modal.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <random>

namespace testfenster {

int px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twips(int links, int oben, int breite, int höhe) {
    return {px(links), px(oben), px(breite), px(höhe)};
}

QColor Palette(int n) {
    static const int rgb[16][3] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    return {rgb[n][0], rgb[n][1], rgb[n][2]};
}

QColor SymbolFarbe(int symbol) {
    static const int index[9] = {-1, 15, 12, 1, 10, 0, 14, 6, 5};
    return Palette(index[symbol]);
}

int SymbolAusFarbe(const QColor& farbe) {
    for (int s = 1; s <= 8; ++s) {
        if (SymbolFarbe(s) == farbe) {
            return s;
        }
    }
    return 0;
}

Antwort bewerte(const Code& code, const Code& zug) {
    Antwort a;
    std::map<int, int> nc, nz;
    for (std::size_t p = 0; p < code.size(); ++p) {
        a.schwarz += code[p] == zug[p];
        ++nc[code[p]];
        ++nz[zug[p]];
    }
    int gemeinsam = 0;
    for (const auto& [s, n] : nc) {
        gemeinsam += std::min(n, nz[s]);
    }
    a.weiß = gemeinsam - a.schwarz;
    return a;
}

std::optional<Code> ersterPassender(int felder, int farben,
                                    const std::vector<std::pair<Code, Antwort>>& verlauf) {
    Code c(static_cast<std::size_t>(felder), 1);
    for (;;) {
        const bool passt = std::all_of(verlauf.begin(), verlauf.end(), [&](const auto& z) {
            return bewerte(c, z.first) == z.second;
        });
        if (passt) {
            return c;
        }
        std::size_t p = 0;
        while (p < c.size() && ++c[p] > farben) {
            c[p++] = 1;
        }
        if (p == c.size()) {
            return std::nullopt;
        }
    }
}

QString alsText(const Code& code) {
    QString t;
    for (int s : code) {
        t += QString::number(s);
    }
    return t;
}

QStringList Bestand(const QObject& wurzel) {
    QStringList liste;
    int labels = 0;
    for (const QObject* o : wurzel.findChildren<QObject*>()) {
        labels += qobject_cast<const QLabel*>(o) != nullptr;
        const QString name = o->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QString eltern = o->parent() != nullptr ? o->parent()->objectName() : QString();
        liste << eltern + QLatin1Char('/') + QString::fromLatin1(o->metaObject()->className()) +
                     QLatin1Char(':') + name;
    }
    liste.sort();
    liste << QStringLiteral("labels: %1").arg(labels);
    return liste;
}

Malprotokoll::Malprotokoll(QWidget* w) : widget_(w) {
    widget_->installEventFilter(this);
}

Malprotokoll::~Malprotokoll() {
    widget_->removeEventFilter(this);
}

bool Malprotokoll::eventFilter(QObject* o, QEvent* e) {
    if (o == widget_ && e->type() == QEvent::Paint) {
        farben.push_back(widget_->palette().color(QPalette::Window));
    }
    return false;
}

WährendSuche::WährendSuche(const frmQuorbix& fenster, std::function<void()> tat) {
    wecker_.setInterval(0);
    QObject::connect(&wecker_, &QTimer::timeout, [this, &fenster, tat = std::move(tat)] {
        if (!fenster.SucheLäuft()) {
            return;
        }
        wecker_.stop();
        ausgeführt = true;
        tat();
    });
    wecker_.start();
}

void FensterTest::SetUp() {
    fenster = std::make_unique<frmQuorbix>();
    fenster->show();
    // Immediate repaints reach only a window that is on screen.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
}

void FensterTest::TearDown() {
    fenster.reset();
    // Whatever a test left for deferred deletion goes before the next test.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void FensterTest::starte(const Spiel& s) {
    spiel = s;
    if (gestartet) {
        fenster->Lösch();
    }
    fenster->setFarben(s.farben);
    fenster->setMensch(s.mensch);
    fenster->setAnzahlFarben(static_cast<std::int16_t>(s.symbole));
    fenster->setAnzahlFelder(static_cast<std::int16_t>(s.felder));
    legeCodeFest(s.code, s.symbole);
    fenster->Start();
    gestartet = true;
}

void FensterTest::legeCodeFest(const Code& code, int symbole) {
    // The code first, then arbitrary draws for the flashing and later games.
    auto ziehungen = std::make_shared<std::deque<double>>();
    for (int symbol : code) {
        ziehungen->push_back((symbol - 0.5) / symbole);
    }
    auto rest = std::make_shared<std::mt19937>(4711);
    fenster->Zufallsgenerator().setzeQuelle([ziehungen, rest] {
        if (!ziehungen->empty()) {
            const double r = ziehungen->front();
            ziehungen->pop_front();
            return r;
        }
        return std::uniform_real_distribution<double>(0.0, 1.0)(*rest);
    });
}

QLabel* FensterTest::lbl(const char* array, int index) const {
    return lbl(QStringLiteral("%1(%2)").arg(QString::fromUtf8(array)).arg(index));
}

QPushButton* FensterTest::knopf(int index) const {
    return finde<QPushButton>(QStringLiteral("cmdFertig(%1)").arg(index));
}

QAbstractSpinBox* FensterTest::updM(int index) const {
    return dreh(QStringLiteral("updM(%1)").arg(index));
}

QLabel* FensterTest::zelle(int feld, int zug) const {
    return lbl("lblVersuch", feld * 14 + zug - 1);
}

QStringList FensterTest::klick(int index) {
    QPushButton* k = knopf(index);
    return testhilfe::Meldungstexte([k] { QTest::mouseClick(k, Qt::LeftButton); });
}

QStringList FensterTest::klick(int index, const std::function<void()>& blick) {
    QPushButton* k = knopf(index);
    QStringList texte;
    testhilfe::beiModal([k] { QTest::mouseClick(k, Qt::LeftButton); },
                        [&](QWidget* w) {
                            auto* box = qobject_cast<QMessageBox*>(w);
                            if (box == nullptr) {
                                ADD_FAILURE()
                                    << "unexpected window " << w->objectName().toStdString();
                                w->close();
                                return;
                            }
                            EXPECT_EQ(box->windowTitle().toStdString(), "Quorbix !");
                            texte << box->text();
                            blick();
                            box->button(QMessageBox::Ok)->click();
                        });
    return texte;
}

void FensterTest::taste(Qt::Key k) {
    fenster->activateWindow();
    QApplication::setActiveWindow(fenster.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    QTest::keyClick(fenster.get(), k);
}

QStringList FensterTest::drücke(int index) {
    return testhilfe::Meldungstexte([this, index] { fenster->cmdFertig_Click(index); });
}

void FensterTest::stelle(QAbstractSpinBox* dreh, int ziel) {
    for (int i = 0; i < 20 && wert(dreh) != ziel; ++i) {
        if (wert(dreh) < ziel) {
            dreh->stepUp();
        } else {
            dreh->stepDown();
        }
    }
    EXPECT_EQ(wert(dreh), ziel) << dreh->objectName().toStdString();
}

void FensterTest::gibEin(const Code& code) {
    for (std::size_t f = 0; f < code.size(); ++f) {
        stelle(updM(static_cast<int>(f)), code[f]);
    }
}

void FensterTest::antworte(Antwort a) {
    QAbstractSpinBox* schwarz = dreh(QStringLiteral("updSchw"));
    QAbstractSpinBox* weiß = dreh(QStringLiteral("updWeiß"));
    // Lower first, so that no step passes the sum of fields.
    if (wert(weiß) > a.weiß) {
        stelle(weiß, a.weiß);
    }
    if (wert(schwarz) > a.schwarz) {
        stelle(schwarz, a.schwarz);
    }
    stelle(schwarz, a.schwarz);
    stelle(weiß, a.weiß);
    ASSERT_EQ(angezeigt(), a);
}

Antwort FensterTest::angezeigt() const {
    return {lbl(QStringLiteral("lblSchw"))->text().toInt(),
            lbl(QStringLiteral("lblWeiß"))->text().toInt()};
}

Code FensterTest::brettZug(int zug) const {
    Code c;
    for (int f = 0; f < spiel.felder; ++f) {
        const QLabel* z = zelle(f, zug);
        c.push_back(spiel.farben ? SymbolAusFarbe(z->palette().color(QPalette::Window))
                                 : z->text().toInt());
    }
    return c;
}

QString FensterTest::knopfZustand() const {
    QString s;
    for (int i = 0; i < 7; ++i) {
        s += knopf(i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    }
    return s;
}

int FensterTest::sichtbarePins(const char* array) const {
    int n = 0;
    const QString präfix = QString::fromUtf8(array) + QLatin1Char('(');
    for (const QLabel* l : zentrale()->findChildren<QLabel*>()) {
        n += l->objectName().startsWith(präfix) && l->isVisible();
    }
    return n;
}

std::set<std::pair<int, int>> FensterTest::pinPlätze(const char* array) const {
    std::set<std::pair<int, int>> plätze;
    const QString präfix = QString::fromUtf8(array) + QLatin1Char('(');
    for (const QLabel* l : zentrale()->findChildren<QLabel*>()) {
        if (l->objectName().startsWith(präfix) && l->isVisible()) {
            plätze.insert({l->x(), l->y()});
        }
    }
    return plätze;
}

} // namespace testfenster
