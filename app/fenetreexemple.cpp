#include "fenetreexemple.h"

#include <QMouseEvent>
#include <QPainter>

FenetreExemple::FenetreExemple() {
    setWindowTitle(QStringLiteral("calvane"));
    setFixedSize(800, 600);
    setMouseTracking(true);
    boite_.largeur = 800;
    boite_.hauteur = 600;
    boite_.couleur = 0xFFFFFF;
    boite_.repeindre = [this] { repaint(); };
    boite_.changerCurseur = [this](Tcurseur curseur) {
        setCursor(curseur == Tcurseur::croix  ? Qt::CrossCursor
                  : curseur == Tcurseur::main ? Qt::PointingHandCursor
                                              : Qt::ArrowCursor);
    };
    creerZone(boite_, zone_);
    TzoneAffichage& z = *zone_;
    ajouterCadreEnonce(z, 96, 15);
    ecrire(z, "$gExemple de texte balis\u00e9", 2, 2);
    ecrire(z, "Calculer A = $F2,5 * 100;     2; et B = 3 * 5 * x * x = 15 x\u00b2.", 2, 4);
    ecrire(z,
           "Racine : BC = $453$4 ; puissance : 10$0-3$1 ; indice : u$2n+1$1 ; "
           "$4$F1;2;$4 = $F$41$4;$42$4;",
           2, 6.5);
    ecrire(z, "R\u00e9soudre le syst\u00e8me $s2\\1.1\\-0.7\\0.7\\x + y = 81\\2 x + 3 y = 200$s", 2,
           9);
    ecrire(z,
           "Angle $3ABC$  = 45\u00b0 ; vecteur $5AB$  ; $~p $: 2 ; a >= b ; a <> b ; "
           "$rrouge $Vvert $kbleu",
           2, 11.5);
    ecrire(z, "Voir $LC02_SF3;la page de cours; ou la fiche $LPdivid;la division;.", 2, 13.5);
    ajouterBoutonLien(z, 1018, "Cours", 24, 330, 80);
    ajouterBoutonAide(z, 326);
    ajouterCadreTexte(z, 20, 96, 4);
    ecrire(z, "Cliquer sur un lien : sa cible s'affiche dans le titre de la fen\u00eatre.", 2, 22);
}

FenetreExemple::~FenetreExemple() {
    libererZone(zone_);
}

void FenetreExemple::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    dessinerZone(*zone_, peintre);
}

void FenetreExemple::mousePressEvent(QMouseEvent* evenement) {
    const QPoint p = evenement->position().toPoint();
    if (const int cible = zoneSousPoint(zone_->zonesCliquables, p.x(), p.y())) {
        setWindowTitle(QStringLiteral("calvane \u2014 cible %1").arg(cible));
    }
    sourisZone(*zone_, p.x(), p.y(), 1);
}

void FenetreExemple::mouseMoveEvent(QMouseEvent* evenement) {
    const QPoint p = evenement->position().toPoint();
    sourisZone(*zone_, p.x(), p.y(), 3);
    if (zoneSousPoint(zone_->zonesCliquables, p.x(), p.y()) != 0) {
        setCursor(Qt::PointingHandCursor);
    }
}

void FenetreExemple::mouseReleaseEvent(QMouseEvent* evenement) {
    const QPoint p = evenement->position().toPoint();
    sourisZone(*zone_, p.x(), p.y(), 2);
}
