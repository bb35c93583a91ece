#include "ui/plateformeqt.h"

#include "core/controles/minuterie.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cmath>
#include <numbers>

namespace {

constexpr int frequenceEchantillons = 22050;

QString texteQt(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

// Ajoute une note sinusoïdale avec attaque et chute douces (pas de claquement).
void ajouterNote(QByteArray& pcm, double frequence, double duree, double volume) {
    const int n = static_cast<int>(duree * frequenceEchantillons);
    const int rampe = frequenceEchantillons / 200;
    for (int i = 0; i < n; ++i) {
        double enveloppe = 1.0;
        if (i < rampe) {
            enveloppe = static_cast<double>(i) / rampe;
        } else if (i > n - rampe) {
            enveloppe = static_cast<double>(n - i) / rampe;
        }
        const double t = static_cast<double>(i) / frequenceEchantillons;
        const auto v = static_cast<qint16>(32767.0 * volume * enveloppe *
                                           std::sin(2.0 * std::numbers::pi * frequence * t));
        pcm.append(static_cast<char>(v & 0xFF));
        pcm.append(static_cast<char>((v >> 8) & 0xFF));
    }
}

} // namespace

TplateformeQt::TplateformeQt(QWidget* fenetre) : fenetre_(fenetre) {}

TplateformeQt::~TplateformeQt() {
    if (sortie_) {
        sortie_->stop();
    }
}

QByteArray TplateformeQt::echantillonsBip(Bip genre) {
    QByteArray pcm;
    if (genre == Bip::Main) {
        // Deux notes descendantes : une réponse juste.
        ajouterNote(pcm, 988.0, 0.07, 0.35);
        ajouterNote(pcm, 740.0, 0.09, 0.35);
    } else {
        // Une note montante plus grave : une écriture à revoir.
        ajouterNote(pcm, 440.0, 0.06, 0.35);
        ajouterNote(pcm, 587.0, 0.10, 0.35);
    }
    return pcm;
}

bool TplateformeQt::ouvrirSon(const std::string& fichier) {
    const QFileInfo info(QString::fromStdString(fichier));
    return info.isFile() && info.isReadable();
}

void TplateformeQt::jouerSon(const std::string& fichier) {
    if (!ouvrirSon(fichier)) {
        return;
    }
    // Le lecteur naît au premier son : le démarrage du programme n'attend pas le système
    // audio.
    if (!son_) {
        son_ = std::make_unique<QSoundEffect>();
    }
    const QUrl source = QUrl::fromLocalFile(QString::fromStdString(fichier));
    if (son_->source() != source) {
        son_->setSource(source);
    }
    son_->play();
}

void TplateformeQt::bip(Bip genre) {
    const QAudioDevice appareil = QMediaDevices::defaultAudioOutput();
    if (appareil.isNull()) {
        return;
    }
    QAudioFormat format;
    format.setSampleRate(frequenceEchantillons);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!appareil.isFormatSupported(format)) {
        return;
    }
    if (sortie_) {
        sortie_->stop();
    }
    donneesBip_ = echantillonsBip(genre);
    tampon_ = std::make_unique<QBuffer>(&donneesBip_);
    tampon_->open(QIODevice::ReadOnly);
    sortie_ = std::make_unique<QAudioSink>(appareil, format);
    sortie_->start(tampon_.get());
}

bool TplateformeQt::demanderOuiNon(std::string_view titre, std::string_view question) {
    return QMessageBox::question(fenetre_, texteQt(titre), texteQt(question),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void TplateformeQt::redessinerZone(const TzoneAffichage* zone) {
    if (zone != nullptr && zone->boite != nullptr && zone->boite->repeindre) {
        zone->boite->repeindre();
    }
}

void TplateformeQt::redessinerControle(const Tcontrole* controle) {
    if (surRedessinControle) {
        surRedessinControle(controle);
    }
}

void TplateformeQt::changerCurseur(FormeCurseur forme) {
    if (surCurseur) {
        surCurseur(forme);
    }
}

void TplateformeQt::demarrerMinuterie(Tminuterie& minuterie) {
    auto& minuteur = minuteries_[&minuterie];
    if (!minuteur) {
        minuteur = std::make_unique<QTimer>();
        QObject::connect(minuteur.get(), &QTimer::timeout, [this, &minuterie] {
            if (surTic) {
                surTic(minuterie);
            }
        });
    }
    minuteur->start(minuterie.intervalle);
    minuterie.actif = true;
}

void TplateformeQt::arreterMinuterie(Tminuterie& minuterie) {
    if (const auto trouve = minuteries_.find(&minuterie); trouve != minuteries_.end()) {
        trouve->second->stop();
    }
    minuterie.actif = false;
}

void TplateformeQt::lierBoite(const TboitePeinture& boite, QWidget* widget) {
    boites_[&boite] = widget;
}

Trectangle TplateformeQt::rectangleBoite(const TboitePeinture& boite) {
    if (const auto trouve = boites_.find(&boite); trouve != boites_.end()) {
        const QRect r = trouve->second->geometry();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    return {0, 0, boite.largeur, boite.hauteur};
}

void TplateformeQt::placerBoite(const TboitePeinture& boite, const Trectangle& rectangle) {
    if (const auto trouve = boites_.find(&boite); trouve != boites_.end()) {
        trouve->second->setGeometry(rectangle.gauche, rectangle.haut, rectangle.largeur,
                                    rectangle.hauteur);
    }
}
