#pragma once

// La fenêtre principale de calvane, 800 × 600 pixels en haut à gauche de l'écran : soit
// l'accueil, soit le classeur aux cinq onglets (sommaire, cours, exercices, imagiciels,
// index). Elle possède tous ses contrôles ; chaque widget est lié à son objet d'état du
// noyau (TcontrolesFenetre), que l'enregistrement commun désigne. Après chaque événement
// traité, `synchroniser` recopie l'état vers les widgets ; la saisie de l'élève (texte des
// champs, onglet, nœud choisi, dépliage, focus) est écrite dans l'état au fil de l'eau.
//
// Fermer la fenêtre pendant que les onglets sont montrés ramène à l'accueil ; la fermer
// depuis l'accueil termine le programme après avoir libéré les zones d'affichage.

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class TInfoObj;
class QLineEdit;
class QScrollArea;
class QStackedWidget;
class QStatusBar;
class Tplateforme;
class TplateformeQt;
class TsuiviCours;
class TarbreWidget;
class TbarreOnglets;
class TboutonImage;
class TwidgetZone;
struct Tarbre;
struct Tbouton;
struct TchampSaisie;
struct Tcontrole;
struct TcontrolesFenetre;
struct TdonneesCommunes;
struct Tlibelle;
struct Tminuterie;
struct TzoneAffichage;

class TFenetrePrincipale : public QWidget {
public:
    // Sans plateforme donnée, la fenêtre utilise la sienne (sons, bips, boîtes, minuteries
    // Qt) ; les tests lui passent une plateforme scriptée.
    explicit TFenetrePrincipale(TdonneesCommunes& d, Tplateforme* plateforme = nullptr);
    ~TFenetrePrincipale() override;

    // Recopie l'état du noyau vers les widgets.
    void synchroniser();

    // Tic d'une minuterie de la plateforme : celui de Timer passe au noyau (TimerTimer),
    // puis l'état est recopié.
    void ticMinuterie(Tminuterie& minuterie);

    // L'accueil est-il montré (plutôt que le classeur) ?
    bool accueilMontre() const;

    // Position du pointeur à l'écran et rectangle du bureau lus à l'ouverture de la
    // fenêtre d'information (par défaut ceux de Qt ; les tests les fixent).
    std::function<QPoint()> positionPointeur;
    std::function<QRect()> rectangleBureau;
    // La fenêtre d'information montrée, nulle sinon.
    TInfoObj* fenetreInfo() const { return info_.get(); }

    // Accès pour les tests et l'outil de capture.
    TarbreWidget* arbreExercices() const { return arbreExercice_; }
    TarbreWidget* arbreCours() const { return arbreCours_; }
    TarbreWidget* arbreImagiciels() const { return arbreImagiciel_; }
    TarbreWidget* arbreTheme() const { return arbreTheme_; }
    TarbreWidget* arbreAlphabetique() const { return arbreAlphabetique_; }
    TbarreOnglets* barreOnglets() const { return barre_; }
    QStackedWidget* feuilles() const { return pile_; }
    QLineEdit* champ(int k) const;
    // La zone de l'accueil (elle porte les trois boutons dessinés et le focus au clavier).
    TwidgetZone* zoneAccueil() const { return zoneAccueil_; }
    TboutonImage* boutonQuitterSommaire() const { return quitterSommaire_; }
    TboutonImage* boutonBilan() const { return bilan_; }
    // Le bouton de la feuille des exercices lié à cet objet d'état du noyau.
    TboutonImage* bouton(const Tbouton& etat) const;

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Une des huit zones d'affichage de l'enregistrement commun, qui les possède.
    using TmembreZone = std::unique_ptr<TzoneAffichage> TdonneesCommunes::*;

    struct Tliaison {
        Tcontrole* etat;
        QWidget* widget;
    };

    void construire();
    QWidget* construireSommaire();
    QWidget* construirePageCours();
    QWidget* construirePageExercice();
    QWidget* construirePageImagiciel();
    QWidget* construireIndex();
    QWidget* barreOutils(QWidget* parent, unsigned couleur, TboutonImage** quitter);
    TboutonImage* boutonLie(Tbouton& etat, int picto, QWidget* parent, int gauche, int haut);
    // Un clic sur le bouton lance l'action sur l'enregistrement, puis la recopie de l'état.
    void relier(TboutonImage* bouton, void (*action)(TdonneesCommunes&));
    QLabel* libelleLie(Tlibelle& etat, QWidget* parent);
    TwidgetZone* zoneLiee(QWidget* parent, TmembreZone zone, int largeur, int hauteur,
                          unsigned couleur);
    void lierArbre(TarbreWidget* widget, Tarbre& etat);
    void demarrer();
    void router(TmembreZone zone, int x, int y, int action);
    void montrerAccueil();
    void entrer();
    void sourisAccueil(int x, int y, int action);
    void appuyerBoutonAccueil(int bouton);
    void montrerInfo(int identifiant);
    void fermerInfoDemandee();
    // Une fenêtre d'information est ouverte, ou vient d'être fermée par la perte du focus
    // que l'appui en cours a causée.
    bool infoAffichee() const;
    void changerOnglet(int sens);
    void choisirFeuille(int onglet, int index);
    void touchesChamp(int k, int touche);
    // Le clavier d'une zone de figure : tabulation, flèches, Entrée (la correction d'un
    // exercice) ; rend vrai quand la touche a servi.
    bool toucheFigureZone(TmembreZone zone, int touche);
    void brancherClavier(TwidgetZone* widget, TmembreZone zone);
    void libererZones();

    TdonneesCommunes& d_;
    std::unique_ptr<TcontrolesFenetre> controles_;
    std::unique_ptr<TplateformeQt> plateformePropre_;
    std::unique_ptr<TsuiviCours> suiviCours_;
    Tplateforme* plateforme_ = nullptr;
    std::unique_ptr<Tarbre> etatTheme_;
    std::unique_ptr<Tarbre> etatAlphabetique_;
    std::vector<TwidgetZone*> boites_;
    std::vector<Tliaison> liaisons_;
    std::vector<std::pair<Tlibelle*, QLabel*>> libelles_;
    std::vector<std::pair<TchampSaisie*, QLineEdit*>> champs_;
    std::vector<std::pair<Tbouton*, TboutonImage*>> boutons_;
    std::vector<std::pair<Tarbre*, TarbreWidget*>> arbres_;
    std::vector<std::unique_ptr<QImage>> images_;
    QMetaObject::Connection suiviFocus_;
    bool enSynchronisation_ = false;
    bool zonesLiberees_ = false;

    QWidget* fond_ = nullptr;
    QWidget* accueil_ = nullptr;
    TwidgetZone* zoneAccueil_ = nullptr;
    std::unique_ptr<TInfoObj> info_;
    qint64 fermetureInfo_ = -1;
    QWidget* classeur_ = nullptr;
    TbarreOnglets* barre_ = nullptr;
    QStackedWidget* pile_ = nullptr;
    TarbreWidget* arbreCours_ = nullptr;
    TarbreWidget* arbreExercice_ = nullptr;
    TarbreWidget* arbreImagiciel_ = nullptr;
    TarbreWidget* arbreTheme_ = nullptr;
    TarbreWidget* arbreAlphabetique_ = nullptr;
    TboutonImage* quitterSommaire_ = nullptr;
    TboutonImage* bilan_ = nullptr;
    QScrollArea* defilementCours_ = nullptr;
    QWidget* contenuCours_ = nullptr;
    QStatusBar* barreEtat_ = nullptr;
    TwidgetZone* zoneSurvolee_ = nullptr;
};
