#pragma once
// CProductInfoDlg: dialog 135 over ProductInfoRules. The model chooses the band; OK
// writes the model and band into the document's image and the product state.

#include <optional>

#include "app/template_dialog.h"
#include "model/product_info_rules.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kw::app {

class CProductInfoDlg : public TemplateDialog {
    Q_OBJECT
  public:
    CProductInfoDlg(const ResourceSet& resources, ProductState& product, RadioImage& image,
                    QWidget* parent);

    // What OK did; nothing until OK was pressed.
    std::optional<ProductInfoRules::Outcome> outcome() const { return outcome_; }
    // OK changed bytes of the image (the model, the band or the cleared channels).
    bool changedImage() const { return changedImage_; }

  protected:
    void onOk() override;

  private:
    void showRules();

    ProductState& product_;
    RadioImage& image_;
    ProductInfoRules rules_;
    QComboBox* models_;
    QLineEdit* lower_;
    QLineEdit* upper_;
    QPushButton* ok_;
    std::optional<ProductInfoRules::Outcome> outcome_;
    bool changedImage_ = false;
};

}  // namespace kw::app
