// Le schéma « Du quadrilatère au carré » : les figures dans des boîtes jaune pâle, les
// propriétés qui mènent de l'une à l'autre dans des boîtes vert pâle, reliées par des
// traits bleus fléchés. Du quadrilatère, deux propriétés mènent au parallélogramme, une au
// losange et une au rectangle ; du parallélogramme, deux mènent au losange et deux au
// rectangle ; losange et rectangle mènent ensemble au carré.

#include "content/info/dessininfo.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"

#include <QPainter>
#include <QPolygon>

#include <initializer_list>
#include <string_view>

namespace {

constexpr Tcouleur fondFigure = 0xFFFFE0;
constexpr Tcouleur fondPropriete = 0xE0FFE0;
constexpr Tcouleur bleu = 0x0000FF;
constexpr int interligne = 15;

struct Tboite {
    int gauche, haut, droite, bas;
    int milieuX() const { return (gauche + droite) / 2; }
    int milieuY() const { return (haut + bas) / 2; }
};

// Une boîte et ses lignes de texte, chacune centrée.
void boite(Tcanevas& canevas, const Tboite& b, Tcouleur fond, bool gras,
           std::initializer_list<std::string_view> lignes) {
    canevas.definirCrayon(gras ? 0x808000 : 0x008000);
    canevas.definirPinceau(fond);
    canevas.rectangle(b.gauche, b.haut, b.droite, b.bas);
    canevas.definirNomPolice("Times New Roman");
    canevas.definirTaillePolice(11);
    canevas.definirStyle(gras, false, false);
    const int hauteurTexte = static_cast<int>(lignes.size()) * interligne;
    int y = b.milieuY() - hauteurTexte / 2 - 1;
    for (std::string_view ligne : lignes) {
        canevas.definirStyle(gras, false, false);
        const int largeur = largeurTexteSimple(canevas, ligne);
        double x = b.milieuX() - largeur / 2.0;
        dessinerTexteMarque(canevas, std::string(gras ? "$g" : "") + std::string(ligne), x, y,
                            0x000000, 11, 11);
        y += interligne;
    }
}

// Pointe de flèche pleine au bout (x2, y2) d'un trait venu de (x1, y1), droit ou
// d'équerre.
void pointe(Tcanevas& canevas, int x1, int y1, int x2, int y2) {
    const int dx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0;
    const int dy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
    const QPolygon triangle({QPoint(x2, y2), QPoint(x2 - 7 * dx - 4 * dy, y2 - 7 * dy - 4 * dx),
                             QPoint(x2 - 7 * dx + 4 * dy, y2 - 7 * dy + 4 * dx)});
    QPainter& p = canevas.peintre();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(bleu));
    p.drawPolygon(triangle);
    p.restore();
}

// Trait bleu de deux pixels passant par les points donnés, fléché à la fin s'il le faut.
void trait(Tcanevas& canevas, std::initializer_list<QPoint> points, bool fleche) {
    canevas.definirCrayon(bleu, 2);
    const QPoint* p = points.begin();
    for (std::size_t i = 1; i < points.size(); ++i) {
        canevas.ligne(p[i - 1].x(), p[i - 1].y(), p[i].x(), p[i].y());
    }
    if (fleche && points.size() >= 2) {
        const QPoint& a = p[points.size() - 2];
        const QPoint& b = p[points.size() - 1];
        pointe(canevas, a.x(), a.y(), b.x(), b.y());
    }
}

} // namespace

void dessinerQuadrilateres(Tcanevas& canevas) {
    ecrireInfo(canevas, "$g$KDu quadrilatère au carré", 2, 1.5);

    const Tboite quadrilatere{262, 34, 378, 56};
    const Tboite cotes{30, 72, 120, 122};
    const Tboite paralleles{160, 72, 290, 106};
    const Tboite milieu{350, 72, 480, 106};
    const Tboite angles{520, 72, 610, 106};
    const Tboite parallelogramme{252, 128, 388, 150};
    const Tboite consecutifs{114, 172, 228, 222};
    const Tboite perpendiculaires{236, 172, 346, 206};
    const Tboite angleDroit{354, 172, 424, 206};
    const Tboite diagonalesEgales{432, 172, 530, 222};
    const Tboite losange{30, 236, 120, 258};
    const Tboite rectangle{520, 236, 610, 258};
    const Tboite carre{274, 268, 366, 290};

    // Les traits d'abord, les boîtes par-dessus.
    const int sousQuadrilatere = quadrilatere.bas + 6;
    trait(canevas,
          {{quadrilatere.milieuX(), quadrilatere.bas}, {quadrilatere.milieuX(), sousQuadrilatere}},
          false);
    trait(canevas, {{cotes.milieuX(), sousQuadrilatere}, {angles.milieuX(), sousQuadrilatere}},
          false);
    for (const Tboite* b : {&cotes, &paralleles, &milieu, &angles}) {
        trait(canevas, {{b->milieuX(), sousQuadrilatere}, {b->milieuX(), b->haut}}, true);
    }
    trait(canevas,
          {{paralleles.milieuX(), paralleles.bas},
           {paralleles.milieuX(), parallelogramme.milieuY()},
           {parallelogramme.gauche, parallelogramme.milieuY()}},
          true);
    trait(canevas,
          {{milieu.milieuX(), milieu.bas},
           {milieu.milieuX(), parallelogramme.milieuY()},
           {parallelogramme.droite, parallelogramme.milieuY()}},
          true);
    trait(canevas, {{cotes.milieuX(), cotes.bas}, {cotes.milieuX(), losange.haut}}, true);
    trait(canevas, {{angles.milieuX(), angles.bas}, {angles.milieuX(), rectangle.haut}}, true);

    const int sousParallelogramme = parallelogramme.bas + 10;
    trait(canevas,
          {{parallelogramme.milieuX(), parallelogramme.bas},
           {parallelogramme.milieuX(), sousParallelogramme}},
          false);
    trait(canevas,
          {{consecutifs.milieuX(), sousParallelogramme},
           {diagonalesEgales.milieuX(), sousParallelogramme}},
          false);
    for (const Tboite* b : {&consecutifs, &perpendiculaires, &angleDroit, &diagonalesEgales}) {
        trait(canevas, {{b->milieuX(), sousParallelogramme}, {b->milieuX(), b->haut}}, true);
    }
    const int versLosange = losange.milieuY();
    trait(canevas,
          {{consecutifs.milieuX(), consecutifs.bas},
           {consecutifs.milieuX(), versLosange},
           {losange.droite, versLosange}},
          true);
    trait(canevas,
          {{perpendiculaires.milieuX(), perpendiculaires.bas},
           {perpendiculaires.milieuX(), versLosange + 6},
           {losange.droite, versLosange + 6}},
          true);
    trait(canevas,
          {{angleDroit.milieuX(), angleDroit.bas},
           {angleDroit.milieuX(), versLosange + 6},
           {rectangle.gauche, versLosange + 6}},
          true);
    trait(canevas,
          {{diagonalesEgales.milieuX(), diagonalesEgales.bas},
           {diagonalesEgales.milieuX(), versLosange},
           {rectangle.gauche, versLosange}},
          true);
    trait(canevas,
          {{losange.milieuX(), losange.bas},
           {losange.milieuX(), carre.milieuY()},
           {carre.gauche, carre.milieuY()}},
          true);
    trait(canevas,
          {{rectangle.milieuX(), rectangle.bas},
           {rectangle.milieuX(), carre.milieuY()},
           {carre.droite, carre.milieuY()}},
          true);

    boite(canevas, quadrilatere, fondFigure, true, {"Quadrilatère"});
    boite(canevas, cotes, fondPropriete, false, {"4 côtés", "de même", "longueur"});
    boite(canevas, paralleles, fondPropriete, false, {"Côtés opposés", "parallèles 2 à 2"});
    boite(canevas, milieu, fondPropriete, false, {"Diagonales", "de même milieu"});
    boite(canevas, angles, fondPropriete, false, {"3 angles", "droits"});
    boite(canevas, parallelogramme, fondFigure, true, {"Parallélogramme"});
    boite(canevas, consecutifs, fondPropriete, false,
          {"Deux côtés", "consécutifs de", "même longueur"});
    boite(canevas, perpendiculaires, fondPropriete, false, {"Les diagonales", "perpendiculaires"});
    boite(canevas, angleDroit, fondPropriete, false, {"Un angle", "droit"});
    boite(canevas, diagonalesEgales, fondPropriete, false,
          {"Les diagonales", "de même", "longueur"});
    boite(canevas, losange, fondFigure, true, {"Losange"});
    boite(canevas, rectangle, fondFigure, true, {"Rectangle"});
    boite(canevas, carre, fondFigure, true, {"Carré"});
}
