#include "ui/Drehfeld.h"

#include "ui/Barrierefreiheit.h"
#include "ui/Steuerelemente.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

namespace ui {

Drehfeld::Drehfeld(QWidget* eltern) : QAbstractSpinBox(eltern) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setFrame(false);
    setFocusPolicy(Qt::StrongFocus);
    // Only the arrows: the value is shown by the bound label.
    lineEdit()->hide();
    lineEdit()->setReadOnly(true);
    // Its name says a colour its label shows.
    ui::beobachteName(this);
}

void Drehfeld::setValue(int wert) {
    wert = std::clamp(wert, minimum_, std::max(minimum_, maximum_));
    if (wert == wert_) {
        return;
    }
    zeige(wert);
    emit valueChanged(wert_);
}

void Drehfeld::zeige(int wert) {
    wert = std::clamp(wert, minimum_, std::max(minimum_, maximum_));
    const bool geändert = wert != wert_;
    wert_ = wert;
    schreibe();
    update();
    if (geändert && QAccessible::isActive()) {
        // As Qt's own spin boxes do, a screen reader hears of every change.
        QAccessibleValueChangeEvent änderung(this, wert_);
        QAccessible::updateAccessibility(&änderung);
    }
}

void Drehfeld::setMinimum(int minimum) {
    minimum_ = minimum;
    maximum_ = std::max(maximum_, minimum_);
    if (wert_ < minimum_) {
        zeige(minimum_);
    }
    update();
}

void Drehfeld::setMaximum(int maximum) {
    maximum_ = std::max(maximum, minimum_);
    if (wert_ > maximum_) {
        zeige(maximum_);
    }
    update();
}

void Drehfeld::binde(QLabel* label, Bindung art) {
    label_ = label;
    bindung_ = art;
}

void Drehfeld::schreibe() {
    if (!label_) {
        return;
    }
    const QString text = QString::number(wert_);
    if (bindung_ == Bindung::Tag) {
        setzeTag(label_, text);
    } else {
        label_->setText(text);
    }
}

void Drehfeld::stepBy(int schritte) {
    setValue(wert_ + schritte);
}

QAbstractSpinBox::StepEnabled Drehfeld::stepEnabled() const {
    StepEnabled e = StepNone;
    if (!isEnabled()) {
        return e;
    }
    if (wert_ < maximum_) {
        e |= StepUpEnabled;
    }
    if (wert_ > minimum_) {
        e |= StepDownEnabled;
    }
    return e;
}

QSize Drehfeld::sizeHint() const {
    return {tw(270), tw(375)};
}
QSize Drehfeld::minimumSizeHint() const {
    return {8, 10};
}

void Drehfeld::paintEvent(QPaintEvent*) {
    // Two stacked arrow buttons filling the control.
    QPainter maler(this);
    const int mitte = height() / 2;
    const QRect hälften[2] = {QRect(0, 0, width(), mitte),
                              QRect(0, mitte, width(), height() - mitte)};
    // The arrows look the same at the ends as in between: a click there just
    // does nothing. Grey arrows mean the whole control is disabled.
    const bool aktiv = isEnabled();
    for (int i = 0; i < 2; ++i) {
        const bool oben = i == 0;
        QStyleOptionButton knopf;
        knopf.initFrom(this);
        knopf.rect = hälften[i];
        if (!aktiv) {
            knopf.state &= ~QStyle::State_Enabled;
        }
        knopf.state |= (gedrückt_ == (oben ? 1 : -1)) ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &knopf, &maler, this);
        QStyleOption pfeil;
        pfeil.initFrom(this);
        pfeil.rect = hälften[i].adjusted(3, 2, -3, -2);
        if (!aktiv) {
            pfeil.state &= ~QStyle::State_Enabled;
            pfeil.palette.setCurrentColorGroup(QPalette::Disabled);
        }
        style()->drawPrimitive(oben ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &pfeil, &maler, this);
    }
}

void Drehfeld::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton || !isEnabled()) {
        ereignis->ignore();
        return;
    }
    gedrückt_ = ereignis->position().y() < height() / 2.0 ? 1 : -1;
    update();
    ereignis->accept();
    stepBy(gedrückt_);
}

void Drehfeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton || gedrückt_ == 0) {
        ereignis->ignore();
        return;
    }
    gedrückt_ = 0;
    update();
    ereignis->accept();
}

void Drehfeld::mouseMoveEvent(QMouseEvent* ereignis) {
    ereignis->accept();
}

void Drehfeld::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    mousePressEvent(ereignis);
}

void Drehfeld::keyPressEvent(QKeyEvent* ereignis) {
    switch (ereignis->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        // One step per press: no modifier multiplies it, no timer repeats it.
        ereignis->accept();
        stepBy(ereignis->key() == Qt::Key_Up ? 1 : -1);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // No meaning for this control; left to the window.
        ereignis->ignore();
        return;
    default:
        QAbstractSpinBox::keyPressEvent(ereignis);
    }
}

void Drehfeld::wheelEvent(QWheelEvent* ereignis) {
    // One step per notch (120 eighths of a degree), whatever the modifiers;
    // the finer turns of a touchpad add up to notches.
    radRest_ += ereignis->angleDelta().y();
    const int raster = radRest_ / 120;
    radRest_ -= raster * 120;
    if (raster != 0) {
        stepBy(raster);
    }
    ereignis->accept();
}

void Drehfeld::contextMenuEvent(QContextMenuEvent* ereignis) {
    // The up-down control has no menu; nor should the window get one instead.
    ereignis->accept();
}

} // namespace ui
