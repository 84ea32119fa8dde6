#include "evaluation/Ergebnisliste.h"

#include <QAbstractButton>
#include <QBitArray>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace computersuche {

// Geometry, painting, scrolling and the cursor keys follow Qt's own table
// view; only the rows' places are computed from their one height instead of
// being kept per row. The list draws no grid.

Ergebnisliste::Ergebnisliste(QWidget* eltern) : QTableView(eltern) {
    verticalHeader()->hide();
    // The corner button shows only beside a vertical header.
    for (auto* knopf : findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        knopf->hide();
    }
}

void Ergebnisliste::setModel(QAbstractItemModel* modell) {
    QTableView::setModel(modell);
    verticalHeader()->setModel(nullptr); // no rows, so nothing per row
}

int Ergebnisliste::zeilen() const {
    return model() != nullptr ? model()->rowCount(rootIndex()) : 0;
}

int Ergebnisliste::höhe() const {
    return std::max(1, verticalHeader()->defaultSectionSize());
}

int Ergebnisliste::zeileBei(int y) const {
    const long long lage = static_cast<long long>(y) + oben_;
    if (lage < 0 || lage >= static_cast<long long>(zeilen()) * höhe()) {
        return -1;
    }
    return static_cast<int>(lage / höhe());
}

int Ergebnisliste::obenFür(int wert) const {
    const QScrollBar* leiste = verticalScrollBar();
    if (leiste->maximum() > 0 && wert == leiste->maximum()) {
        return zeilen() * höhe() - viewport()->height();
    }
    return wert * höhe();
}

QRect Ergebnisliste::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex()) {
        return {};
    }
    return {columnViewportPosition(index.column()), zeilenY(index.row()),
            columnWidth(index.column()), höhe()};
}

QModelIndex Ergebnisliste::indexAt(const QPoint& punkt) const {
    const int zeile = zeileBei(punkt.y());
    const int spalte = columnAt(punkt.x());
    if (zeile < 0 || spalte < 0) {
        return {};
    }
    return model()->index(zeile, spalte, rootIndex());
}

void Ergebnisliste::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex()) {
        return;
    }
    // Across a column at a time.
    const QHeaderView* kopf = horizontalHeader();
    const int breite = viewport()->width();
    const int links = kopf->sectionPosition(index.column()) - kopf->offset();
    const int zellbreite = kopf->sectionSize(index.column());
    const bool zuLinks = links < 0;
    const bool zuRechts = links + zellbreite > breite;
    int spalte = kopf->visualIndex(index.column());
    if (hint == PositionAtCenter || zuRechts) {
        const int w = hint == PositionAtCenter ? breite / 2 : breite;
        for (int x = zellbreite; spalte > 0; --spalte) {
            x += kopf->sectionSize(kopf->logicalIndex(spalte - 1));
            if (x > w) {
                break;
            }
        }
    }
    if (zuLinks || zuRechts || hint == PositionAtCenter) {
        horizontalScrollBar()->setValue(spalte);
    }
    // Down a row at a time.
    const int bildhöhe = viewport()->height();
    const int oben = zeilenY(index.row());
    if (hint == EnsureVisible && (oben < 0 || höhe() > bildhöhe)) {
        hint = PositionAtTop;
    } else if (hint == EnsureVisible && oben + höhe() > bildhöhe) {
        hint = PositionAtBottom;
    }
    int zeile = index.row();
    if (hint == PositionAtBottom || hint == PositionAtCenter) {
        const int h = hint == PositionAtCenter ? bildhöhe / 2 : bildhöhe;
        for (int y = 2 * höhe(); zeile > 0 && y <= h; y += höhe()) {
            --zeile;
        }
    }
    if (hint != EnsureVisible) {
        verticalScrollBar()->setValue(zeile);
    }
    update(index);
}

QModelIndex Ergebnisliste::moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) {
    const int unten = zeilen() - 1;
    const int rechts = model() != nullptr ? model()->columnCount(rootIndex()) - 1 : -1;
    if (unten < 0 || rechts < 0) {
        return {};
    }
    const QModelIndex jetzt = currentIndex();
    if (!jetzt.isValid()) {
        return model()->index(0, horizontalHeader()->logicalIndex(0), rootIndex());
    }
    int zeile = jetzt.row();
    int spalte = horizontalHeader()->visualIndex(jetzt.column());
    if (isRightToLeft() && (aktion == MoveLeft || aktion == MoveRight)) {
        aktion = aktion == MoveLeft ? MoveRight : MoveLeft;
    }
    switch (aktion) {
    case MoveUp:
    case MoveDown:
        zeile = std::clamp(zeile + (aktion == MoveUp ? -1 : 1), 0, unten);
        break;
    case MovePrevious:
    case MoveLeft:
        if (spalte > 0) {
            --spalte;
        } else if (aktion == MovePrevious) { // on from the end of the row before
            spalte = rechts;
            zeile = zeile == 0 ? unten : zeile - 1;
        }
        break;
    case MoveNext:
    case MoveRight:
        if (spalte < rechts) {
            ++spalte;
        } else if (aktion == MoveNext) {
            spalte = 0;
            zeile = zeile == unten ? 0 : zeile + 1;
        }
        break;
    case MoveHome:
    case MoveEnd:
        spalte = aktion == MoveHome ? 0 : rechts;
        if ((tasten & Qt::ControlModifier) != 0) {
            zeile = aktion == MoveHome ? 0 : unten;
        }
        break;
    case MovePageUp:
    case MovePageDown:
        return seitenweise(jetzt, aktion == MovePageUp);
    }
    return model()->index(zeile, horizontalHeader()->logicalIndex(spalte), rootIndex());
}

// A page up or down: to the row a view's height above or below, or to the
// first or the last.
QModelIndex Ergebnisliste::seitenweise(const QModelIndex& jetzt, bool hoch) const {
    const int y = hoch ? visualRect(jetzt).bottom() - viewport()->height()
                       : visualRect(jetzt).top() + viewport()->height();
    const int neu = zeileBei(y);
    return model()->index(neu != -1 ? neu : hoch ? 0 : zeilen() - 1, jetzt.column(), rootIndex());
}

void Ergebnisliste::setSelection(const QRect& rechteck, QItemSelectionModel::SelectionFlags art) {
    const QRect r = rechteck.normalized();
    const QModelIndex erstes = indexAt(isRightToLeft() ? r.topRight() : r.topLeft());
    const QModelIndex letztes = indexAt(isRightToLeft() ? r.bottomLeft() : r.bottomRight());
    if (selectionModel() != nullptr && erstes.isValid() && letztes.isValid()) {
        selectionModel()->select(QItemSelection(erstes, letztes), art);
    }
}

QRegion Ergebnisliste::visualRegionForSelection(const QItemSelection& auswahl) const {
    QRegion gebiet;
    const QRect bild = viewport()->rect();
    for (const QItemSelectionRange& bereich : auswahl) {
        if (bereich.parent() != rootIndex() || !bereich.isValid()) {
            continue;
        }
        const int a = isLeftToRight() ? bereich.left() : bereich.right();
        const int b = isLeftToRight() ? bereich.right() : bereich.left();
        const QRect rechteck(QPoint(columnViewportPosition(a), zeilenY(bereich.top())),
                             QPoint(columnViewportPosition(b) + columnWidth(b) - 1,
                                    zeilenY(bereich.bottom()) + höhe() - 1));
        if (bild.intersects(rechteck)) {
            gebiet += rechteck;
        }
    }
    return gebiet;
}

void Ergebnisliste::zeichneZelle(QPainter& maler, const QStyleOptionViewItem& vorlage,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem option = vorlage;
    if (selectionModel() != nullptr && selectionModel()->isSelected(index)) {
        option.state |= QStyle::State_Selected;
    }
    if ((vorlage.state & QStyle::State_Enabled) != 0) {
        const bool an = (model()->flags(index) & Qt::ItemIsEnabled) != 0;
        if (!an) {
            option.state &= ~QStyle::State_Enabled;
        }
        option.palette.setCurrentColorGroup(an ? QPalette::Normal : QPalette::Disabled);
    }
    if (index == currentIndex() && (hasFocus() || viewport()->hasFocus())) {
        option.state |= QStyle::State_HasFocus;
    }
    style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &maler, this);
    itemDelegateForIndex(index)->paint(&maler, option, index);
}

void Ergebnisliste::paintEvent(QPaintEvent* ereignis) {
    QStyleOptionViewItem vorlage;
    initViewItemOption(&vorlage);
    QPainter maler(viewport());
    const int n = zeilen();
    if (horizontalHeader()->count() == 0 || n == 0 || itemDelegate() == nullptr) {
        return;
    }
    // A cell in two rectangles of the region is drawn once: twice would
    // blend the edges of its text twice.
    const int erste = std::max(zeileBei(0), 0);
    const int letzte =
        zeileBei(viewport()->height()) == -1 ? n - 1 : zeileBei(viewport()->height());
    QBitArray gemalt((letzte - erste + 1) * horizontalHeader()->count());
    for (const QRect& feld : ereignis->region()) {
        zeichneFeld(maler, vorlage, feld, gemalt, erste);
    }
}

void Ergebnisliste::zeichneFeld(QPainter& maler, QStyleOptionViewItem& vorlage, QRect feld,
                                QBitArray& gemalt, int ersteZeile) const {
    const QHeaderView* kopf = horizontalHeader();
    const int n = zeilen();
    const int rechtsBis = kopf->length() - kopf->offset() - (isRightToLeft() ? 0 : 1);
    feld.setBottom(std::min(feld.bottom(), n * höhe() - oben_ - 1));
    if (isRightToLeft()) {
        feld.setLeft(std::max(feld.left(), viewport()->width() - rechtsBis));
    } else {
        feld.setRight(std::min(feld.right(), rechtsBis));
    }
    if (!feld.isValid()) {
        return;
    }
    int links = kopf->visualIndexAt(feld.left());
    int rechts = kopf->visualIndexAt(feld.right());
    if (isRightToLeft()) {
        std::swap(links, rechts);
    }
    links = links == -1 ? 0 : links;
    rechts = rechts == -1 ? kopf->count() - 1 : rechts;
    const int oben = zeileBei(feld.top());
    const int unten = zeileBei(feld.bottom()) == -1 ? n - 1 : zeileBei(feld.bottom());
    for (int zeile = oben; oben != -1 && zeile <= unten; ++zeile) {
        for (int sichtbar = links; sichtbar <= rechts; ++sichtbar) {
            const qsizetype bit = (zeile - ersteZeile) * kopf->count() + sichtbar;
            const int spalte = kopf->logicalIndex(sichtbar);
            if (bit < 0 || bit >= gemalt.size() || gemalt.testBit(bit) ||
                kopf->isSectionHidden(spalte)) {
                continue;
            }
            gemalt.setBit(bit);
            vorlage.rect =
                QRect(columnViewportPosition(spalte), zeilenY(zeile), columnWidth(spalte), höhe());
            zeichneZelle(maler, vorlage, model()->index(zeile, spalte, rootIndex()));
        }
    }
}

void Ergebnisliste::updateGeometries() {
    if (ordnet_) {
        return;
    }
    ordnet_ = true;
    QHeaderView* kopf = horizontalHeader();
    int kopfhöhe = 0;
    if (!kopf->isHidden()) {
        kopfhöhe = std::min(std::max(kopf->minimumHeight(), kopf->sizeHint().height()),
                            kopf->maximumHeight());
    }
    setViewportMargins(0, kopfhöhe, 0, 0);
    const QRect bild = viewport()->geometry();
    kopf->setGeometry(bild.left(), bild.top() - kopfhöhe, bild.width(), kopfhöhe);
    if (kopf->isHidden()) {
        QMetaObject::invokeMethod(kopf, "updateGeometries");
    }
    // Whole columns and rows, counted from the end, fill the view.
    QSize größe = viewport()->size();
    const QSize ganz = maximumViewportSize();
    const int n = zeilen();
    if (ganz.width() >= kopf->length() &&
        static_cast<long long>(ganz.height()) >= static_cast<long long>(n) * höhe()) {
        größe = ganz;
    }
    ordneSpalten(größe);
    const int zeilenImBild = std::max(std::min(n, größe.height() / höhe()), 1);
    verticalScrollBar()->setRange(0, n - zeilenImBild);
    verticalScrollBar()->setPageStep(zeilenImBild);
    verticalScrollBar()->setSingleStep(1);
    oben_ = obenFür(verticalScrollBar()->value());
    ordnet_ = false;
    QAbstractItemView::updateGeometries();
}

void Ergebnisliste::ordneSpalten(const QSize& größe) {
    QHeaderView* kopf = horizontalHeader();
    int spaltenImBild = 0;
    for (int breite = 0, s = kopf->count() - 1; s >= 0; --s) {
        const int spalte = kopf->logicalIndex(s);
        if (!kopf->isSectionHidden(spalte)) {
            breite += kopf->sectionSize(spalte);
            if (breite > größe.width()) {
                break;
            }
            ++spaltenImBild;
        }
    }
    spaltenImBild = std::max(spaltenImBild, 1);
    const int sichtbar = kopf->count() - kopf->hiddenSectionCount();
    horizontalScrollBar()->setRange(0, sichtbar - spaltenImBild);
    horizontalScrollBar()->setPageStep(spaltenImBild);
    horizontalScrollBar()->setSingleStep(1);
    if (spaltenImBild >= sichtbar) {
        kopf->setOffset(0);
    }
}

void Ergebnisliste::scrollContentsBy(int dx, int dy) {
    if (dx != 0) {
        const QScrollBar* leiste = horizontalScrollBar();
        if (leiste->maximum() > 0 && leiste->value() == leiste->maximum()) {
            horizontalHeader()->setOffsetToLastSection();
        } else {
            horizontalHeader()->setOffsetToSectionPosition(leiste->value());
        }
    }
    if (dy != 0) {
        oben_ = obenFür(verticalScrollBar()->value());
    }
    viewport()->update();
}

void Ergebnisliste::rowsInserted(const QModelIndex& eltern, int erste, int letzte) {
    QTableView::rowsInserted(eltern, erste, letzte);
    updateGeometries();
    viewport()->update();
}

int Ergebnisliste::sizeHintForColumn(int spalte) const {
    if (model() == nullptr) {
        return -1;
    }
    ensurePolished();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int bis = zeileBei(viewport()->height());
    int breite = 0;
    for (int zeile = std::max(zeileBei(0), 0); zeile <= (bis == -1 ? zeilen() - 1 : bis); ++zeile) {
        const QModelIndex index = model()->index(zeile, spalte, rootIndex());
        breite = std::max(breite, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return breite;
}

QSize Ergebnisliste::viewportSizeHint() const {
    const QHeaderView* kopf = horizontalHeader();
    return {kopf->length(), (kopf->isHidden() ? 0 : kopf->height()) + zeilen() * höhe()};
}

} // namespace computersuche
