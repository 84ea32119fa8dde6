#pragma once
// The rows of the evaluation list: one per code evaluated, in counting order.
// The code's text is computed from its row and the move count read from the
// run's compact list, so millions of rows cost one byte each.

#include "evaluation/engine/Auswertung.h"

#include <QAbstractTableModel>
#include <cstdint>

namespace computersuche {

class Ergebnismodell : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit Ergebnismodell(QObject* eltern = nullptr);

    // No rows; the list of the next run, whose rows appear with zeigeBis.
    void leeren();
    void neu(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, const quorbix::Zugliste* züge);

    // Adds the rows up to `anzahl` (codes 0..anzahl-1 must be known).
    void zeigeBis(std::uint32_t anzahl);

    int rowCount(const QModelIndex& eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex& eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung,
                        int rolle = Qt::DisplayRole) const override;

private:
    std::int16_t felder_ = 0;
    std::int16_t farben_ = 0;
    const quorbix::Zugliste* züge_ = nullptr;
    std::uint32_t zeilen_ = 0;
};

} // namespace computersuche
