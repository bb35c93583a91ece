#include "ui/dessinsaccueil.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor vertSommaire(0x5D, 0xC5, 0xAE);
const QColor orangeCours(0xFF, 0x8B, 0x23);
const QColor vertExercice(0x10, 0x91, 0x02);
const QColor azurImagiciel(0x00, 0xB2, 0xF6);
const QColor jauneIndex(0xF7, 0xD3, 0x23);
const QColor encre(0x1E, 0x3A, 0x2A);

QFont police(int pixels, bool gras = false, bool italique = false, bool serif = false) {
    QFont f(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

QImage surface(int largeur, int hauteur, double rapport) {
    QImage image(static_cast<int>(std::ceil(largeur * rapport)),
                 static_cast<int>(std::ceil(hauteur * rapport)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(rapport);
    image.fill(Qt::transparent);
    return image;
}

// Une carte blanche aux coins arrondis, bordée de la couleur, avec une ombre douce.
void carte(QPainter& p, const QRectF& r, const QColor& couleur) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(r.translated(3, 4), 12, 12);
    p.setBrush(Qt::white);
    p.setPen(QPen(couleur, 3));
    p.drawRoundedRect(r, 12, 12);
    // Bandeau de couleur en haut de la carte.
    QPainterPath bandeau;
    bandeau.addRoundedRect(r, 12, 12);
    QPainterPath haut;
    haut.addRect(QRectF(r.left(), r.top(), r.width(), 26));
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawPath(bandeau.intersected(haut));
}

void titreCarte(QPainter& p, const QRectF& r, const QString& texte) {
    p.setPen(Qt::white);
    p.setFont(police(15, true));
    p.drawText(QRectF(r.left(), r.top(), r.width(), 26), Qt::AlignCenter, texte);
}

// Le triangle rectangle et le théorème de Pythagore.
void cartePythagore(QPainter& p, const QRectF& r) {
    carte(p, r, orangeCours);
    titreCarte(p, r, QStringLiteral("Pythagore"));
    const QPointF a(r.left() + 40, r.bottom() - 52);
    const QPointF b(r.right() - 30, r.bottom() - 52);
    const QPointF c(r.left() + 40, r.top() + 48);
    p.setBrush(QColor(0xFF, 0x8B, 0x23, 50));
    p.setPen(QPen(encre, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF({a, b, c}));
    // Codage de l'angle droit.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(encre, 1.5));
    p.drawRect(QRectF(a.x(), a.y() - 12, 12, 12));
    p.setFont(police(15, true, true, true));
    p.setPen(encre);
    p.drawText(QPointF(a.x() - 16, a.y() + 14), QStringLiteral("A"));
    p.drawText(QPointF(b.x() + 2, b.y() + 14), QStringLiteral("B"));
    p.drawText(QPointF(c.x() - 16, c.y() + 4), QStringLiteral("C"));
    p.setFont(police(16, true, false, true));
    p.setPen(QColor(0xB8, 0x50, 0x00));
    p.drawText(QRectF(r.left(), r.bottom() - 36, r.width(), 26), Qt::AlignCenter,
               QStringLiteral("BC² = AB² + AC²"));
}

// Le repère, son quadrillage et la droite d'une fonction affine.
void carteFonction(QPainter& p, const QRectF& r) {
    carte(p, r, azurImagiciel);
    titreCarte(p, r, QStringLiteral("Fonctions affines"));
    const QRectF grille(r.left() + 18, r.top() + 38, r.width() - 36, r.height() - 82);
    const double pas = grille.width() / 8;
    p.setPen(QPen(QColor(0xBF, 0xE9, 0xFA), 1));
    for (double x = grille.left(); x <= grille.right() + 0.5; x += pas) {
        p.drawLine(QPointF(x, grille.top()), QPointF(x, grille.bottom()));
    }
    for (double y = grille.bottom(); y >= grille.top() - 0.5; y -= pas) {
        p.drawLine(QPointF(grille.left(), y), QPointF(grille.right(), y));
    }
    const QPointF origine(grille.left() + 2 * pas, grille.bottom() - 2 * pas);
    p.setPen(QPen(encre, 1.6));
    p.drawLine(QPointF(grille.left(), origine.y()), QPointF(grille.right(), origine.y()));
    p.drawLine(QPointF(origine.x(), grille.bottom()), QPointF(origine.x(), grille.top()));
    // y = x/2 + 1 tracée sur toute la grille.
    p.save();
    p.setClipRect(grille);
    p.setPen(QPen(QColor(0xE0, 0x20, 0x40), 3, Qt::SolidLine, Qt::RoundCap));
    const auto point = [&](double x) {
        return QPointF(origine.x() + x * pas, origine.y() - (x / 2 + 1) * pas);
    };
    p.drawLine(point(-3), point(7));
    p.restore();
    p.setBrush(azurImagiciel);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawEllipse(point(2), 5, 5);
    p.setFont(police(16, true, false, true));
    p.setPen(QColor(0x00, 0x6E, 0x9A));
    p.drawText(QRectF(r.left(), r.bottom() - 36, r.width(), 26), Qt::AlignCenter,
               QStringLiteral("f(x) = 0,5 x + 1"));
}

// Le cercle, un angle inscrit et l'angle au centre qui l'intercepte.
void carteCercle(QPainter& p, const QRectF& r) {
    carte(p, r, vertExercice);
    titreCarte(p, r, QStringLiteral("Angles inscrits"));
    const QPointF o(r.center().x(), r.top() + 30 + (r.height() - 66) / 2);
    const double rayon = std::min(r.width(), r.height() - 70) / 2 - 22;
    const auto surCercle = [&](double degres) {
        const double a = degres * M_PI / 180;
        return QPointF(o.x() + rayon * std::cos(a), o.y() - rayon * std::sin(a));
    };
    const QPointF m = surCercle(105);
    const QPointF a = surCercle(220);
    const QPointF b = surCercle(320);
    p.setBrush(QColor(0x10, 0x91, 0x02, 30));
    p.setPen(QPen(encre, 2.5));
    p.drawEllipse(o, rayon, rayon);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xE0, 0x20, 0x40), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({a, m, b}));
    p.setPen(QPen(QColor(0x00, 0x6E, 0x9A), 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({a, o, b}));
    p.setPen(Qt::NoPen);
    p.setBrush(encre);
    for (const QPointF& q : {m, a, b, o}) {
        p.drawEllipse(q, 3.2, 3.2);
    }
    p.setFont(police(15, true, true, true));
    p.setPen(encre);
    p.drawText(m + QPointF(-6, -8), QStringLiteral("M"));
    p.drawText(a + QPointF(-16, 12), QStringLiteral("A"));
    p.drawText(b + QPointF(4, 12), QStringLiteral("B"));
    p.drawText(o + QPointF(6, -4), QStringLiteral("O"));
    p.setFont(police(16, true, false, true));
    p.setPen(QColor(0x0B, 0x6A, 0x01));
    p.drawText(QRectF(r.left(), r.bottom() - 36, r.width(), 26), Qt::AlignCenter,
               QStringLiteral("AÔB = 2 × AMB"));
}

// Une formule posée de biais, comme écrite à la craie de couleur.
void formule(QPainter& p, const QPointF& ou, double angle, const QString& texte,
             const QColor& couleur, int pixels) {
    p.save();
    p.translate(ou);
    p.rotate(angle);
    p.setFont(police(pixels, true, true, true));
    p.setPen(couleur);
    p.drawText(QPointF(0, 0), texte);
    p.restore();
}

void dessinerFond(QPainter& p, double largeur, double hauteur) {
    const QRectF tout(0, 0, largeur, hauteur);
    QLinearGradient degrade(0, 0, 0, hauteur);
    degrade.setColorAt(0, QColor(0xFF, 0xFB, 0xEE));
    degrade.setColorAt(1, QColor(0xFD, 0xEF, 0xC4));
    p.setPen(Qt::NoPen);
    p.setBrush(degrade);
    p.drawRoundedRect(tout.adjusted(1, 1, -1, -1), 22, 22);

    // Les cinq couleurs des onglets en liseré du haut.
    const QColor couleurs[] = {vertSommaire, orangeCours, vertExercice, azurImagiciel, jauneIndex};
    QPainterPath cadre;
    cadre.addRoundedRect(tout.adjusted(1, 1, -1, -1), 22, 22);
    p.save();
    p.setClipPath(cadre);
    const double bande = largeur / 5;
    for (int i = 0; i < 5; ++i) {
        p.fillRect(QRectF(i * bande, 0, bande + 1, 12), couleurs[i]);
    }
    // Papier quadrillé très pâle.
    p.setPen(QPen(QColor(0x5D, 0xC5, 0xAE, 45), 1));
    for (double x = 20; x < largeur; x += 20) {
        p.drawLine(QPointF(x, 12), QPointF(x, hauteur));
    }
    for (double y = 32; y < hauteur; y += 20) {
        p.drawLine(QPointF(0, y), QPointF(largeur, y));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(vertExercice, 3));
    p.drawRoundedRect(tout.adjusted(1.5, 1.5, -1.5, -1.5), 22, 22);

    // Le titre.
    p.setFont(police(62, true));
    const QString nom = QStringLiteral("calvane");
    const QFontMetricsF mesure(p.font());
    const double largeurNom = mesure.horizontalAdvance(nom);
    const double gaucheNom = (largeur - largeurNom - 44) / 2;
    p.setPen(QColor(0, 0, 0, 45));
    p.drawText(QPointF(gaucheNom + 3, 86 + 3), nom);
    p.setPen(vertExercice);
    p.drawText(QPointF(gaucheNom, 86), nom);
    p.setFont(police(30, true));
    p.setPen(orangeCours);
    p.drawText(QPointF(gaucheNom + largeurNom + 6, 60), QStringLiteral("3"));
    p.setFont(police(18, true));
    p.drawText(QPointF(gaucheNom + largeurNom + 24, 48), QStringLiteral("e"));
    p.setFont(police(19, false, true, true));
    p.setPen(encre);
    p.drawText(QRectF(0, 96, largeur, 28), Qt::AlignCenter,
               QStringLiteral("Les mathématiques de la classe de 3e, jusqu'au brevet"));

    // Les trois cartes.
    const double haut = 140;
    const double hauteurCarte = 230;
    const double largeurCarte = 190;
    const double ecart = (largeur - 3 * largeurCarte) / 4;
    cartePythagore(p, QRectF(ecart, haut, largeurCarte, hauteurCarte));
    carteFonction(p, QRectF(2 * ecart + largeurCarte, haut, largeurCarte, hauteurCarte));
    carteCercle(p, QRectF(3 * ecart + 2 * largeurCarte, haut, largeurCarte, hauteurCarte));

    // Des formules de l'année.
    formule(p, QPointF(22, 76), -5, QStringLiteral("(a + b)² = a² + 2ab + b²"), orangeCours, 15);
    formule(p, QPointF(540, 84), 4, QStringLiteral("√2 × √8 = 4"), azurImagiciel.darker(130), 16);
    formule(p, QPointF(30, 410), 2, QStringLiteral("PGCD(84 ; 36) = 12"), vertExercice, 16);
    formule(p, QPointF(250, 404), -2, QStringLiteral("2x + 3 < 7  ⟺  x < 2"),
            QColor(0xC0, 0x30, 0x60), 16);
    formule(p, QPointF(478, 414), -3, QStringLiteral("cos Â = côté adj. / hyp."),
            azurImagiciel.darker(140), 14);

    // Les quatre activités.
    const struct {
        const char* nom;
        QColor couleur;
    } activites[] = {{"Cours", orangeCours},
                     {"Exercices", vertExercice},
                     {"Imagiciels", azurImagiciel},
                     {"Index", jauneIndex.darker(115)}};
    p.setFont(police(14, true));
    const double largeurPastille = 118;
    const double gauchePastilles = (largeur - 4 * largeurPastille - 3 * 14) / 2;
    for (int i = 0; i < 4; ++i) {
        const QRectF pastille(gauchePastilles + i * (largeurPastille + 14), 438, largeurPastille,
                              26);
        p.setPen(Qt::NoPen);
        p.setBrush(activites[i].couleur);
        p.drawRoundedRect(pastille, 13, 13);
        p.setPen(Qt::white);
        p.drawText(pastille, Qt::AlignCenter, QString::fromUtf8(activites[i].nom));
    }
}

// Un bouton arrondi en relief : dégradé de sa couleur, liseré clair, texte blanc ombré ;
// l'image active est plus lumineuse et cerclée de jaune.
void dessinerBouton(QPainter& p, double largeur, double hauteur, const QColor& couleur,
                    const QString& texte, int pixels, bool actif, bool fleche) {
    const QRectF r(1.5, 1.5, largeur - 3, hauteur - 3);
    const double coin = hauteur / 2 - 1.5;
    const QColor base = actif ? couleur.lighter(125) : couleur;
    QLinearGradient degrade(0, 0, 0, hauteur);
    degrade.setColorAt(0, base.lighter(135));
    degrade.setColorAt(0.5, base);
    degrade.setColorAt(1, base.darker(125));
    p.setBrush(degrade);
    p.setPen(QPen(actif ? jauneIndex : base.darker(150), actif ? 3 : 1.5));
    p.drawRoundedRect(r, coin, coin);
    // Reflet en haut.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, actif ? 90 : 60));
    p.drawRoundedRect(QRectF(r.left() + 6, r.top() + 3, r.width() - 12, r.height() / 2 - 3),
                      coin / 2, coin / 2);
    p.setFont(police(pixels, true));
    QRectF zoneTexte = r;
    if (fleche) {
        zoneTexte.setRight(r.right() - hauteur * 0.42);
    }
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(zoneTexte.translated(1, 1.5), Qt::AlignCenter, texte);
    p.setPen(Qt::white);
    p.drawText(zoneTexte, Qt::AlignCenter, texte);
    if (fleche) {
        const double cx = r.right() - hauteur * 0.34;
        const double cy = r.center().y();
        const double t = hauteur * 0.14;
        p.setBrush(actif ? jauneIndex : QColor(255, 255, 255));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF(
            {QPointF(cx - t, cy - 1.3 * t), QPointF(cx + t, cy), QPointF(cx - t, cy + 1.3 * t)}));
    }
}

} // namespace

QImage imageAccueil(TimageAccueil image, double rapportPixels) {
    struct Tforme {
        int largeur, hauteur;
    };
    const Tforme forme =
        image == TimageAccueil::Fond ? Tforme{673, 486}
        : image == TimageAccueil::EntreeActif || image == TimageAccueil::EntreeNonActif
            ? Tforme{129, 65}
        : image == TimageAccueil::QuitterActif || image == TimageAccueil::QuitterNonActif
            ? Tforme{79, 34}
            : Tforme{83, 30};
    QImage resultat = surface(forme.largeur, forme.hauteur, rapportPixels);
    QPainter p(&resultat);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    switch (image) {
    case TimageAccueil::Fond:
        dessinerFond(p, forme.largeur, forme.hauteur);
        break;
    case TimageAccueil::AproposActif:
    case TimageAccueil::AproposNonActif:
        dessinerBouton(p, forme.largeur, forme.hauteur, azurImagiciel, QStringLiteral("À propos"),
                       13, image == TimageAccueil::AproposActif, false);
        break;
    case TimageAccueil::QuitterActif:
    case TimageAccueil::QuitterNonActif:
        dessinerBouton(p, forme.largeur, forme.hauteur, orangeCours, QStringLiteral("Quitter"), 14,
                       image == TimageAccueil::QuitterActif, false);
        break;
    case TimageAccueil::EntreeActif:
    case TimageAccueil::EntreeNonActif:
        dessinerBouton(p, forme.largeur, forme.hauteur, vertExercice, QStringLiteral("Entrée"), 22,
                       image == TimageAccueil::EntreeActif, true);
        break;
    }
    return resultat;
}
