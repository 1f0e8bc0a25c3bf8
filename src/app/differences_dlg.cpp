#include "app/differences_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "res/messages.h"

namespace kw::app {
namespace {

constexpr int kCellRole = Qt::UserRole;

}  // namespace

CDifferencesDlg::CDifferencesDlg(Language language, const QString& title, const QString& summary,
                                 const std::vector<ImageDifference>& differences, Buttons buttons,
                                 QWidget* parent)
    : QDialog(parent), summary_(new QLabel(summary, this)), list_(new QTreeWidget(this)) {
    const auto text = [language](BuiltInText id) { return toQString(builtInText(id, language)); };
    setWindowTitle(title);
    summary_->setWordWrap(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({text(BuiltInText::DifferenceWhere), text(BuiltInText::DifferenceWhat),
                            text(BuiltInText::DifferenceFrom), text(BuiltInText::DifferenceTo)});
    fill(differences);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant cell = item->data(0, kCellRole);
        if (cell.isValid()) {
            emit cellChosen({cell.toPoint().y(), cell.toPoint().x()});
        }
    });

    auto* box = new QDialogButtonBox(this);
    if (buttons == Buttons::WriteCancel) {
        accept_ = box->addButton(text(BuiltInText::WriteButton), QDialogButtonBox::AcceptRole);
        box->addButton(QDialogButtonBox::Cancel);
    } else {
        accept_ = box->addButton(text(BuiltInText::CloseButton), QDialogButtonBox::AcceptRole);
    }
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addWidget(box);
    resize(640, 420);
}

void CDifferencesDlg::fill(const std::vector<ImageDifference>& differences) {
    for (const ImageDifference& difference : differences) {
        auto* item =
            new QTreeWidgetItem(list_, {toQString(difference.where), toQString(difference.what),
                                        toQString(difference.from), toQString(difference.to)});
        if (difference.cell) {
            item->setData(0, kCellRole, QPoint(difference.cell->column, difference.cell->row));
        }
    }
    list_->header()->resizeSections(QHeaderView::ResizeToContents);
}

}  // namespace kw::app
