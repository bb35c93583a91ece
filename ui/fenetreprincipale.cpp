#include "ui/fenetreprincipale.h"

#include "content/imagiciels/imagiciels.h"
#include "content/cours/pagescours.h"
#include "content/info/fenetreinfo.h"
#include "core/arbres/arbrealphabetique.h"
#include "core/arbres/arbretheme.h"
#include "core/controles/arbre.h"
#include "core/controles/controlesfenetre.h"
#include "core/controles/dispositionexercice.h"
#include "core/donneescommunes.h"
#include "core/exercice/bilan.h"
#include "core/exercice/cases.h"
#include "core/exercice/exercice.h"
#include "core/exercice/soumission.h"
#include "core/identifiants.h"
#include "core/lien.h"
#include "core/renvoiscontenu.h"
#include "display/figures/clavierfigure.h"
#include "display/texte/canevas.h"
#include "display/zones/zoneaffichage.h"
#include "ui/accueil.h"
#include "ui/arbrewidget.h"
#include "ui/barreonglets.h"
#include "ui/boutonimage.h"
#include "ui/dessins.h"
#include "ui/ongletcours.h"
#include "ui/dessinsaccueil.h"
#include "ui/fenetreinfo.h"
#include "ui/plateformeqt.h"
#include "ui/widgetzone.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int largeurClasseur = 790;
constexpr int hauteurClasseur = 570;
constexpr int largeurFeuille = largeurClasseur - 8;
constexpr int hauteurFeuille = hauteurClasseur - 40;
constexpr int hauteurBarreOutils = 30;
constexpr int hauteurEnonce = 300;
constexpr int hauteurBarreEtat = 19;

constexpr unsigned sarcelle = 0x008080;
constexpr unsigned vertSommaire = 0x5DC5AE;
constexpr unsigned orangeCours = 0xFF8B23;
constexpr unsigned vertExercice = 0x109102;
constexpr unsigned azurImagiciel = 0x00B2F6;
constexpr unsigned jauneIndex = 0xF7D323;
constexpr unsigned creme = 0xFFF7E0;
constexpr unsigned fondCours = 0xFEF7DA;
constexpr unsigned fondEnonce = 0xFDF2CE;
constexpr unsigned fondSolution = 0xD9FFCC;
constexpr unsigned fondScore = 0xF3F59E;
constexpr unsigned fondAccueil = 0x65CD98;
constexpr unsigned grisFenetre = 0xE0E0E0;

const QString indicationAccueil = QStringLiteral("Vers la page d'accueil");

QString texteQt(const std::string& texte) {
    return QString::fromStdString(texte);
}

void colorer(QWidget* w, unsigned couleur) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(couleur));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

QWidget* panneau(QWidget* parent, unsigned couleur) {
    auto* w = new QWidget(parent);
    colorer(w, couleur);
    return w;
}

// Police des titres de chapitre : Liberation Sans grasse de 16 pixels.
QFont policeChapitre() {
    QFont police(QStringLiteral("Liberation Sans"));
    police.setBold(true);
    police.setPixelSize(16);
    return police;
}

// Le titre du chapitre dans la barre d'outils d'une feuille, en blanc, après le bouton
// de l'accueil.
void placerTitreChapitre(QLabel* chapitre, int largeur) {
    chapitre->setGeometry(34, 0, largeur, hauteurBarreOutils);
    chapitre->setFont(policeChapitre());
    chapitre->setStyleSheet(QStringLiteral("color: white;"));
}

// Étiquette de titre : texte blanc gras sur la couleur de sa barre.
QLabel* titre(const QString& texte, unsigned fond, QWidget* parent, int pixels = 15,
              unsigned encre = 0xFFFFFF) {
    auto* l = new QLabel(texte, parent);
    QFont police(QStringLiteral("Liberation Sans"));
    police.setBold(true);
    police.setPixelSize(pixels);
    l->setFont(police);
    colorer(l, fond);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(encre));
    l->setPalette(palette);
    l->setFixedHeight(20);
    l->setContentsMargins(4, 0, 0, 0);
    return l;
}

QSplitter* separateur(Qt::Orientation sens, unsigned couleur, QWidget* parent) {
    auto* s = new QSplitter(sens, parent);
    s->setHandleWidth(4);
    s->setChildrenCollapsible(false);
    s->setStyleSheet(QStringLiteral("QSplitter::handle { background: #%1; }")
                         .arg(couleur, 6, 16, QLatin1Char('0')));
    return s;
}

QWidget* colonne(QWidget* parent, QLabel* etiquette, QWidget* contenu) {
    auto* w = new QWidget(parent);
    auto* boite = new QVBoxLayout(w);
    boite->setContentsMargins(0, 0, 0, 0);
    boite->setSpacing(0);
    boite->addWidget(etiquette);
    boite->addWidget(contenu, 1);
    return w;
}

// Ce que fait un événement de souris dans une zone (table de routage ci-dessous).
enum class Tsouris {
    Rien,
    Noter,           // position et action notées dans l'enregistrement
    NoterEtSuivre,   // noter, puis suivre le lien sous le pointeur
    NoterEtSurvoler, // noter, main sur un lien, flèche ailleurs
    AppuiEnonce,     // noter ; un lien est suivi, sinon une case bascule (question ouverte)
    Souris,          // la zone traite elle-même (points de figure, diagrammes)
    SourisSiOuverte, // la même chose tant que la question attend une réponse
};

struct TrouteSouris {
    std::unique_ptr<TzoneAffichage> TdonneesCommunes::*zone;
    Tsouris appui;
    Tsouris mouvement;
    Tsouris relache;
};

constexpr std::array<TrouteSouris, 6> routesSouris{{
    {&TdonneesCommunes::zoneEnonce, Tsouris::AppuiEnonce, Tsouris::NoterEtSurvoler, Tsouris::Rien},
    {&TdonneesCommunes::zoneFigure, Tsouris::SourisSiOuverte, Tsouris::SourisSiOuverte,
     Tsouris::SourisSiOuverte},
    {&TdonneesCommunes::zoneSolution, Tsouris::NoterEtSuivre, Tsouris::NoterEtSurvoler,
     Tsouris::Noter},
    {&TdonneesCommunes::zoneCours, Tsouris::NoterEtSuivre, Tsouris::NoterEtSurvoler,
     Tsouris::Souris},
    {&TdonneesCommunes::zoneTexteImagiciel, Tsouris::NoterEtSuivre, Tsouris::NoterEtSurvoler,
     Tsouris::Noter},
    {&TdonneesCommunes::zoneFigureImagiciel, Tsouris::Souris, Tsouris::Souris, Tsouris::Souris},
}};

} // namespace

TFenetrePrincipale::TFenetrePrincipale(TdonneesCommunes& d, Tplateforme* plateforme)
    : d_(d), controles_(std::make_unique<TcontrolesFenetre>()),
      etatTheme_(std::make_unique<Tarbre>(::arbreTheme())),
      etatAlphabetique_(std::make_unique<Tarbre>(::arbreAlphabetique())) {
    if (plateforme == nullptr) {
        plateformePropre_ = std::make_unique<TplateformeQt>(this);
        plateformePropre_->surRedessinControle = [this](const Tcontrole*) { synchroniser(); };
        plateformePropre_->surCurseur = [this](FormeCurseur forme) {
            if (zoneSurvolee_ != nullptr) {
                zoneSurvolee_->setCursor(forme == FormeCurseur::Main    ? Qt::PointingHandCursor
                                         : forme == FormeCurseur::Croix ? Qt::CrossCursor
                                         : forme == FormeCurseur::RedimensionVertical
                                             ? Qt::SizeVerCursor
                                             : Qt::ArrowCursor);
            }
        };
        plateformePropre_->surTic = [this](Tminuterie& minuterie) { ticMinuterie(minuterie); };
        plateforme = plateformePropre_.get();
    }
    plateforme_ = plateforme;
    positionPointeur = [] { return QCursor::pos(); };
    rectangleBureau = [this] {
        return screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 800, 600);
    };
    hoteInfo().montrer = [this](TdonneesCommunes&, int identifiant) { montrerInfo(identifiant); };
    hoteInfo().fermer = [this] {
        if (info_ != nullptr) {
            info_->hide();
            info_.reset();
        }
    };
    construire();
    demarrer();
}

TFenetrePrincipale::~TFenetrePrincipale() {
    // Les widgets partent avant les objets d'état que leurs rappels désignent : aucun
    // signal émis pendant leur destruction ne doit toucher un état déjà détruit.
    enSynchronisation_ = true;
    disconnect(suiviFocus_);
    hoteInfo() = ThoteInfo{};
    info_.reset();
    infoOuverte = false;
    libererZones();
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    if (d_.plateforme == plateforme_) {
        d_.plateforme = nullptr;
    }
}

QLineEdit* TFenetrePrincipale::champ(int k) const {
    return k >= 1 && k <= static_cast<int>(champs_.size())
               ? champs_[static_cast<std::size_t>(k - 1)].second
               : nullptr;
}

TboutonImage* TFenetrePrincipale::bouton(const Tbouton& etat) const {
    for (const auto& [lie, widget] : boutons_) {
        if (lie == &etat) {
            return widget;
        }
    }
    return nullptr;
}

bool TFenetrePrincipale::accueilMontre() const {
    return accueil_->isVisibleTo(this) && !classeur_->isVisibleTo(this);
}

TboutonImage* TFenetrePrincipale::boutonLie(Tbouton& etat, int picto, QWidget* parent, int gauche,
                                            int haut) {
    auto* b = new TboutonImage(static_cast<Tpicto>(picto), parent);
    b->move(gauche, haut);
    b->setToolTip(texteQt(etat.indication));
    etat.gauche = gauche;
    etat.haut = haut;
    etat.largeur = b->width();
    etat.hauteur = b->height();
    boutons_.emplace_back(&etat, b);
    liaisons_.push_back({&etat, b});
    return b;
}

void TFenetrePrincipale::relier(TboutonImage* bouton, void (*action)(TdonneesCommunes&)) {
    connect(bouton, &QAbstractButton::clicked, this, [this, action] {
        action(d_);
        synchroniser();
    });
}

QLabel* TFenetrePrincipale::libelleLie(Tlibelle& etat, QWidget* parent) {
    auto* l = new QLabel(parent);
    libelles_.emplace_back(&etat, l);
    return l;
}

TwidgetZone* TFenetrePrincipale::zoneLiee(QWidget* parent, TmembreZone zone, int largeur,
                                          int hauteur, unsigned couleur) {
    auto* w = new TwidgetZone(parent, largeur, hauteur, couleur);
    creerZone(w->boite, d_.*zone);
    if (plateformePropre_) {
        plateformePropre_->lierBoite(w->boite, w);
    }
    boites_.push_back(w);
    w->peindre = [this, zone](QPainter& peintre) {
        if (TzoneAffichage* z = (d_.*zone).get()) {
            dessinerZone(*z, peintre);
        }
    };
    w->souris = [this, zone, w](int x, int y, int action) {
        zoneSurvolee_ = w;
        router(zone, x, y, action);
    };
    return w;
}

QWidget* TFenetrePrincipale::barreOutils(QWidget* parent, unsigned couleur,
                                         TboutonImage** quitter) {
    QWidget* barre = panneau(parent, couleur);
    barre->setGeometry(0, 0, largeurFeuille, hauteurBarreOutils);
    auto* b = new TboutonImage(Tpicto::Accueil, barre);
    b->move(2, 1);
    b->setToolTip(indicationAccueil);
    connect(b, &QAbstractButton::clicked, this, [this] { montrerAccueil(); });
    if (quitter != nullptr) {
        *quitter = b;
    }
    return barre;
}

void TFenetrePrincipale::lierArbre(TarbreWidget* widget, Tarbre& etat) {
    arbres_.emplace_back(&etat, widget);
    liaisons_.push_back({&etat, widget});
    connect(widget, &QTreeWidget::currentItemChanged, this,
            [this, widget, &etat](QTreeWidgetItem* courant) {
                if (!enSynchronisation_) {
                    etat.selection = TarbreWidget::indexDe(courant);
                }
            });
    connect(widget, &QTreeWidget::itemExpanded, this, [this, &etat](QTreeWidgetItem* e) {
        if (!enSynchronisation_) {
            etat.deplier(TarbreWidget::indexDe(e));
        }
    });
    connect(widget, &QTreeWidget::itemCollapsed, this, [this, &etat](QTreeWidgetItem* e) {
        if (!enSynchronisation_) {
            etat.replier(TarbreWidget::indexDe(e));
        }
    });
}

QWidget* TFenetrePrincipale::construireSommaire() {
    QWidget* feuille = panneau(nullptr, sarcelle);
    barreOutils(feuille, vertSommaire, &quitterSommaire_);

    QSplitter* splitter2 = separateur(Qt::Horizontal, vertSommaire, feuille);
    splitter2->setGeometry(0, hauteurBarreOutils, largeurFeuille,
                           hauteurFeuille - hauteurBarreOutils);

    QWidget* gauche = panneau(splitter2, sarcelle);
    auto* boiteGauche = new QVBoxLayout(gauche);
    boiteGauche->setContentsMargins(0, 0, 0, 0);
    QSplitter* splitter3 = separateur(Qt::Vertical, vertSommaire, gauche);
    boiteGauche->addWidget(splitter3);
    arbreCours_ = new TarbreWidget(nullptr, *controles_->ArbreChoixCours.contenu);
    splitter3->addWidget(
        colonne(splitter3, titre(QStringLiteral("Cours (pages du manuel)"), orangeCours, nullptr),
                arbreCours_));
    arbreImagiciel_ = new TarbreWidget(nullptr, *controles_->ArbreChoixImagiciel.contenu);
    splitter3->addWidget(colonne(
        splitter3, titre(QStringLiteral("Imagiciels (figures animables)"), azurImagiciel, nullptr),
        arbreImagiciel_));

    arbreExercice_ = new TarbreWidget(nullptr, *controles_->ArbreChoixExercice.contenu);
    arbreExercice_->descenteParIndice = true;
    arbreExercice_->setSelectionBehavior(QAbstractItemView::SelectRows);
    splitter2->addWidget(gauche);
    splitter2->addWidget(colonne(
        splitter2, titre(QStringLiteral("Exercices"), vertExercice, nullptr), arbreExercice_));

    // Le panneau de gauche prend la moitié de la largeur moins 2 ; l'arbre des cours 63 %
    // de sa hauteur.
    const int largeurGauche = largeurFeuille / 2 - 2;
    splitter2->setSizes({largeurGauche, largeurFeuille - largeurGauche - 4});
    const int hauteurPanneau = hauteurFeuille - hauteurBarreOutils;
    const int hauteurHaut = 20 + hauteurPanneau * 63 / 100;
    splitter3->setSizes({hauteurHaut, hauteurPanneau - hauteurHaut - 4});

    lierArbre(arbreCours_, controles_->ArbreChoixCours);
    lierArbre(arbreImagiciel_, controles_->ArbreChoixImagiciel);
    lierArbre(arbreExercice_, controles_->ArbreChoixExercice);
    // L'arbre des cours déplie le nœud qu'on sélectionne.
    connect(arbreCours_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* e) {
        if (!enSynchronisation_ && e != nullptr) {
            controles_->ArbreChoixCours.deplier(TarbreWidget::indexDe(e));
            synchroniser();
        }
    });
    arbreCours_->feuilleChoisie = [this](int index) { choisirFeuille(1, index); };
    arbreExercice_->feuilleChoisie = [this](int index) { choisirFeuille(2, index); };
    arbreImagiciel_->feuilleChoisie = [this](int index) { choisirFeuille(3, index); };
    return feuille;
}

QWidget* TFenetrePrincipale::construirePageCours() {
    TcontrolesFenetre& c = *controles_;
    QWidget* feuille = panneau(nullptr, fondCours);
    QWidget* barre = barreOutils(feuille, orangeCours, nullptr);
    placerTitreChapitre(libelleLie(c.LabelChapitreCours, barre), 535);
    // Cours précédent et suivant, dans le chapitre de la page.
    relier(boutonLie(c.BoutonCoursPrecedent, static_cast<int>(Tpicto::Precedent), barre, 575, 1),
           &BoutonCoursPrecedentClick);
    relier(boutonLie(c.BoutonCoursSuivant, static_cast<int>(Tpicto::Suivant), barre, 607, 1),
           &BoutonCoursSuivantClick);

    defilementCours_ = new QScrollArea(feuille);
    defilementCours_->setGeometry(0, hauteurBarreOutils, largeurFeuille,
                                  hauteurFeuille - hauteurBarreOutils);
    defilementCours_->setFrameShape(QFrame::NoFrame);
    defilementCours_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    defilementCours_->setWidgetResizable(false);
    colorer(defilementCours_->viewport(), fondCours);
    contenuCours_ = panneau(nullptr, fondCours);
    TwidgetZone* zone = zoneLiee(contenuCours_, &TdonneesCommunes::zoneCours, 388, 485, fondCours);
    liaisons_.push_back({&c.ScrollBoiteCours, defilementCours_});
    // « S'exercer » mène au nœud de l'exercice dans le sommaire ; « Retour » revient à la
    // dernière page de l'historique, sans l'y remettre.
    relier(boutonLie(c.BoutonPourSexercer, static_cast<int>(Tpicto::PourSexercer), contenuCours_,
                     662, 20),
           &BoutonPourSexercerClick);
    relier(boutonLie(c.BoutonPourSexercerSF, static_cast<int>(Tpicto::PourSexercer), contenuCours_,
                     662, 20),
           &BoutonPourSexercerClick);
    relier(boutonLie(c.BoutonRetour, static_cast<int>(Tpicto::Retour), contenuCours_, 680, 20),
           &BoutonRetourClick);
    relier(boutonLie(c.BoutonRetourSF, static_cast<int>(Tpicto::Retour), contenuCours_, 680, 20),
           &BoutonRetourClick);
    c.BoutonPourSexercer.visible = false;
    c.BoutonPourSexercerSF.visible = false;
    // La zone du cours prend la largeur cliente moins 15 ; sa hauteur minimale est la
    // hauteur cliente de la boîte de défilement moins 1.
    const int clientLargeur = defilementCours_->width();
    const int clientHauteur = defilementCours_->height();
    zone->boite.largeur = clientLargeur - 15;
    zone->boite.hauteur = clientHauteur - 1;
    zone->tailleParLaBoite = true;
    d_.hauteurCours = clientHauteur - 1;
    defilementCours_->setWidget(contenuCours_);
    suiviCours_ = std::make_unique<TsuiviCours>(defilementCours_, contenuCours_);
    return feuille;
}

QWidget* TFenetrePrincipale::construirePageExercice() {
    TcontrolesFenetre& c = *controles_;
    QWidget* feuille = panneau(nullptr, fondSolution);
    QWidget* barre = barreOutils(feuille, vertExercice, nullptr);
    placerTitreChapitre(libelleLie(c.LabelChapitreExercice, barre), 615);
    bilan_ = new TboutonImage(Tpicto::Bilan, barre);
    bilan_->move(652, 1);
    bilan_->setToolTip(QStringLiteral("Pourcentage de réussite"));
    // Le bilan s'ouvre dans la fenêtre d'information ; le bouton reste inactif jusqu'au
    // premier exercice lancé depuis l'arbre, et tant que cette fenêtre n'est pas inscrite.
    bilan_->setEnabled(false);
    // Un appui ferme la fenêtre d'information ouverte, sinon ouvre le bilan.
    connect(bilan_, &QAbstractButton::pressed, this, [this] {
        if (infoAffichee()) {
            fermerInfo();
        } else if (const auto& ouvrir = renvoisContenu().ouvrirInfo) {
            ouvrir(d_, identifiant::bilan);
        }
        synchroniser();
    });

    QWidget* enonce = panneau(feuille, fondEnonce);
    enonce->setGeometry(0, hauteurBarreOutils, largeurFeuille, hauteurEnonce);
    QWidget* surTitre = panneau(enonce, fondEnonce);
    surTitre->setGeometry(0, 0, largeurFeuille, 6);
    QLabel* titreExercice = libelleLie(c.LabelTitreExercice, enonce);
    titreExercice->setGeometry(0, 6, 780, 21);
    titreExercice->setFont(policeChapitre());
    colorer(titreExercice, creme);
    TwidgetZone* zoneTexte =
        zoneLiee(enonce, &TdonneesCommunes::zoneEnonce, rectangleTexteEnonce.largeur,
                 rectangleTexteEnonce.hauteur, creme);
    zoneTexte->move(rectangleTexteEnonce.gauche, rectangleTexteEnonce.haut);
    zoneTexte->peindre = [this](QPainter& peintre) {
        if (d_.zoneEnonce != nullptr) {
            dessinerZone(*d_.zoneEnonce, peintre);
            Tcanevas canevas(peintre);
            dessinerCases(d_, canevas);
        }
    };
    TwidgetZone* figure = zoneLiee(enonce, &TdonneesCommunes::zoneFigure, 320, 290, 0xFFFFFF);
    figure->boite.visible = false;
    brancherClavier(figure, &TdonneesCommunes::zoneFigure);

    const int hautRevoir = 27 + 271 - 5 - taillePicto(Tpicto::RevoirCours).height();
    relier(boutonLie(c.BoutonRevoirCours, static_cast<int>(Tpicto::RevoirCours), enonce, 5,
                     hautRevoir),
           [](TdonneesCommunes& dd) {
               dd.cibleLien = dd.pageCoursLiee;
               suivreLien(dd);
           });
    c.BoutonRevoirCours.visible = false;

    const std::array<TchampSaisie*, 3> etats{&c.Edit1, &c.Edit2, &c.Edit3};
    for (int k = 1; k <= 3; ++k) {
        TchampSaisie& etat = *etats[static_cast<std::size_t>(k - 1)];
        auto* champ = new QLineEdit(enonce);
        QFont policeChamp(QStringLiteral("Liberation Sans"));
        policeChamp.setPixelSize(15);
        champ->setFont(policeChamp);
        etat.haut = 207 + 28 * (k - 1);
        etat.largeur = 200;
        etat.hauteur = 23;
        etat.visible = false;
        champ->installEventFilter(this);
        connect(champ, &QLineEdit::textEdited, this,
                [&etat](const QString& texte) { etat.texte = texte.toStdString(); });
        champs_.emplace_back(&etat, champ);
        liaisons_.push_back({&etat, champ});
    }

    QWidget* separe = panneau(feuille, vertExercice);
    separe->setGeometry(0, hauteurBarreOutils + hauteurEnonce, largeurFeuille, 4);

    const int hautSolution = hauteurBarreOutils + hauteurEnonce + 4;
    const int hauteurSolution = hauteurFeuille - hautSolution - hauteurBarreEtat;
    static_assert(hauteurFeuille - hauteurBarreOutils - hauteurEnonce - 4 - hauteurBarreEtat ==
                      rectangleTexteSolution.hauteur &&
                  largeurFeuille == rectangleTexteSolution.largeur);
    QWidget* solution = panneau(feuille, fondSolution);
    solution->setGeometry(0, hautSolution, largeurFeuille, hauteurSolution);
    zoneLiee(solution, &TdonneesCommunes::zoneSolution, largeurFeuille, hauteurSolution,
             fondSolution);
    TwidgetZone* figureSolution =
        zoneLiee(solution, &TdonneesCommunes::zoneFigureSolution, 248, 155, 0xFFFFFF);
    figureSolution->boite.visible = false;
    for (TwidgetZone* f : {figure, figureSolution}) {
        const auto zone =
            f == figure ? &TdonneesCommunes::zoneFigure : &TdonneesCommunes::zoneFigureSolution;
        f->peindre = [this, zone](QPainter& peintre) {
            if (TzoneAffichage* z = (d_.*zone).get()) {
                dessinerZoneEncadree(*z, peintre);
            }
        };
    }
    const struct {
        Tbouton* etat;
        Tpicto picto;
        int gauche;
        void (*action)(TdonneesCommunes&);
    } boutons[] = {
        {&c.BoutonSuite, Tpicto::Suite, 320, &BoutonSuiteClick},
        {&c.BoutonSolution, Tpicto::Solution, 420, &BoutonSolutionClick},
        {&c.BoutonReessayer, Tpicto::Reessayer, 320, &BoutonReessayerClick},
        {&c.BoutonCorrection, Tpicto::Correction, 320, &BoutonCorrectionClick},
        {&c.BoutonSommaire, Tpicto::Sommaire, 320, &BoutonSommaireClick},
    };
    for (const auto& b : boutons) {
        relier(boutonLie(*b.etat, static_cast<int>(b.picto), solution, b.gauche, 0), b.action);
    }

    barreEtat_ = new QStatusBar(feuille);
    barreEtat_->setSizeGripEnabled(false);
    barreEtat_->setGeometry(0, hauteurFeuille - hauteurBarreEtat, largeurFeuille, hauteurBarreEtat);
    colorer(barreEtat_, fondScore);
    liaisons_.push_back({&c.ZoneScoreExercice, barreEtat_});
    c.ZoneScoreExercice.texte = ligneScore();

    setTabOrder(champs_[0].second, champs_[1].second);
    setTabOrder(champs_[1].second, champs_[2].second);
    return feuille;
}

QWidget* TFenetrePrincipale::construirePageImagiciel() {
    TcontrolesFenetre& c = *controles_;
    QWidget* feuille = panneau(nullptr, creme);
    QWidget* barre = barreOutils(feuille, azurImagiciel, nullptr);
    placerTitreChapitre(libelleLie(c.LabelChapitreImagiciel, barre), 690);

    QWidget* boite = panneau(feuille, creme);
    boite->setGeometry(0, hauteurBarreOutils, largeurFeuille, hauteurFeuille - hauteurBarreOutils);
    QLabel* titreImagiciel = libelleLie(c.LabelTitreImagiciel, boite);
    titreImagiciel->setGeometry(0, 6, 700, 21);
    titreImagiciel->setFont(policeChapitre());
    colorer(titreImagiciel, creme);
    TwidgetZone* texte = zoneLiee(boite, &TdonneesCommunes::zoneTexteImagiciel, largeurFeuille,
                                  boite->height() - 27, creme);
    texte->move(0, 27);
    texte->peindre = [this](QPainter& peintre) { peindreTexteImagiciel(d_, peintre); };
    TwidgetZone* figure =
        zoneLiee(boite, &TdonneesCommunes::zoneFigureImagiciel, 388, 485, 0xFFFFFF);
    figure->boite.visible = false;
    brancherClavier(figure, &TdonneesCommunes::zoneFigureImagiciel);
    figure->peindre = [this](QPainter& peintre) {
        if (TzoneAffichage* z = d_.zoneFigureImagiciel.get()) {
            dessinerZoneEncadree(*z, peintre);
        }
    };
    // Étapes d'une construction pas à pas : le constructeur place les deux boutons.
    relier(boutonLie(c.BoutonReculer, static_cast<int>(Tpicto::Reculer), boite, 716, 0),
           &etapePrecedente);
    relier(boutonLie(c.BoutonAvancer, static_cast<int>(Tpicto::Avancer), boite, 748, 0),
           &etapeSuivante);
    c.BoutonReculer.visible = false;
    c.BoutonAvancer.visible = false;
    return feuille;
}

QWidget* TFenetrePrincipale::construireIndex() {
    QWidget* feuille = panneau(nullptr, jauneIndex);
    barreOutils(feuille, jauneIndex, nullptr);
    QSplitter* splitter1 = separateur(Qt::Horizontal, jauneIndex, feuille);
    splitter1->setGeometry(0, hauteurBarreOutils, largeurFeuille,
                           hauteurFeuille - hauteurBarreOutils);
    arbreTheme_ = new TarbreWidget(nullptr, ::arbreTheme());
    arbreAlphabetique_ = new TarbreWidget(nullptr, ::arbreAlphabetique());
    splitter1->addWidget(colonne(
        splitter1, titre(QStringLiteral("Classement par thème"), jauneIndex, nullptr, 15, 0x000000),
        arbreTheme_));
    splitter1->addWidget(
        colonne(splitter1,
                titre(QStringLiteral("Classement alphabétique"), jauneIndex, nullptr, 15, 0x000000),
                arbreAlphabetique_));
    const int largeurGauche = largeurFeuille / 2 - 2;
    splitter1->setSizes({largeurGauche, largeurFeuille - largeurGauche - 4});
    lierArbre(arbreTheme_, *etatTheme_);
    lierArbre(arbreAlphabetique_, *etatAlphabetique_);
    arbreTheme_->feuilleChoisie = [this](int index) { choisirFeuille(4, index); };
    arbreAlphabetique_->feuilleChoisie = [this](int index) { choisirFeuille(5, index); };
    return feuille;
}

void TFenetrePrincipale::construire() {
    TcontrolesFenetre& c = *controles_;
    setWindowTitle(QStringLiteral("calvane 3e édition 2003"));
    colorer(this, grisFenetre);
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(11);
    setFont(police);
    setFixedSize(800, 600);
    move(0, 0);

    fond_ = panneau(this, sarcelle);
    fond_->setGeometry(0, 0, 800, 600);

    // L'accueil : la zone zoneAccueil posée sur le rectangle du classeur. Au clavier, elle
    // prend le focus : Entrée entre, Alt+A ouvre « À propos », Alt+Q quitte.
    accueil_ = panneau(this, fondAccueil);
    accueil_->setGeometry(0, 0, 800, 600);
    zoneAccueil_ = zoneLiee(accueil_, &TdonneesCommunes::zoneAccueil, largeurClasseur,
                            hauteurClasseur, fondAccueil);
    zoneAccueil_->souris = [this](int x, int y, int action) { sourisAccueil(x, y, action); };
    zoneAccueil_->setFocusPolicy(Qt::StrongFocus);
    zoneAccueil_->setToolTip(
        QStringLiteral("Entrée : Entrée ou Alt+E — À propos : Alt+A — Quitter : Alt+Q"));
    zoneAccueil_->installEventFilter(this);

    classeur_ = new QWidget(this);
    classeur_->resize(largeurClasseur, hauteurClasseur);
    barre_ = new TbarreOnglets(classeur_);
    barre_->setGeometry(0, 0, largeurClasseur, TbarreOnglets::hauteurBarre);
    pile_ = new QStackedWidget(classeur_);
    pile_->setGeometry(4, TbarreOnglets::hauteurBarre, largeurFeuille, hauteurFeuille);
    QWidget* feuilles[] = {construireSommaire(), construirePageCours(), construirePageExercice(),
                           construirePageImagiciel(), construireIndex()};
    Tcontrole* etatsFeuilles[] = {&c.PageMenu, &c.PageCours, &c.PageExercice, &c.PageImagiciel,
                                  nullptr};
    for (int i = 0; i < 5; ++i) {
        pile_->addWidget(feuilles[i]);
        if (etatsFeuilles[i] != nullptr) {
            etatsFeuilles[i]->largeur = largeurFeuille;
            etatsFeuilles[i]->hauteur = hauteurFeuille;
        }
    }
    barre_->ongletChoisi = [this](int onglet) {
        controles_->PageControle.pageActive = static_cast<Onglet>(onglet);
        colorer(this, grisFenetre);
        synchroniser();
    };
    liaisons_.push_back({&c.PageControle, barre_});
    resizeEvent(nullptr);

    // Ctrl+Tab et Ctrl+Maj+Tab passent à l'onglet suivant ou précédent.
    const auto raccourci = [this](QKeySequence touches, int sens) {
        auto* r = new QShortcut(touches, this);
        r->setContext(Qt::WindowShortcut);
        connect(r, &QShortcut::activated, this, [this, sens] { changerOnglet(sens); });
    };
    raccourci(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    raccourci(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    raccourci(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);

    suiviFocus_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* maintenant) {
            if (enSynchronisation_ || maintenant == nullptr) {
                return;
            }
            for (const Tliaison& l : liaisons_) {
                if (l.widget == maintenant) {
                    donnerFocus(d_, l.etat);
                    return;
                }
            }
            donnerFocus(d_, nullptr);
        });
}

void TFenetrePrincipale::demarrer() {
    TcontrolesFenetre& c = *controles_;
    initialiserDonneesCommunes(d_);
    c.lier(d_);
    d_.plateforme = plateforme_;
    d_.handleFenetre = static_cast<std::uintptr_t>(winId());

    // Images du produit, tracées à la densité de l'écran.
    const double rapport = screen() != nullptr ? screen()->devicePixelRatio() : 1.0;
    // Chaque image désignée par l'enregistrement prend sa taille en pixels logiques.
    const auto poser = [this](TimageFenetre& image, QImage dessin) {
        images_.push_back(std::make_unique<QImage>(std::move(dessin)));
        image.image = images_.back().get();
        const QSizeF taille = images_.back()->deviceIndependentSize();
        image.largeur = static_cast<int>(taille.width());
        image.hauteur = static_cast<int>(taille.height());
    };
    const std::pair<TimageFenetre*, TimageVerdict> verdicts[] = {
        {&c.ImageExacte, TimageVerdict::Exacte},
        {&c.ImageFausse, TimageVerdict::Fausse},
        {&c.ImageIncorrecte, TimageVerdict::Incorrecte},
        {&c.ImageSolution, TimageVerdict::Solution}};
    for (const auto& [image, verdict] : verdicts) {
        poser(*image, imageVerdict(verdict, rapport));
    }
    const std::pair<TimageFenetre*, TimageAccueil> imagesAccueil[] = {
        {&c.fondAccueil, TimageAccueil::Fond},
        {&c.AproposActif, TimageAccueil::AproposActif},
        {&c.AproposNonActif, TimageAccueil::AproposNonActif},
        {&c.QuitterActif, TimageAccueil::QuitterActif},
        {&c.QuitterNonActif, TimageAccueil::QuitterNonActif},
        {&c.EntreeActif, TimageAccueil::EntreeActif},
        {&c.EntreeNonActif, TimageAccueil::EntreeNonActif}};
    for (const auto& [image, genre] : imagesAccueil) {
        poser(*image, imageAccueil(genre, rapport));
    }
    poser(c.ImageCalculatrice, imageCalculatrice(rapport));

    // Dossier du programme et son d'erreur : un fichier absent laisse le nom vide.
    d_.dossierProgramme = (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
    const std::string son = d_.dossierProgramme.texte() + "erreur.wav";
    c.MediaPlayerErreur.fichier = plateforme_->ouvrirSon(son) ? son : std::string();

    // Les sections « Le cours » et « Les savoir-faire » sont ouvertes, les chapitres fermés.
    const TarbreContenu& cours = *c.ArbreChoixCours.contenu;
    for (const TnoeudArbre& noeud : cours.noeuds) {
        if (noeud.niveau > 0 && cours.aDesEnfants(noeud.index)) {
            c.ArbreChoixCours.deplier(noeud.index);
        }
    }

    c.PageControle.pageActive = Onglet::Sommaire;
    c.PageControle.visible = false;
    ecrire(*d_.zoneCours, "$gChoisir une page de cours dans le sommaire.", 30, 8);
    ecrire(*d_.zoneEnonce, "$gChoisir un exercice dans le sommaire.", 35, 8);
    ecrire(*d_.zoneTexteImagiciel, "$gChoisir un imagiciel dans le sommaire.", 33, 8);
    c.LabelTitreExercice.texte.clear();
    c.LabelTitreImagiciel.texte.clear();
    preparerAccueil(d_);
    plateforme_->demarrerMinuterie(*d_.TimerAnimationAccueil);
    synchroniser();
    // Le pointeur se pose sur le bouton « Entrée » de l'accueil, qui a aussi le focus.
    zoneAccueil_->setFocus(Qt::OtherFocusReason);
    QCursor::setPos(400, 545);
}

void TFenetrePrincipale::synchroniser() {
    if (enSynchronisation_) {
        return;
    }
    enSynchronisation_ = true;
    TcontrolesFenetre& c = *controles_;

    // Accueil ou classeur.
    classeur_->setVisible(c.PageControle.visible);
    accueil_->setVisible(!c.PageControle.visible);

    const int feuille = static_cast<int>(c.PageControle.pageActive);
    barre_->definirCourant(feuille);
    pile_->setCurrentIndex(feuille);
    barre_->definirActif(1, c.PageCours.actif);
    barre_->definirActif(2, c.PageExercice.actif);
    barre_->definirActif(3, c.PageImagiciel.actif);

    for (auto& [etat, libelle] : libelles_) {
        libelle->setText(texteQt(etat->texte));
        libelle->setVisible(etat->visible);
    }
    for (auto& [etat, champ] : champs_) {
        if (champ->text().toStdString() != etat->texte) {
            champ->setText(texteQt(etat->texte));
        }
        champ->setReadOnly(etat->lectureSeule);
        champ->setMaxLength(etat->longueurMax > 0 ? etat->longueurMax : 32767);
        champ->setGeometry(etat->gauche, etat->haut, etat->largeur > 0 ? etat->largeur : 200,
                           etat->hauteur > 0 ? etat->hauteur : 23);
        champ->setVisible(etat->visible);
        champ->setEnabled(etat->actif);
    }
    for (auto& [etat, bouton] : boutons_) {
        bouton->move(etat->gauche, etat->haut);
        bouton->setVisible(etat->visible);
        bouton->setEnabled(etat->actif);
        bouton->setToolTip(texteQt(etat->indication));
    }
    barreEtat_->showMessage(texteQt(c.ZoneScoreExercice.texte));

    // Les zones se repeignent : leur contenu a pu changer pendant l'événement.
    for (TwidgetZone* boite : boites_) {
        boite->suivreBoite();
        boite->update();
    }
    suiviCours_->suivre(d_);

    for (auto& [etat, arbre] : arbres_) {
        for (int i = 0; i < arbre->nombreNoeuds(); ++i) {
            QTreeWidgetItem* e = arbre->element(i);
            if (e->childCount() > 0 && e->isExpanded() != etat->estDeplie(i)) {
                e->setExpanded(etat->estDeplie(i));
            }
        }
        arbre->selectionnerIndex(etat->selection);
    }

    // Le focus en dernier : le widget doit déjà être visible.
    for (const Tliaison& l : liaisons_) {
        if (l.etat->focus && l.widget->isVisible() && l.widget->isEnabled() &&
            !l.widget->hasFocus()) {
            l.widget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    enSynchronisation_ = false;
}

void TFenetrePrincipale::router(TmembreZone zone, int x, int y, int action) {
    TzoneAffichage* z = (d_.*zone).get();
    if (z == nullptr) {
        return;
    }
    const TrouteSouris* route = nullptr;
    for (const TrouteSouris& r : routesSouris) {
        if (r.zone == zone) {
            route = &r;
        }
    }
    if (route == nullptr) {
        return;
    }
    const Tsouris quoi = action == 1   ? route->appui
                         : action == 3 ? route->mouvement
                                       : route->relache;
    const bool questionOuverte = !controles_->BoutonReessayer.visible;
    const auto noter = [&] {
        d_.sourisX = x;
        d_.sourisY = y;
        d_.actionSouris = action;
        d_.cibleLien = zoneSousPoint(z->zonesCliquables, x, y);
    };
    switch (quoi) {
    case Tsouris::Rien:
        return;
    case Tsouris::Noter:
        noter();
        break;
    case Tsouris::NoterEtSuivre:
        noter();
        if (infoAffichee()) {
            fermerInfo();
        }
        if (d_.cibleLien != 0) {
            suivreLien(d_);
        }
        break;
    case Tsouris::NoterEtSurvoler:
        noter();
        if (z->boite != nullptr && z->boite->changerCurseur) {
            z->boite->changerCurseur(d_.cibleLien != 0 ? Tcurseur::main : Tcurseur::defaut);
        }
        return; // un survol ne change aucun état à recopier
    case Tsouris::AppuiEnonce:
        noter();
        if (infoAffichee()) {
            fermerInfo();
        } else if (d_.cibleLien != 0) {
            suivreLien(d_);
        } else if (questionOuverte) {
            basculerCase(d_);
        }
        break;
    case Tsouris::SourisSiOuverte:
        if (!questionOuverte) {
            return;
        }
        sourisZone(*z, x, y, action);
        break;
    case Tsouris::Souris:
        sourisZone(*z, x, y, action);
        break;
    }
    synchroniser();
}

void TFenetrePrincipale::choisirFeuille(int arbre, int index) {
    switch (arbre) {
    case 1:
        if (const auto& afficher = renvoisContenu().afficherPageCours) {
            afficher(d_, identifiant::baseCours + index);
        }
        break;
    case 2:
        donnerFocus(d_, &controles_->ArbreChoixExercice);
        bilan_->setEnabled(static_cast<bool>(renvoisContenu().ouvrirInfo));
        lancerExercice(d_, index);
        break;
    case 3:
        donnerFocus(d_, &controles_->ArbreChoixImagiciel);
        d_.numeroImagiciel = identifiant::baseImagiciel + index;
        if (const auto& ouvrir = renvoisContenu().ouvrirImagiciel) {
            ouvrir(d_);
        }
        break;
    case 4:
    case 5:
        if (const auto& ouvrir = renvoisContenu().ouvrirInfo) {
            ouvrir(d_,
                   (arbre == 4 ? identifiant::baseTheme : identifiant::baseAlphabetique) + index);
        }
        break;
    default:
        break;
    }
    synchroniser();
}

void TFenetrePrincipale::touchesChamp(int k, int touche) {
    EditKeyDown(d_, k,
                touche == Qt::Key_Up     ? toucheHaut
                : touche == Qt::Key_Down ? toucheBas
                                         : toucheEntree);
    synchroniser();
}

void TFenetrePrincipale::brancherClavier(TwidgetZone* widget, TmembreZone zone) {
    widget->accepterClavier();
    widget->clavier = [this, zone](int touche) { return toucheFigureZone(zone, touche); };
    widget->perteClavier = [this, zone, widget] {
        if (TzoneAffichage* z = (d_.*zone).get(); z != nullptr && z->objetClavier != 0) {
            z->objetClavier = 0;
            widget->update();
        }
    };
}

bool TFenetrePrincipale::toucheFigureZone(TmembreZone zone, int touche) {
    TzoneAffichage* z = (d_.*zone).get();
    if (z == nullptr) {
        return false;
    }
    const bool exercice = zone == &TdonneesCommunes::zoneFigure;
    // La figure d'un énoncé ne bouge que tant que la question attend une réponse, comme à
    // la souris.
    if (exercice && controles_->BoutonReessayer.visible) {
        return false;
    }
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
        if (!exercice || !controles_->BoutonCorrection.visible ||
            !controles_->BoutonCorrection.actif) {
            return false;
        }
        BoutonCorrectionClick(d_);
        synchroniser();
        return true;
    }
    const ToucheFigure t = touche == Qt::Key_Tab     ? ToucheFigure::suivant
                           : touche == Qt::Key_Left  ? ToucheFigure::gauche
                           : touche == Qt::Key_Right ? ToucheFigure::droite
                           : touche == Qt::Key_Up    ? ToucheFigure::haut
                           : touche == Qt::Key_Down  ? ToucheFigure::bas
                                                     : ToucheFigure::suivant;
    if (t == ToucheFigure::suivant && touche != Qt::Key_Tab) {
        return false;
    }
    const bool servi = toucheFigure(*z, t);
    synchroniser();
    return servi;
}

void TFenetrePrincipale::ticMinuterie(Tminuterie& minuterie) {
    if (&minuterie == d_.Timer) {
        TimerTimer(d_);
    } else if (&minuterie == d_.TimerAnimationAccueil) {
        // L'accueil se repeint tant qu'il est montré ; rien d'autre n'a changé.
        if (accueil_->isVisible()) {
            accueil_->update();
        }
        return;
    }
    synchroniser();
}

bool TFenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress && objet == zoneAccueil_) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        const bool alt = touche->modifiers() & Qt::AltModifier;
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter ||
            (alt && touche->key() == Qt::Key_E)) {
            appuyerBoutonAccueil(static_cast<int>(TboutonAccueil::Entree));
            return true;
        }
        if (alt && touche->key() == Qt::Key_A) {
            appuyerBoutonAccueil(static_cast<int>(TboutonAccueil::APropos));
            return true;
        }
        if (alt && touche->key() == Qt::Key_Q) {
            appuyerBoutonAccueil(static_cast<int>(TboutonAccueil::Quitter));
            return true;
        }
    }
    if (evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        for (std::size_t i = 0; i < champs_.size(); ++i) {
            if (champs_[i].second == objet &&
                (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Up ||
                 touche == Qt::Key_Down)) {
                touchesChamp(static_cast<int>(i) + 1, touche);
                return true;
            }
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

void TFenetrePrincipale::montrerAccueil() {
    controles_->PageControle.visible = false;
    synchroniser();
    zoneAccueil_->setFocus(Qt::OtherFocusReason);
}

void TFenetrePrincipale::entrer() {
    effacerSurvolsAccueil(d_);
    zoneAccueil_->setCursor(Qt::ArrowCursor);
    controles_->PageControle.visible = true;
    synchroniser();
    barre_->setFocus(Qt::OtherFocusReason);
}

void TFenetrePrincipale::sourisAccueil(int x, int y, int action) {
    if (controles_->PageControle.visible) {
        return;
    }
    if (action == 3) {
        const TsurvolAccueil survol = survolerAccueil(d_, x, y);
        if (survol != TsurvolAccueil::Aucun) {
            zoneAccueil_->setCursor(survol == TsurvolAccueil::Main ? Qt::PointingHandCursor
                                                                   : Qt::ArrowCursor);
            zoneAccueil_->update();
        }
    } else if (action == 1) {
        if (infoAffichee()) {
            fermerInfo();
            return;
        }
        appuyerBoutonAccueil(static_cast<int>(boutonAccueilSous(x, y)));
    }
}

void TFenetrePrincipale::appuyerBoutonAccueil(int bouton) {
    switch (static_cast<TboutonAccueil>(bouton)) {
    case TboutonAccueil::APropos:
        if (const auto& ouvrir = renvoisContenu().ouvrirInfo) {
            ouvrir(d_, identifiant::aPropos);
        }
        break;
    case TboutonAccueil::Quitter:
        close();
        break;
    case TboutonAccueil::Entree:
        entrer();
        break;
    case TboutonAccueil::Aucun:
        break;
    }
}

void TFenetrePrincipale::montrerInfo(int identifiant) {
    const QPoint pointeur = positionPointeur();
    const QRect bureau = rectangleBureau();
    TplaceInfo place;
    if (identifiant == identifiant::bilan) {
        const QPoint coin = classeur_->mapToGlobal(QPoint(0, 0));
        place = placerBilan({coin.x(), coin.y(), classeur_->width(), classeur_->height()},
                            d_.largeurInfo);
    } else {
        place = placerInfo(pointeur.x(), pointeur.y(), d_.largeurInfo, d_.hauteurInfo,
                           {bureau.x(), bureau.y(), bureau.width(), bureau.height()});
    }
    if (info_ == nullptr) {
        info_ = std::make_unique<TInfoObj>(d_, [this] {
            // Le message de fermeture est traité une fois l'événement de la fenêtre fini.
            QMetaObject::invokeMethod(
                this, [this] { fermerInfoDemandee(); }, Qt::QueuedConnection);
        });
    }
    info_->montrer(identifiant, pointeur.x(), pointeur.y(), bureau, place);
    infoOuverte = true;
    fermetureInfo_ = -1;
}

void TFenetrePrincipale::fermerInfoDemandee() {
    if (info_ == nullptr) {
        return;
    }
    fermerInfo();
    fermetureInfo_ = QDateTime::currentMSecsSinceEpoch();
    activateWindow();
}

bool TFenetrePrincipale::infoAffichee() const {
    // L'appui sur la fenêtre principale lui ôte d'abord le focus : la fermeture qu'il a
    // causée compte encore comme une fenêtre ouverte pendant cet appui.
    return infoOuverte ||
           (fermetureInfo_ >= 0 && QDateTime::currentMSecsSinceEpoch() - fermetureInfo_ < 250);
}

void TFenetrePrincipale::changerOnglet(int sens) {
    if (!controles_->PageControle.visible) {
        return;
    }
    const Tcontrole* feuilles[] = {&controles_->PageMenu, &controles_->PageCours,
                                   &controles_->PageExercice, &controles_->PageImagiciel, nullptr};
    int onglet = static_cast<int>(controles_->PageControle.pageActive);
    for (int essai = 0; essai < TbarreOnglets::nombreOnglets; ++essai) {
        onglet = (onglet + sens + TbarreOnglets::nombreOnglets) % TbarreOnglets::nombreOnglets;
        if (feuilles[onglet] == nullptr || feuilles[onglet]->actif) {
            break;
        }
    }
    controles_->PageControle.pageActive = static_cast<Onglet>(onglet);
    colorer(this, grisFenetre);
    synchroniser();
}

void TFenetrePrincipale::closeEvent(QCloseEvent* evenement) {
    if (controles_->PageControle.visible) {
        evenement->ignore();
        montrerAccueil();
        return;
    }
    fermerInfo();
    libererZones();
    evenement->accept();
}

void TFenetrePrincipale::libererZones() {
    if (zonesLiberees_) {
        return;
    }
    zonesLiberees_ = true;
    for (TmembreZone zone :
         {&TdonneesCommunes::zoneFigure, &TdonneesCommunes::zoneFigureSolution,
          &TdonneesCommunes::zoneEnonce, &TdonneesCommunes::zoneSolution,
          &TdonneesCommunes::zoneCours, &TdonneesCommunes::zoneTexteImagiciel,
          &TdonneesCommunes::zoneFigureImagiciel, &TdonneesCommunes::zoneAccueil}) {
        libererZone(d_.*zone);
    }
}

void TFenetrePrincipale::resizeEvent(QResizeEvent*) {
    // Le classeur est centré dans la zone cliente, collé à gauche ou en haut si elle est
    // plus petite ; la zone de l'accueil se pose sur son rectangle.
    const int gauche = std::max(0, (width() - largeurClasseur) / 2);
    const int haut = std::max(0, (height() - hauteurClasseur) / 2);
    fond_->setGeometry(rect());
    accueil_->setGeometry(rect());
    classeur_->move(gauche, haut);
    if (!boites_.empty()) {
        boites_.front()->move(gauche, haut);
    }
}
