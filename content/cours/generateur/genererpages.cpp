// Générateur des images des pages de cours, lancé à la construction : pour chaque source
// donnée (content/cours/pages/<nom>.txt), la page est mise en page et dessinée par le moteur
// d'affichage, puis écrite à côté de l'exécutable du programme sous le nom « Z03<nom>.jpg »
// et, au double de sa taille, « Z03<nom>@2x.jpg » pour les écrans de densité 2. Une source
// fautive (directive inconnue, texte qui déborde, mot de lien mal placé) fait échouer la
// construction avec ses messages.
//
// Usage : calvane-generer-pages DOSSIER_SORTIE SOURCE.txt...

#include "content/cours/sourcepage.h"
#include "content/cours/tablepages.h"

#include <QGuiApplication>
#include <QImageWriter>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

bool ecrireJpeg(const QImage& image, const std::filesystem::path& chemin) {
    QImageWriter ecrivain(QString::fromStdString(chemin.string()), "jpg");
    ecrivain.setQuality(92);
    return ecrivain.write(image);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::cerr << "Usage : calvane-generer-pages DOSSIER_SORTIE SOURCE.txt...\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const std::filesystem::path sortie = argv[1];
    int fautes = 0;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path source = argv[i];
        const std::string nom = source.stem().string();
        const TentreePage* entree = nullptr;
        for (const TentreePage& e : tablePages()) {
            if (e.nom == nom) {
                entree = &e;
            }
        }
        if (entree == nullptr) {
            std::cerr << source.string() << " : aucune page ne s'appelle « " << nom << " »\n";
            ++fautes;
            continue;
        }
        std::ifstream fichier(source);
        std::stringstream texte;
        texte << fichier.rdbuf();
        if (!fichier) {
            std::cerr << source.string() << " : illisible\n";
            ++fautes;
            continue;
        }
        const TpageDessinee page = dessinerPageSource(texte.str(), *entree);
        for (const std::string& e : page.erreurs) {
            std::cerr << source.string() << " : " << e << "\n";
        }
        if (!page.erreurs.empty()) {
            ++fautes;
            continue;
        }
        const std::string base = fichierImagePage(nom);
        const std::filesystem::path simple = sortie / base;
        const std::filesystem::path double_ =
            sortie / (base.substr(0, base.size() - 4) + "@2x.jpg");
        if (!ecrireJpeg(page.image, simple) || !ecrireJpeg(page.imageDouble, double_)) {
            std::cerr << source.string() << " : impossible d'écrire dans " << sortie.string()
                      << "\n";
            ++fautes;
        }
    }
    return fautes == 0 ? 0 : 1;
}
