#!/usr/bin/env python3
"""Vérifie que les inclusions du dépôt descendent les couches.

Étages, du sol vers le haut : analysis (C++ pur), display (QtGui), core, exercises,
content, ui (QtWidgets), puis app et tools. Un fichier n'inclut que son étage et ceux du
dessous ; sous ui, aucun en-tête de QtWidgets ; dans analysis, aucun en-tête de Qt.
Chaque inclusion entre guillemets nomme son chemin depuis la racine du dépôt.

Usage : verifier_couches.py RACINE [DOSSIER_QT]   (code de sortie 1 à la première faute)
"""
import os
import re
import sys

ETAGES = ["analysis", "display", "core", "exercises", "content", "ui", "app", "tools"]
# Ce que chaque étage peut inclure du dépôt (tests et bench peuvent tout inclure).
PERMIS = {
    "analysis": {"analysis"},
    "display": {"analysis", "display"},
    "core": {"analysis", "display", "core"},
    "exercises": {"analysis", "display", "core", "exercises"},
    "content": {"analysis", "display", "core", "exercises", "content"},
    "ui": {"analysis", "display", "core", "exercises", "content", "ui"},
    "app": {"analysis", "display", "core", "exercises", "content", "ui", "app"},
    "tools": {"analysis", "display", "core", "exercises", "content", "tools"},
}
# Modules Qt permis par étage ; None : aucun en-tête de Qt.
QT_PERMIS = {
    "analysis": None,
    "display": {"QtCore", "QtGui"},
    "core": {"QtCore", "QtGui"},
    "exercises": {"QtCore", "QtGui"},
    "content": {"QtCore", "QtGui"},
    "tools": {"QtCore", "QtGui"},
}
INCLUSION = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def module_qt(nom, dossier_qt):
    """Le module Qt d'un en-tête <QX> ou <QtModule/QX>, ou None s'il n'est pas de Qt."""
    if "/" in nom:
        tete = nom.split("/")[0]
        return tete if tete.startswith("Qt") else None
    if not nom.startswith("Q"):
        return None
    for module in sorted(os.listdir(dossier_qt)):
        if os.path.isfile(os.path.join(dossier_qt, module, nom)):
            return module
    return None


def fautes(racine, dossier_qt):
    for etage in ETAGES:
        base = os.path.join(racine, etage)
        for dossier, _, fichiers in os.walk(base):
            for f in sorted(fichiers):
                if not f.endswith((".h", ".cpp")):
                    continue
                chemin = os.path.join(dossier, f)
                relatif = os.path.relpath(chemin, racine)
                with open(chemin, encoding="utf-8") as source:
                    for numero, ligne in enumerate(source, 1):
                        m = INCLUSION.match(ligne)
                        if not m:
                            continue
                        genre, nom = m.groups()
                        lieu = f"{relatif}:{numero}: {ligne.strip()}"
                        if genre == '"':
                            if not os.path.isfile(os.path.join(racine, nom)):
                                yield f"{lieu} : chemin à écrire depuis la racine du dépôt"
                                continue
                            cible = nom.split("/")[0]
                            if cible not in PERMIS[etage]:
                                yield f"{lieu} : {etage} ne peut pas inclure {cible}"
                        else:
                            module = module_qt(nom, dossier_qt)
                            if module is None or etage not in QT_PERMIS:
                                continue
                            permis = QT_PERMIS[etage]
                            if permis is None:
                                yield f"{lieu} : {etage} n'inclut aucun en-tête de Qt"
                            elif module not in permis:
                                yield f"{lieu} : {etage} ne peut pas inclure {module}"


def main():
    racine = sys.argv[1]
    dossier_qt = sys.argv[2] if len(sys.argv) > 2 else "/usr/include/x86_64-linux-gnu/qt6"
    liste = list(fautes(racine, dossier_qt))
    for faute in liste:
        print(faute)
    print(f"{len(liste)} inclusion(s) à l'envers")
    return 1 if liste else 0


if __name__ == "__main__":
    sys.exit(main())
