#include "display/texte/canevas.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPen>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

QColor enQColor(Tcouleur c) {
    return QColor(QRgb(0xFF000000u | (c & 0xFFFFFFu)));
}

// Le pinceau des formes pleines : aucun quand il est vide, sinon sa couleur.
QBrush enQBrush(bool vide, Tcouleur c) {
    return vide ? QBrush(Qt::NoBrush) : QBrush(enQColor(c));
}

// Taille extrême bornée : une suite de « $> » ne doit pas demander une police démesurée.
constexpr int taillePixelsMaximale = 400;
// Au-delà, la mémoire des largeurs d'une police est vidée.
constexpr qsizetype largeursMemorisees = 4096;

} // namespace

// Une police Qt prête à l'emploi et ses mesures. Les textes sont remesurés à chaque dessin :
// les largeurs déjà calculées sont gardées pour ne pas refaire la mise en forme.
struct PoliceMesuree {
    std::string nom;
    int pixels;
    bool gras;
    bool italique;
    bool souligne;
    QFont police;
    QFontMetrics metriques;
    int ascendante;
    int hauteur;
    QHash<QString, int> largeurs;
};

namespace {

// Le cache des polices, vidé quand l'application Qt s'arrête (les polices ne doivent pas lui
// survivre).
std::vector<std::unique_ptr<PoliceMesuree>>* polices = nullptr;

void viderPolices() {
    delete polices;
    polices = nullptr;
}

PoliceMesuree& policeMesuree(const std::string& nom, int pixels, bool gras, bool italique,
                             bool souligne) {
    if (polices == nullptr) {
        polices = new std::vector<std::unique_ptr<PoliceMesuree>>;
        qAddPostRoutine(&viderPolices);
    }
    for (const auto& p : *polices) {
        if (p->pixels == pixels && p->gras == gras && p->italique == italique &&
            p->souligne == souligne && p->nom == nom) {
            return *p;
        }
    }
    QFont police(Tcanevas::familleDe(nom));
    police.setPixelSize(pixels);
    police.setBold(gras || nom == "Abadi MT Condensed Extra Bold");
    police.setItalic(italique);
    police.setUnderline(souligne);
    const QFontMetrics metriques(police);
    polices->push_back(std::unique_ptr<PoliceMesuree>(new PoliceMesuree{nom,
                                                                        pixels,
                                                                        gras,
                                                                        italique,
                                                                        souligne,
                                                                        police,
                                                                        metriques,
                                                                        metriques.ascent(),
                                                                        metriques.height(),
                                                                        {}}));
    return *polices->back();
}

} // namespace

Tcanevas::Tcanevas(QPainter& peintre) : peintre_(peintre) {}

QString Tcanevas::familleDe(std::string_view nom) {
    if (nom == "Times New Roman" || nom == "Symbol") {
        return QStringLiteral("Liberation Serif");
    }
    if (nom == "Arial" || nom == "MS Sans Serif") {
        return QStringLiteral("Liberation Sans");
    }
    if (nom == "Abadi MT Condensed Extra Bold") {
        return QStringLiteral("Liberation Sans Narrow");
    }
    return QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size()));
}

int Tcanevas::pixelsDePoints(int points) {
    const long pixels = std::lround(points * 96.0 / 72.0);
    return static_cast<int>(std::clamp<long>(pixels, 1, taillePixelsMaximale));
}

void Tcanevas::definirNomPolice(std::string_view nom) {
    if (nom != nom_) {
        nom_ = nom;
        police_ = nullptr;
    }
}

void Tcanevas::definirTaillePolice(int points) {
    if (points != taille_) {
        taille_ = points;
        police_ = nullptr;
    }
}

void Tcanevas::definirStyle(bool gras, bool italique, bool souligne) {
    if (gras != gras_ || italique != italique_ || souligne != souligne_) {
        gras_ = gras;
        italique_ = italique;
        souligne_ = souligne;
        police_ = nullptr;
    }
}

PoliceMesuree& Tcanevas::preparerPolice() {
    if (police_ == nullptr) {
        police_ = &policeMesuree(nom_, pixelsDePoints(taille_), gras_, italique_, souligne_);
    }
    return *police_;
}

int Tcanevas::hauteurPolice() {
    return preparerPolice().pixels;
}

int Tcanevas::hauteurTexte() {
    return preparerPolice().hauteur;
}

int Tcanevas::largeurTexte(const QString& texte) {
    if (texte.isEmpty()) {
        return 0;
    }
    PoliceMesuree& police = preparerPolice();
    const auto trouvee = police.largeurs.constFind(texte);
    if (trouvee != police.largeurs.constEnd()) {
        return *trouvee;
    }
    if (police.largeurs.size() >= largeursMemorisees) {
        police.largeurs.clear();
    }
    const int largeur = police.metriques.horizontalAdvance(texte);
    police.largeurs.insert(texte, largeur);
    return largeur;
}

void Tcanevas::ecrire(int x, int y, const QString& texte) {
    if (texte.isEmpty()) {
        return;
    }
    const PoliceMesuree& police = preparerPolice();
    if (policeAppliquee_ != &police) {
        peintre_.setFont(police.police);
        policeAppliquee_ = &police;
    }
    peintre_.setPen(QPen(enQColor(couleurPolice_)));
    peintre_.drawText(QPoint(x, y + police.ascendante), texte);
    if (emprise_ != nullptr) {
        // L'encre des caractères, sans l'interligne de la cellule.
        const QRect encre =
            police.metriques.tightBoundingRect(texte).translated(x, y + police.ascendante);
        *emprise_ |= encre;
        if (encres_ != nullptr) {
            for (qsizetype i = 0; i < texte.size(); ++i) {
                const QRect c = police.metriques.tightBoundingRect(QString(texte[i]));
                if (!c.isEmpty()) {
                    encres_->push_back(
                        c.translated(x + police.metriques.horizontalAdvance(texte.left(i)),
                                     y + police.ascendante));
                }
            }
        }
    }
}

void Tcanevas::noter(int gauche, int haut, int droite, int bas) {
    if (emprise_ != nullptr && droite > gauche && bas > haut) {
        const QRect r(gauche, haut, droite - gauche, bas - haut);
        *emprise_ |= r;
        if (encres_ != nullptr) {
            encres_->push_back(r);
        }
    }
}

void Tcanevas::definirCrayon(Tcouleur couleur, int largeur, Qt::PenStyle style) {
    couleurCrayon_ = couleur;
    largeurCrayon_ = std::max(1, largeur);
    styleCrayon_ = style;
}

void Tcanevas::definirPinceau(Tcouleur couleur) {
    couleurPinceau_ = couleur;
    pinceauVide_ = false;
}

void Tcanevas::pinceauVide() {
    pinceauVide_ = true;
}

double Tcanevas::rapportPixels(const QPainter& peintre) {
    // Une surface de densité 2 (écran HiDPI) ou un peintre mis à l'échelle (image double
    // d'une page de cours) agrandissent tous deux le pixel logique.
    const QPaintDevice* surface = peintre.device();
    const double densite = surface != nullptr ? surface->devicePixelRatioF() : 1.0;
    return std::max(densite, std::abs(peintre.worldTransform().m11()) * densite);
}

double Tcanevas::rapportPixels() const {
    return rapportPixels(peintre_);
}

double Tcanevas::largeurTraitFin(const QPainter& peintre) {
    return rapportPixels(peintre) > 1.01 ? 1.0 : 0.0;
}

bool Tcanevas::traitFinAgrandi() const {
    return largeurCrayon_ == 1 && rapportPixels() > 1.01;
}

void Tcanevas::appliquerCrayon() {
    if (styleCrayon_ == Qt::NoPen) {
        peintre_.setPen(Qt::NoPen);
        return;
    }
    QPen crayon(enQColor(couleurCrayon_));
    crayon.setWidthF(largeurCrayon_ == 1 ? largeurTraitFin(peintre_) : largeurCrayon_);
    crayon.setStyle(styleCrayon_);
    crayon.setCapStyle(Qt::FlatCap);
    crayon.setJoinStyle(Qt::MiterJoin);
    peintre_.setPen(crayon);
}

void Tcanevas::ligne(int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) {
        return;
    }
    appliquerCrayon();
    if (emprise_ != nullptr && styleCrayon_ != Qt::NoPen) {
        // Le crayon épais déborde de sa moitié de chaque côté du trait.
        const int demi = largeurCrayon_ / 2;
        noter(std::min(x1, x2) - demi, std::min(y1, y2) - demi,
              std::max(x1, x2) + largeurCrayon_ - demi, std::max(y1, y2) + largeurCrayon_ - demi);
    }
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int n = std::max(std::abs(dx), std::abs(dy));
    if (largeurCrayon_ > 1 || n > 4096) {
        peintre_.drawLine(QPoint(x1, y1), QPoint(x2, y2));
        return;
    }
    // Trait plein horizontal ou vertical : les mêmes pixels, remplis d'un coup (les
    // quadrillages des figures en sont faits et se repeignent à chaque glisser).
    if (styleCrayon_ == Qt::SolidLine && (dx == 0 || dy == 0)) {
        const int gauche = dx >= 0 ? x1 : x2 + 1;
        const int haut = dy >= 0 ? y1 : y2 + 1;
        peintre_.fillRect(
            QRect(gauche, haut, dx == 0 ? 1 : std::abs(dx), dy == 0 ? 1 : std::abs(dy)),
            enQColor(couleurCrayon_));
        return;
    }
    if (traitFinAgrandi()) {
        // Du centre du premier pixel au centre du dernier allumé, bouts carrés : le trait
        // couvre exactement les pixels logiques du tracé pixel par pixel, plein à l'écran.
        const double fx = x1 + std::floor(static_cast<double>(dx) * (n - 1) / n + 0.5);
        const double fy = y1 + std::floor(static_cast<double>(dy) * (n - 1) / n + 0.5);
        QPen crayon = peintre_.pen();
        crayon.setCapStyle(Qt::SquareCap);
        peintre_.setPen(crayon);
        if (fx == x1 && fy == y1) {
            peintre_.fillRect(QRectF(x1, y1, 1, 1), crayon.color());
        } else {
            peintre_.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(fx + 0.5, fy + 0.5));
        }
        return;
    }
    // Pixel par pixel du premier point inclus au dernier exclu, quel que soit le sens : Qt
    // réordonne les extrémités d'une ligne et n'exclurait pas toujours la même.
    QVarLengthArray<QPoint, 64> pixels;
    for (int i = 0; i < n; ++i) {
        pixels.append(
            QPoint(x1 + static_cast<int>(std::floor(static_cast<double>(dx) * i / n + 0.5)),
                   y1 + static_cast<int>(std::floor(static_cast<double>(dy) * i / n + 0.5))));
    }
    peintre_.drawPoints(pixels.constData(), static_cast<int>(pixels.size()));
}

void Tcanevas::polyligne(const QPoint* points, int nombre) {
    for (int i = 1; i < nombre; ++i) {
        ligne(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y());
    }
}

void Tcanevas::rectangle(int gauche, int haut, int droite, int bas) {
    if (droite - gauche < 1 || bas - haut < 1) {
        return;
    }
    if (!pinceauVide_) {
        remplir(gauche, haut, droite, bas, couleurPinceau_);
    }
    if (styleCrayon_ == Qt::NoPen) {
        return;
    }
    noter(gauche, haut, droite, bas);
    appliquerCrayon();
    peintre_.setBrush(Qt::NoBrush);
    peintre_.drawRect(cadreTrait(gauche, haut, droite, bas));
}

void Tcanevas::rectangleArrondi(int gauche, int haut, int droite, int bas, int coin) {
    if (droite - gauche < 1 || bas - haut < 1) {
        return;
    }
    appliquerCrayon();
    noter(gauche, haut, droite, bas);
    peintre_.setBrush(enQBrush(pinceauVide_, couleurPinceau_));
    peintre_.drawRoundedRect(cadreTrait(gauche, haut, droite, bas), coin / 2.0, coin / 2.0);
    peintre_.setBrush(Qt::NoBrush);
}

void Tcanevas::ellipse(int gauche, int haut, int droite, int bas) {
    if (droite - gauche < 1 || bas - haut < 1) {
        return;
    }
    appliquerCrayon();
    noter(gauche, haut, droite, bas);
    peintre_.setBrush(enQBrush(pinceauVide_, couleurPinceau_));
    peintre_.drawEllipse(cadreTrait(gauche, haut, droite, bas));
    peintre_.setBrush(Qt::NoBrush);
}

QRectF Tcanevas::cadreTrait(int gauche, int haut, int droite, int bas) const {
    // Le trait fin agrandi est centré sur le milieu des pixels de bord, comme le crayon
    // cosmétique l'est à 100 %.
    const double decalage = traitFinAgrandi() ? 0.5 : 0.0;
    return QRectF(gauche + decalage, haut + decalage, droite - gauche - 1, bas - haut - 1);
}

void Tcanevas::remplir(int gauche, int haut, int droite, int bas, Tcouleur couleur) {
    if (droite > gauche && bas > haut) {
        noter(gauche, haut, droite, bas);
        peintre_.fillRect(QRect(gauche, haut, droite - gauche, bas - haut), enQColor(couleur));
    }
}
