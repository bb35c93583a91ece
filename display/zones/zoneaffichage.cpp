#include "display/zones/zoneaffichage.h"

#include "analysis/texte/texteutf8.h"
#include "display/texte/canevas.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/genresobjets.h"
#include "display/zones/objetcadre.h"
#include "display/zones/objetimage.h"
#include "display/zones/objetimagecontrole.h"
#include "display/zones/objettexte.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr std::size_t longueurNom = 20;
constexpr std::size_t longueurTexteCourt = 120;

std::string dossierImages;
bool dossierImagesDefini = false;

std::string nomStocke(std::string_view nom) {
    return texteutf8::couper(texteutf8::couper(nom, longueurTexteCourt), longueurNom);
}

// Arrondi au plus proche, égalité vers le pair, borné à la plage des entiers.
int arrondiPair(double v) {
    if (!(v == v)) {
        return 0;
    }
    const double r = std::nearbyint(v);
    if (r >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (r <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(r);
}

template <class T> T* creer(TzoneAffichage& zone, const std::string& nom, int& indice) {
    auto objet = std::make_unique<T>();
    T* brut = objet.get();
    indice = ajouterObjet(zone, nom, std::move(objet));
    return indice == 0 ? nullptr : brut;
}

std::string suffixe(const char* prefixe, const TzoneAffichage& zone) {
    return prefixe + std::to_string(zone.nombreObjets() + 1);
}

void changer(TzoneAffichage& zone, std::string_view nom, auto&& modifier) {
    if (TobjetZone* o = zone.objet(indiceObjet(zone, nom))) {
        modifier(*o);
    }
}

// Liste courante posée pour la durée d'un dessin, retirée même si le dessin échoue.
class ListePendantDessin {
public:
    explicit ListePendantDessin(TzonesCliquables& liste) { definirListeCourante(&liste); }
    ~ListePendantDessin() { definirListeCourante(nullptr); }
    ListePendantDessin(const ListePendantDessin&) = delete;
    ListePendantDessin& operator=(const ListePendantDessin&) = delete;
};

void peindreObjet(TobjetZone& objet, Tcanevas& canevas, TzoneAffichage& zone) {
    if (objet.indefini || !objet.visible) {
        return;
    }
    objet.peindre(canevas, zone);
    if (objet.classe != Tclasse::point && objet.classe != Tclasse::texte) {
        canevas.pinceauVide();
    }
}

void curseur(TzoneAffichage& zone, Tcurseur forme) {
    if (zone.boite != nullptr && zone.boite->changerCurseur) {
        zone.boite->changerCurseur(forme);
    }
}

} // namespace

TobjetZone* TzoneAffichage::objet(int i) const {
    if (i < 1 || i > nombreObjets()) {
        return nullptr;
    }
    return objets[static_cast<std::size_t>(i - 1)].get();
}

void creerZone(TboitePeinture& boite, std::unique_ptr<TzoneAffichage>& zone) {
    libererZone(zone);
    zone = std::make_unique<TzoneAffichage>();
    zone->boite = &boite;
    viderZone(*zone);
}

void libererZone(std::unique_ptr<TzoneAffichage>& zone) {
    if (zone) {
        viderZone(*zone);
        zone.reset();
    }
}

void viderZone(TzoneAffichage& zone) {
    while (!zone.objets.empty()) {
        zone.objets.pop_back();
    }
    zone.objetSaisi = 0;
    zone.indexDiagramme = 0;
    zone.largeur = zone.boite != nullptr ? zone.boite->largeur : 0;
    zone.hauteur = zone.boite != nullptr ? zone.boite->hauteur : 0;
    zone.couleurFond = zone.boite != nullptr ? zone.boite->couleur : 0xFFFFFF;
    zone.marge = 0;
    zone.origineX = zone.largeur / 2.0;
    zone.origineY = zone.hauteur / 2.0;
    zone.echelle = std::min(zone.largeur, zone.hauteur) / 10.0;
    zone.fuiteX = 0.4;
    zone.fuiteY = 0.4;
    zone.fond = true;
    zone.figee = false;
    bornesZone(zone);
    zone.repere = Trepere{};
}

void dessinerZone(TzoneAffichage& zone, QPainter& peintre) {
    viderZonesCliquables(zone.zonesCliquables, zone.couleurFond);
    ListePendantDessin courante(zone.zonesCliquables);
    Tcanevas canevas(peintre);
    if (zone.fond && zone.boite != nullptr) {
        canevas.remplir(0, 0, zone.boite->largeur, zone.boite->hauteur, zone.boite->couleur);
    }
    if (zone.repere.visible) {
        zone.repere.peindre(canevas, zone);
    }
    // Par indice : un objet qui ajouterait des objets en se peignant n'invalide rien.
    for (const bool points : {false, true}) {
        for (int i = 1; i <= zone.nombreObjets(); ++i) {
            TobjetZone& objet = *zone.objet(i);
            if ((objet.classe == Tclasse::point) == points) {
                peindreObjet(objet, canevas, zone);
            }
        }
    }
}

QRect emprisePeinte(TzoneAffichage& zone, int i, std::vector<QRect>* encres) {
    QRect emprise;
    TobjetZone* objet = zone.objet(i);
    if (objet == nullptr) {
        return emprise;
    }
    // Une image d'un pixel suffit : seul compte ce que le canevas note.
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    canevas.suivreEmprise(&emprise, encres);
    peindreObjet(*objet, canevas, zone);
    return emprise;
}

void rafraichirZone(TzoneAffichage& zone) {
    if (zone.boite != nullptr && zone.boite->visible && zone.boite->repeindre) {
        zone.boite->repeindre();
    }
}

void sourisZone(TzoneAffichage& zone, int x, int y, int action) {
    if (zone.figee) {
        return;
    }
    if (zone.indexDiagramme != 0) {
        if (TobjetZone* diagramme = zone.objet(zone.indexDiagramme)) {
            diagramme->souris(zone, x, y, action);
        }
        return;
    }
    switch (action) {
    case 1:
        zone.objetSaisi = pointSousSouris(zone, x, y);
        break;
    case 2:
        zone.objetSaisi = 0;
        curseur(zone, pointSousSouris(zone, x, y) > 0 ? Tcurseur::croix : Tcurseur::defaut);
        break;
    case 3:
        if (zone.objetSaisi != 0) {
            zone.sourisReelX = xReel(zone, x);
            zone.sourisReelY = yReel(zone, y);
            if (TobjetZone* saisi = zone.objet(zone.objetSaisi)) {
                saisi->glisser(zone);
            }
        } else {
            curseur(zone, pointSousSouris(zone, x, y) > 0 ? Tcurseur::croix : Tcurseur::defaut);
        }
        break;
    default:
        break;
    }
}

int pointSousSouris(const TzoneAffichage& zone, int x, int y) {
    for (int i = 1; i <= zone.nombreObjets(); ++i) {
        const TobjetZone& o = *zone.objet(i);
        int px = 0;
        int py = 0;
        if (!o.mobile || o.classe != Tclasse::point || !o.visible || o.indefini ||
            !o.positionEcran(zone, px, py)) {
            continue;
        }
        const double dx = static_cast<double>(px) - x;
        const double dy = static_cast<double>(py) - y;
        if (dx * dx + dy * dy < 100.0) {
            return i;
        }
    }
    return 0;
}

int xEcran(const TzoneAffichage& zone, double x) {
    return arrondiPair(x * zone.echelle + zone.origineX);
}

int yEcran(const TzoneAffichage& zone, double y) {
    return arrondiPair(zone.origineY - y * zone.echelle);
}

double xReel(const TzoneAffichage& zone, double px) {
    return zone.echelle == 0 ? 0 : (px - zone.origineX) / zone.echelle;
}

double yReel(const TzoneAffichage& zone, double py) {
    return zone.echelle == 0 ? 0 : (zone.origineY - py) / zone.echelle;
}

void bornesZone(TzoneAffichage& zone) {
    zone.xMin = xReel(zone, 0);
    zone.xMax = xReel(zone, zone.largeur);
    zone.yMin = yReel(zone, zone.hauteur);
    zone.yMax = yReel(zone, 0);
}

std::string texteEntierZone(const TzoneAffichage& zone, int i) {
    if (i < 0 || i >= static_cast<int>(zone.entiers.size())) {
        return "0";
    }
    return std::to_string(zone.entiers[static_cast<std::size_t>(i)]);
}

int ajouterObjet(TzoneAffichage& zone, std::string_view nom, int genre) {
    return ajouterObjet(zone, nom, creerObjetDeGenre(genre));
}

int ajouterObjet(TzoneAffichage& zone, std::string_view nom, std::unique_ptr<TobjetZone> objet) {
    if (!objet || zone.nombreObjets() >= TzoneAffichage::objetsMaximum) {
        return 0;
    }
    objet->nom = nomStocke(nom);
    zone.objets.push_back(std::move(objet));
    return zone.nombreObjets();
}

int indiceObjet(const TzoneAffichage& zone, std::string_view nom) {
    const std::string cherche = nomStocke(nom);
    for (int i = 1; i <= zone.nombreObjets(); ++i) {
        if (zone.objet(i)->nom == cherche) {
            return i;
        }
    }
    return 0;
}

void cacherObjet(TzoneAffichage& zone, std::string_view nom) {
    changer(zone, nom, [](TobjetZone& o) { o.visible = false; });
}

void montrerObjet(TzoneAffichage& zone, std::string_view nom) {
    changer(zone, nom, [](TobjetZone& o) { o.visible = true; });
}

void changerCouleur(TzoneAffichage& zone, std::string_view nom, Tcouleur couleur) {
    changer(zone, nom, [couleur](TobjetZone& o) { o.couleur = couleur; });
}

void changerTaille(TzoneAffichage& zone, std::string_view nom, int taille) {
    changer(zone, nom, [taille](TobjetZone& o) { o.taille = taille; });
}

void changerRemplissage(TzoneAffichage& zone, std::string_view nom, int remplissage) {
    changer(zone, nom, [remplissage](TobjetZone& o) { o.remplissage = remplissage; });
}

int ecrireTexte(TzoneAffichage& zone, std::string_view texte, Tcouleur couleur, double colonne,
                double ligne) {
    int indice = 0;
    if (Ttexte* t = creer<Ttexte>(zone, suffixe("texte", zone), indice)) {
        t->texte = texte;
        t->couleur = couleur;
        t->x = (colonne + zone.marge) * 8;
        t->y = ligne * 18;
    }
    return indice;
}

int ecrire(TzoneAffichage& zone, std::string_view texte, double colonne, double ligne) {
    return ecrireTexte(zone, texte, 0x000000, colonne, ligne - 0.5);
}

int ecrireLigne(TzoneAffichage& zone, std::string_view texte, double ligne) {
    return ecrireTexte(zone, texte, 0x000000, 2, ligne - 0.5);
}

namespace {

int cadrePixels(TzoneAffichage& zone, int style, double x, double y, double largeur, double hauteur,
                int cible, std::string_view legende) {
    int indice = 0;
    if (Tcadre* c = creer<Tcadre>(zone, suffixe("cadreSt", zone), indice)) {
        c->styleCadre = style;
        c->x = x;
        c->y = y;
        c->largeurCadre = largeur;
        c->hauteurCadre = hauteur;
        c->cible = cible;
        c->legende = texteutf8::couper(legende, longueurTexteCourt);
    }
    return indice;
}

} // namespace

int ajouterCadre(TzoneAffichage& zone, int style, double colonne, double ligne, double largeur,
                 double hauteur) {
    return cadrePixels(zone, style, (colonne + zone.marge) * 8, ligne * 18, largeur * 8,
                       hauteur * 18, 0, {});
}

int ajouterCadreTexte(TzoneAffichage& zone, double ligne, double largeur, double hauteur) {
    return ajouterCadre(zone, 10, 0, ligne, largeur, hauteur);
}

int ajouterCadreEnonce(TzoneAffichage& zone, double largeur, double hauteur) {
    return ajouterCadre(zone, 6, 1, 0.2, largeur, hauteur);
}

int ajouterBoutonLien(TzoneAffichage& zone, int cible, std::string_view legende, double x, double y,
                      double largeur) {
    return cadrePixels(zone, 11, x, y, largeur, 23, cible, legende);
}

int ajouterZoneLien(TzoneAffichage& zone, double x, double y, double largeur, int cible) {
    return cadrePixels(zone, 8, x, y, largeur, 18, cible, {});
}

int ajouterBoutonAide(TzoneAffichage& zone, double y) {
    return cadrePixels(zone, 12, (44 + zone.marge) * 8, y, 2.7 * 8, 1.2 * 18, 1997, {});
}

int ajouterImage(TzoneAffichage& zone, std::string_view fichier, double colonne, double ligne) {
    int indice = 0;
    if (Timage* image = creer<Timage>(zone, suffixe("Image", zone), indice)) {
        image->fichier = texteutf8::couper(fichier, longueurTexteCourt);
        image->x = (colonne + zone.marge) * 8;
        image->y = ligne * 18;
        if (!dossierImagesDefini && QCoreApplication::instance() != nullptr) {
            dossierImages = QCoreApplication::applicationDirPath().toStdString();
        }
        const std::string chemin =
            dossierImages.empty() ? image->fichier : dossierImages + "/" + image->fichier;
        image->visible =
            !image->fichier.empty() && image->image.load(QString::fromStdString(chemin));
    }
    return indice;
}

int ajouterImageInterne(TzoneAffichage& zone, const QImage* controle, double colonne,
                        double ligne) {
    return ajouterImageInterne(zone, suffixe("Image_interne", zone), controle, colonne, ligne);
}

int ajouterImageInterne(TzoneAffichage& zone, std::string_view nom, const QImage* controle,
                        double colonne, double ligne) {
    int indice = 0;
    if (TimageControle* image = creer<TimageControle>(zone, std::string(nom), indice)) {
        image->controle = controle;
        image->x = (colonne + zone.marge) * 8;
        image->y = ligne * 18;
    }
    return indice;
}

void definirDossierImages(std::string dossier) {
    dossierImages = std::move(dossier);
    dossierImagesDefini = true;
}
