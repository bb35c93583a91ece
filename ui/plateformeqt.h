#pragma once

// Implémentation Qt de la couche plateforme : le son d'erreur par QSoundEffect (un fichier
// absent se tait), les bips « main » et « question » comme deux sons courts distincts
// synthétisés en mémoire, la question Oui/Non par une boîte de message, les minuteries par
// des QTimer, la place des boîtes à peindre par la géométrie de leur widget. Les demandes de
// dessin, de pointeur et les tics de minuterie sont rendus à la fenêtre par des rappels.

#include "core/plateforme/plateforme.h"

#include <QByteArray>
#include <functional>
#include <map>
#include <memory>

class QAudioSink;
class QBuffer;
class QSoundEffect;
class QTimer;
class QWidget;

class TplateformeQt : public Tplateforme {
public:
    explicit TplateformeQt(QWidget* fenetre);
    ~TplateformeQt() override;

    std::function<void(const Tcontrole*)> surRedessinControle;
    std::function<void(FormeCurseur)> surCurseur;
    std::function<void(Tminuterie&)> surTic;

    bool ouvrirSon(const std::string& fichier) override;
    void jouerSon(const std::string& fichier) override;
    void bip(Bip genre) override;
    bool demanderOuiNon(std::string_view titre, std::string_view question) override;
    void redessinerZone(const TzoneAffichage* zone) override;
    void redessinerControle(const Tcontrole* controle) override;
    void changerCurseur(FormeCurseur forme) override;
    void demarrerMinuterie(Tminuterie& minuterie) override;
    void arreterMinuterie(Tminuterie& minuterie) override;
    Trectangle rectangleBoite(const TboitePeinture& boite) override;
    void placerBoite(const TboitePeinture& boite, const Trectangle& rectangle) override;

    // Fait connaître le widget où la boîte se peint ; une boîte inconnue est à (0, 0) avec
    // sa taille, et la placer ne fait rien.
    void lierBoite(const TboitePeinture& boite, QWidget* widget);

    // Les échantillons PCM (16 bits signés, mono, 22 050 Hz) du bip demandé.
    static QByteArray echantillonsBip(Bip genre);

private:
    QWidget* fenetre_;
    std::unique_ptr<QSoundEffect> son_;
    std::unique_ptr<QAudioSink> sortie_;
    std::unique_ptr<QBuffer> tampon_;
    QByteArray donneesBip_;
    std::map<Tminuterie*, std::unique_ptr<QTimer>> minuteries_;
    std::map<const TboitePeinture*, QWidget*> boites_;
};
