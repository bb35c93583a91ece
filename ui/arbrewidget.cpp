#include "ui/arbrewidget.h"

#include "core/arbres/arbrecontenu.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>

TarbreWidget::TarbreWidget(QWidget* parent, const TarbreContenu& contenu)
    : QTreeWidget(parent), contenu_(contenu) {
    setHeaderHidden(true);
    setColumnCount(1);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setUniformRowHeights(true);
    setFocusPolicy(Qt::StrongFocus);
    setTabKeyNavigation(false);
    QFont police(QStringLiteral("Liberation Serif"));
    police.setPixelSize(15);
    setFont(police);
    // Sélection visible même sans le focus, comme l'arbre d'origine.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(palette);

    elements_.reserve(static_cast<std::size_t>(contenu.nombreNoeuds()));
    QList<QTreeWidgetItem*> racines;
    for (const TnoeudArbre& noeud : contenu.noeuds) {
        auto* element = new QTreeWidgetItem(QStringList(
            QString::fromUtf8(noeud.libelle.data(), static_cast<qsizetype>(noeud.libelle.size()))));
        element->setData(0, Qt::UserRole, noeud.index);
        if (noeud.parent >= 0 && static_cast<std::size_t>(noeud.parent) < elements_.size()) {
            elements_[static_cast<std::size_t>(noeud.parent)]->addChild(element);
        } else {
            racines.append(element);
        }
        elements_.push_back(element);
    }
    addTopLevelItems(racines);
}

QTreeWidgetItem* TarbreWidget::element(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= elements_.size()) {
        return nullptr;
    }
    return elements_[static_cast<std::size_t>(index)];
}

int TarbreWidget::indexDe(const QTreeWidgetItem* element) {
    return element == nullptr ? -1 : element->data(0, Qt::UserRole).toInt();
}

int TarbreWidget::indexSelectionne() const {
    return indexDe(currentItem());
}

void TarbreWidget::selectionnerIndex(int index) {
    QTreeWidgetItem* cible = element(index);
    if (cible == currentItem()) {
        return;
    }
    if (cible == nullptr) {
        setCurrentItem(nullptr);
        clearSelection();
        return;
    }
    for (QTreeWidgetItem* p = cible->parent(); p != nullptr; p = p->parent()) {
        p->setExpanded(true);
    }
    setCurrentItem(cible);
    scrollToItem(cible);
}

bool TarbreWidget::libelleCoupe(const QTreeWidgetItem* element) const {
    if (element == nullptr) {
        return false;
    }
    const QModelIndex index = indexFromItem(element);
    const QRect ligne = visualRect(index);
    const QFontMetrics mesure(element->data(0, Qt::FontRole).isValid() ? element->font(0) : font());
    // Marge du texte dans sa cellule, de chaque côté, comme la dessine le style.
    const int marge = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return mesure.horizontalAdvance(element->text(0)) + 2 * marge > ligne.width();
}

bool TarbreWidget::viewportEvent(QEvent* evenement) {
    if (evenement->type() == QEvent::ToolTip) {
        const auto* aide = static_cast<QHelpEvent*>(evenement);
        const QTreeWidgetItem* sous = itemAt(aide->pos());
        if (libelleCoupe(sous)) {
            QToolTip::showText(aide->globalPos(), sous->text(0), viewport());
        } else {
            QToolTip::hideText();
            evenement->ignore();
        }
        return true;
    }
    return QTreeWidget::viewportEvent(evenement);
}

void TarbreWidget::mousePressEvent(QMouseEvent* evenement) {
    // La feuille ne se lance que si elle était déjà sélectionnée avant cet appui.
    const int avant = indexSelectionne();
    QTreeWidgetItem* sous = itemAt(evenement->position().toPoint());
    QTreeWidget::mousePressEvent(evenement);
    choisirSiDejaSelectionnee(evenement, sous, avant);
}

void TarbreWidget::mouseDoubleClickEvent(QMouseEvent* evenement) {
    // Le second appui d'un double clic est un appui comme les autres : sur la feuille que le
    // premier a sélectionnée, il la choisit. Qt ne le passe pas par mousePressEvent.
    const int avant = indexSelectionne();
    QTreeWidgetItem* sous = itemAt(evenement->position().toPoint());
    QTreeWidget::mouseDoubleClickEvent(evenement);
    choisirSiDejaSelectionnee(evenement, sous, avant);
}

void TarbreWidget::choisirSiDejaSelectionnee(const QMouseEvent* evenement, QTreeWidgetItem* sous,
                                             int avant) {
    if (evenement->button() != Qt::LeftButton || sous == nullptr || sous->childCount() > 0) {
        return;
    }
    if (indexDe(sous) == avant && feuilleChoisie) {
        feuilleChoisie(avant);
    }
}

void TarbreWidget::keyPressEvent(QKeyEvent* evenement) {
    const int courant = indexSelectionne();
    const int touche = evenement->key();
    if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) && courant >= 0) {
        QTreeWidgetItem* e = element(courant);
        if (e->childCount() == 0) {
            if (feuilleChoisie) {
                feuilleChoisie(courant);
            }
        } else {
            e->setExpanded(!e->isExpanded());
        }
        return;
    }
    // Un seul pas vers le nœud d'indice suivant : le pas ordinaire de l'arbre, ajouté
    // après, ferait sauter un nœud sur deux.
    if (touche == Qt::Key_Down && descenteParIndice && courant >= 0 &&
        courant + 1 < nombreNoeuds()) {
        selectionnerIndex(courant + 1);
        return;
    }
    QTreeWidget::keyPressEvent(evenement);
}
