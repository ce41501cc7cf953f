// The list of the nine pairs: one entry is always selected once one has been.
#pragma once

#include <QListWidget>

namespace velmora {

class PairList : public QListWidget {
    Q_OBJECT
  public:
    explicit PairList(QWidget* parent = nullptr);

  protected:
    // Every click or key selects the entry under it; nothing deselects (Ctrl+click
    // or Ctrl+Space would in a plain single-selection list).
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};

}  // namespace velmora
