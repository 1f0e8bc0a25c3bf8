#pragma once
// A list of differences between two radio images (where, what, from, to) over a line
// that sums them up. The changes before a Write show here with Write and Cancel; a
// failed verify and a comparison with Close. Double-clicking a channel difference
// reports its grid cell.

#include <QDialog>
#include <vector>

#include "session/image_differences.h"

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace kw::app {

class CDifferencesDlg : public QDialog {
    Q_OBJECT
  public:
    // Write and Cancel, or Close alone.
    enum class Buttons { WriteCancel, Close };

    CDifferencesDlg(Language language, const QString& title, const QString& summary,
                    const std::vector<ImageDifference>& differences, Buttons buttons,
                    QWidget* parent);

    QTreeWidget* list() const { return list_; }
    QLabel* summaryLine() const { return summary_; }
    // Write, or Close when it has no Write.
    QPushButton* acceptButton() const { return accept_; }

  signals:
    void cellChosen(GridCell cell);

  private:
    void fill(const std::vector<ImageDifference>& differences);

    QLabel* summary_;
    QTreeWidget* list_;
    QPushButton* accept_;
};

}  // namespace kw::app
