#pragma once

// Ce que les constructeurs d'imagiciels partagent : la table des figures, la description
// d'une étape (objets montrés, cachés, replacés, libérés) et la mise en page commune du texte
// des constructions pas à pas, dont les noms dérivés (« texte » + rang, « cadreSt » + rang)
// se calculent à partir de la même description que les objets écrits.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct TdonneesCommunes;
struct TzoneAffichage;

namespace imagiciels {

// Un point remis à sa place (pour un point sur un cercle, x est son angle).
struct Tplace {
    std::string nom;
    double x = 0;
    double y = 0;
};

// Les changements d'une étape, appliqués dans cet ordre : textes montrés puis cachés ;
// points rendus fixes et noirs, points replacés, objets cachés, objets montrés, points
// rendus bleus et déplaçables. Un nom d'objet précédé de « * » désigne une marque entière
// (son objet, son second arc, ses traits).
struct Tetape {
    std::vector<std::string> montrerTextes;
    std::vector<std::string> cacherTextes;
    std::vector<std::string> noircir;
    std::vector<Tplace> placer;
    std::vector<std::string> cacher;
    std::vector<std::string> montrer;
    std::vector<std::string> bleuir;
};

// Une figure du catalogue : son identifiant, son constructeur, ses étapes (vide pour une
// illustration).
struct Timagiciel {
    int identifiant;
    void (*construire)(TdonneesCommunes&);
    std::vector<Tetape> (*etapes)();
};

// Le catalogue des 21 figures.
const std::vector<Timagiciel>& catalogue();
const Timagiciel* imagicielDe(int identifiant);

// Une ligne de texte à sa ligne d'écran.
struct Tligne {
    std::string texte;
    double ligne;
};

// Le texte d'une construction pas à pas : la tâche (ligne 1,5), les consignes (une par
// étape 2 … n, chacune sur une ou plusieurs lignes à partir de la ligne 3), une note
// finale facultative dans un cadre de style 10 (ligne 9,3), puis l'invitation (ligne 3,5).
// Les cadres ont deux colonnes de plus que les 28 et 30 d'origine : les lignes de la note y
// tiennent entières dans la police des zones.
struct TtexteConstruction {
    std::string tache;
    std::vector<std::vector<std::string>> consignes;
    std::vector<Tligne> note;
    double largeurNote = 30;
    double hauteurNote = 4.5;
};

// Écrit le texte dans la zone de texte et cache tout sauf la tâche et l'invitation.
void ecrireConstruction(TzoneAffichage& zone, const TtexteConstruction& texte);

// Les étapes du texte seul : l'étape k montre la consigne k − 1 et cache la consigne k ;
// l'étape 1 montre l'invitation, l'étape 2 la cache ; la dernière montre la note, l'avant-
// dernière la cache.
std::vector<Tetape> etapesTexte(const TtexteConstruction& texte);

// Le début d'une construction pas à pas : titre et nombre d'étapes annoncés, zone de figure
// placée au rectangle des constructions (340, 193, 420 × 270), texte écrit ; et sa fin :
// BoutonAvancer posé et l'étape 1 montrée.
TzoneAffichage& commencerConstruction(TdonneesCommunes& d, std::string_view titre, int etapes,
                                      const TtexteConstruction& texte);
void finirConstruction(TdonneesCommunes& d);

// Le texte d'une illustration : le cadre d'explication (style 1, colonne 0,5, ligne 0,8) et
// ses lignes à partir de la ligne 2,5, sous son titre ; puis la note d'action (cadre de
// style 10 à la ligne 19,5, sur 3 lignes) et ses deux lignes 21 et 22.
void ecrireExplication(TzoneAffichage& texte, double largeur,
                       std::initializer_list<const char*> lignes);
void ecrireAction(TzoneAffichage& texte, double largeur, const char* premiere, const char* seconde);

// Joint aux étapes du texte les changements de la figure (même nombre d'étapes).
std::vector<Tetape> joindre(std::vector<Tetape> texte, const std::vector<Tetape>& figure);

// Règles communes des constructeurs.
// Titre, chapitre et nombre d'étapes de la figure ouverte.
void annoncer(TdonneesCommunes& d, std::string_view titre, int chapitre, int etapes);
// Place la zone de figure à son rectangle (dans la feuille de l'onglet) et la rend prête.
TzoneAffichage& placerFigure(TdonneesCommunes& d, int gauche, int haut, int largeur, int hauteur);
// Pose BoutonAvancer à sa place des constructions (680, 150).
void placerBoutonAvancer(TdonneesCommunes& d);

// Remplit de la couleur donnée la forme d'indice donné (rien pour 0).
void remplir(TzoneAffichage& zone, int indice, unsigned fond);
// Cache un objet par son indice (rien pour 0).
void cacher(TzoneAffichage& zone, int indice);
// Montre ou cache un objet de la figure, ou une marque entière (nom précédé de « * »).
void visibilite(TzoneAffichage& zone, std::string_view nom, bool visible);

// Couleurs du catalogue.
inline constexpr unsigned noir = 0x000000;
inline constexpr unsigned bleu = 0x0000FF;
inline constexpr unsigned magenta = 0xFF00FF;
inline constexpr unsigned vert = 0x008000;
inline constexpr unsigned argent = 0xC0C0C0;
inline constexpr unsigned rouge = 0xFF0000;
inline constexpr unsigned cyan = 0x00FFFF;
inline constexpr unsigned olive = 0x808000;
inline constexpr unsigned citron = 0x00FF00;
inline constexpr unsigned jaunePale = 0xFFFF80;
inline constexpr unsigned jauneClair = 0xFFFFE0;
inline constexpr unsigned vertPale = 0xE0FFE0;
inline constexpr unsigned blanc = 0xFFFFFF;

// Constructeurs, par famille (un fichier chacune).
void construire1501(TdonneesCommunes& d);
void construire1502(TdonneesCommunes& d);
void construire1503(TdonneesCommunes& d);
void construire1504(TdonneesCommunes& d);
void construire1506(TdonneesCommunes& d);
void construire1507(TdonneesCommunes& d);
void construire1508(TdonneesCommunes& d);
void construire1509(TdonneesCommunes& d);
void construire1510(TdonneesCommunes& d);
void construire1511(TdonneesCommunes& d);
void construire1512(TdonneesCommunes& d);
void construire1513(TdonneesCommunes& d);
void construire1515(TdonneesCommunes& d);
void construire1516(TdonneesCommunes& d);
void construire1517(TdonneesCommunes& d);
void construire1518(TdonneesCommunes& d);
void construire1520(TdonneesCommunes& d);
void construire1521(TdonneesCommunes& d);
void construire1522(TdonneesCommunes& d);
void construire1523(TdonneesCommunes& d);
void construire1524(TdonneesCommunes& d);
std::vector<Tetape> etapes1515();
std::vector<Tetape> etapes1516();
std::vector<Tetape> etapes1517();
std::vector<Tetape> etapes1518();
std::vector<Tetape> etapes1520();
std::vector<Tetape> etapes1521();
std::vector<Tetape> etapes1522();
std::vector<Tetape> etapes1523();
std::vector<Tetape> etapes1524();

} // namespace imagiciels
