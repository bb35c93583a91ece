#include "ui/barreonglets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace {

struct Tonglet {
    const char* legende;
    QRgb couleur;
};

constexpr std::array<Tonglet, TbarreOnglets::nombreOnglets> onglets{{
    {"Sommaire", 0xFF5DC5AE},
    {"Cours", 0xFFFF8B23},
    {"Exercices", 0xFF109102},
    {"Imagiciels", 0xFF00B2F6},
    {"Index", 0xFFF7D323},
}};

} // namespace

TbarreOnglets::TbarreOnglets(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor TbarreOnglets::couleurOnglet(int onglet) {
    return QColor::fromRgb(onglets[static_cast<std::size_t>(onglet)].couleur);
}

QRect TbarreOnglets::rectOnglet(int onglet) const {
    return {onglet * largeurOnglet, 0, largeurOnglet, hauteurOnglet};
}

void TbarreOnglets::definirCourant(int onglet) {
    if (onglet >= 0 && onglet < nombreOnglets && onglet != courant_) {
        courant_ = onglet;
        update();
    }
}

void TbarreOnglets::definirActif(int onglet, bool actif) {
    if (onglet >= 0 && onglet < nombreOnglets && actifs_[onglet] != actif) {
        actifs_[onglet] = actif;
        update();
    }
}

void TbarreOnglets::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x00, 0x80, 0x80));
    QFont police(QStringLiteral("Liberation Sans Narrow"));
    police.setBold(true);
    police.setPixelSize(30); // cellule de 34 pixels de haut
    p.setFont(police);
    const QFontMetrics mesures(police);
    for (int i = 0; i < nombreOnglets; ++i) {
        const QColor couleur = couleurOnglet(i);
        const QRect r = rectOnglet(i);
        const int g = r.left();
        const int d = r.right() + 1;
        // Les onglets en retrait descendent de 2 pixels, l'onglet affiché reste au sommet.
        const int h = r.top() + (i == courant_ ? 0 : 2);
        const int b = h + hauteurOnglet;
        p.fillRect(QRect(QPoint(g + 1, h), QPoint(d - 2, b + 5)), couleur);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(g + 7, h + 4, d - 7 - (g + 7), 32), 8, 8);
        p.setRenderHint(QPainter::Antialiasing, false);
        const QString legende = QString::fromUtf8(onglets[static_cast<std::size_t>(i)].legende);
        p.setPen(actifs_[i] ? couleur : couleur.lighter(160));
        const int x = g + (d - g - mesures.horizontalAdvance(legende)) / 2;
        p.drawText(x, h + 2 + mesures.ascent(), legende);
        p.fillRect(QRect(QPoint(g + 1, h), QPoint(d - 2, h + 5)), couleur);
        p.fillRect(QRect(QPoint(g + 1, h + 35), QPoint(d - 2, h + 39)), couleur);
        if (i == courant_ && hasFocus()) {
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(g + 9, h + 7, d - g - 19, 26));
        }
    }
}

void TbarreOnglets::choisir(int onglet) {
    if (onglet < 0 || onglet >= nombreOnglets || !actifs_[onglet]) {
        return;
    }
    definirCourant(onglet);
    if (ongletChoisi) {
        ongletChoisi(onglet);
    }
}

void TbarreOnglets::mousePressEvent(QMouseEvent* evenement) {
    const QPoint p = evenement->position().toPoint();
    if (evenement->button() == Qt::LeftButton && p.y() < hauteurOnglet + 2) {
        choisir(p.x() / largeurOnglet);
    }
}

void TbarreOnglets::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->key() == Qt::Key_Left) {
        choisir(courant_ - 1);
    } else if (evenement->key() == Qt::Key_Right) {
        choisir(courant_ + 1);
    } else {
        QWidget::keyPressEvent(evenement);
    }
}
