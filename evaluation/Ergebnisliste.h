#pragma once
// The evaluation's list of codes (lstView): a table view whose rows all have
// one height, the vertical header's default section size, so that it keeps
// nothing per row. Qt's table view keeps every row's size in its vertical
// header, 8 bytes a row: 128 MiB for the 16.7 million rows of the largest
// space, more than the run's own list of moves, and time for every row
// added. Here the vertical header has no rows; everything that placed rows
// through it is computed from the one height, as Qt's table view does it,
// so that the list looks, scrolls and answers the keys and screen readers
// as before.

#include <QTableView>

class QBitArray;

namespace computersuche {

class Ergebnisliste : public QTableView {
    Q_OBJECT

public:
    explicit Ergebnisliste(QWidget* eltern = nullptr);

    void setModel(QAbstractItemModel* modell) override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& punkt) const override;
    // The row at `y` in the viewport, or -1.
    int zeileBei(int y) const;

protected:
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) override;
    int verticalOffset() const override { return oben_; }
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rechteck, QItemSelectionModel::SelectionFlags art) override;
    QRegion visualRegionForSelection(const QItemSelection& auswahl) const override;
    void paintEvent(QPaintEvent* ereignis) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex& eltern, int erste, int letzte) override;
    int sizeHintForColumn(int spalte) const override;
    QSize viewportSizeHint() const override;

private:
    int zeilen() const;
    int höhe() const;
    int zeilenY(int zeile) const { return zeile * höhe() - oben_; }
    // The rows' offset for the scroll bar's value: a row per step, and the
    // last row at the bottom once the bar is at its end.
    int obenFür(int wert) const;
    void ordneSpalten(const QSize& größe);
    QModelIndex seitenweise(const QModelIndex& jetzt, bool hoch) const;
    // The cells of one rectangle of the region to repaint, each once.
    void zeichneFeld(QPainter& maler, QStyleOptionViewItem& vorlage, QRect feld, QBitArray& gemalt,
                     int ersteZeile) const;
    void zeichneZelle(QPainter& maler, const QStyleOptionViewItem& vorlage,
                      const QModelIndex& index) const;

    int oben_ = 0; // pixels of rows above the viewport
    bool ordnet_ = false;
};

} // namespace computersuche
