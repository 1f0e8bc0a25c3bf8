#include "app/product_info_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt_text.h"
#include "model/model_table.h"
#include "res/command_ids.h"

namespace kw::app {

CProductInfoDlg::CProductInfoDlg(const ResourceSet& resources, ProductState& product,
                                 RadioImage& image, QWidget* parent)
    : TemplateDialog(*resources.dialog(resource::kProductInfoDialog), parent),
      product_(product),
      image_(image),
      rules_(product),
      models_(controlAs<QComboBox>(control::kModelList)),
      lower_(controlAs<QLineEdit>(control::kLowerLimit)),
      upper_(controlAs<QLineEdit>(control::kUpperLimit)),
      ok_(controlAs<QPushButton>(control::kOk)) {
    models_->clear();
    for (const RadioModel& model : kRadioModels) {
        models_->addItem(toQString(model.text));
    }
    lower_->setEnabled(false);
    upper_->setEnabled(false);
    showRules();
    connect(models_, &QComboBox::currentIndexChanged, this, [this](int index) {
        rules_.select(index);
        showRules();
    });
}

void CProductInfoDlg::showRules() {
    const QSignalBlocker blocker(models_);
    models_->setCurrentIndex(rules_.selection().value_or(-1));
    lower_->setText(toQString(rules_.lowerText()));
    upper_->setText(toQString(rules_.upperText()));
    ok_->setEnabled(rules_.canAccept());
}

void CProductInfoDlg::onOk() {
    if (!rules_.canAccept()) {
        return;
    }
    const RadioImage before = image_;
    outcome_ = rules_.accept(product_, image_);
    changedImage_ = image_ != before;
    accept();
}

}  // namespace kw::app
