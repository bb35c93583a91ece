#include "ui/boutonimage.h"

#include <QKeyEvent>
#include <QPainter>

TboutonImage::TboutonImage(Tpicto picto, QWidget* parent) : QAbstractButton(parent), picto_(picto) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    resize(taillePicto(picto));
}

QSize TboutonImage::sizeHint() const {
    return taillePicto(picto_);
}

void TboutonImage::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    dessinerPicto(peintre, picto_, QRectF(rect()), isEnabled(), underMouse() || isDown());
    if (hasFocus()) {
        peintre.setPen(QPen(Qt::black, 1, Qt::DotLine));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void TboutonImage::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(evenement);
}
