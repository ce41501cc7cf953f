#include "pair_list.h"

namespace velmora {

PairList::PairList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QItemSelectionModel::SelectionFlags PairList::selectionCommand(const QModelIndex& index,
                                                               const QEvent*) const {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect;
}

}  // namespace velmora
