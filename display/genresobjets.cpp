#include "genresobjets.h"

#include "objetcadre.h"
#include "objetimage.h"
#include "objetimagecontrole.h"
#include "objettexte.h"

#include <array>

namespace {

template <class T> std::unique_ptr<TobjetZone> fabriquer() {
    return std::make_unique<T>();
}

constexpr int genreMaximum = 42;

// Genres disponibles dans cette couche ; les figures (1, 4–6, 9–17, 19–23, 26, 29–33, 35,
// 38, 40–42), la division posée (8), le tableau (27) et le diagramme (28) viennent s'y
// ajouter.
std::array<TfabriqueObjet, genreMaximum + 1>& table() {
    static std::array<TfabriqueObjet, genreMaximum + 1> fabriques = [] {
        std::array<TfabriqueObjet, genreMaximum + 1> t{};
        t[Ttexte::genreTexte] = &fabriquer<Ttexte>;
        t[Tcadre::genreCadre] = &fabriquer<Tcadre>;
        t[Timage::genreImage] = &fabriquer<Timage>;
        t[TimageControle::genreImageControle] = &fabriquer<TimageControle>;
        return t;
    }();
    return fabriques;
}

} // namespace

std::unique_ptr<TobjetZone> creerObjetDeGenre(int genre) {
    if (genre < 1 || genre > genreMaximum || table()[static_cast<std::size_t>(genre)] == nullptr) {
        return nullptr;
    }
    return table()[static_cast<std::size_t>(genre)]();
}

void inscrireGenre(int genre, TfabriqueObjet fabrique) {
    if (genre >= 1 && genre <= genreMaximum) {
        table()[static_cast<std::size_t>(genre)] = fabrique;
    }
}
