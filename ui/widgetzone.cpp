#include "ui/widgetzone.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TwidgetZone::TwidgetZone(QWidget* parent, int largeur, int hauteur, Tcouleur couleur)
    : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    boite.largeur = largeur;
    boite.hauteur = hauteur;
    boite.couleur = couleur;
    boite.repeindre = [this] {
        if (isVisible()) {
            repaint();
        }
    };
    boite.changerCurseur = [this](Tcurseur curseur) {
        setCursor(curseur == Tcurseur::croix                 ? Qt::CrossCursor
                  : curseur == Tcurseur::main                ? Qt::PointingHandCursor
                  : curseur == Tcurseur::redimensionVertical ? Qt::SizeVerCursor
                                                             : Qt::ArrowCursor);
    };
    resize(largeur, hauteur);
}

void TwidgetZone::suivreBoite() {
    if (width() != boite.largeur || height() != boite.hauteur) {
        resize(boite.largeur, boite.hauteur);
    }
    setVisible(boite.visible);
}

void TwidgetZone::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.fillRect(rect(), QColor::fromRgb(boite.couleur));
    if (peindre) {
        peindre(peintre);
    }
}

void TwidgetZone::transmettre(QMouseEvent* evenement, int action) {
    if (souris) {
        const QPoint p = evenement->position().toPoint();
        souris(p.x(), p.y(), action);
    }
}

void TwidgetZone::mousePressEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton) {
        transmettre(evenement, 1);
    }
}

void TwidgetZone::mouseMoveEvent(QMouseEvent* evenement) {
    transmettre(evenement, 3);
}

void TwidgetZone::mouseReleaseEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton) {
        transmettre(evenement, 2);
    }
}

void TwidgetZone::resizeEvent(QResizeEvent*) {
    if (tailleParLaBoite) {
        return;
    }
    boite.largeur = width();
    boite.hauteur = height();
}

void TwidgetZone::accepterClavier() {
    setFocusPolicy(Qt::StrongFocus);
}

bool TwidgetZone::event(QEvent* evenement) {
    // La tabulation passe d'abord à la zone, qui la garde tant qu'il reste un point à choisir.
    if (evenement->type() == QEvent::KeyPress && clavier) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->modifiers() == Qt::NoModifier && clavier(touche->key())) {
            evenement->accept();
            return true;
        }
    }
    return QWidget::event(evenement);
}

void TwidgetZone::focusOutEvent(QFocusEvent* evenement) {
    if (perteClavier) {
        perteClavier();
    }
    QWidget::focusOutEvent(evenement);
}
