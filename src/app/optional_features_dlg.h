#pragma once
// COptionalFeaturesDlg: dialog 133 over the settings table. Opening loads the controls
// from the document's image and trims the window above the bottom row; OK stores every
// setting into its own bits.

#include "app/template_dialog.h"
#include "features/optional_features.h"

namespace kw::app {

class MessageBoxes;

class COptionalFeaturesDlg : public TemplateDialog {
    Q_OBJECT
  public:
    COptionalFeaturesDlg(Language language, RadioImage& image, MessageBoxes& messages,
                         QWidget* parent);

    // OK changed bytes of the image.
    bool changedImage() const { return changedImage_; }

  protected:
    void onOk() override;

  private:
    void fillLists();
    void showState(const OptionalFeaturesState& state);
    OptionalFeaturesState controlState() const;

    Language language_;
    RadioImage& image_;
    MessageBoxes& messages_;
    bool changedImage_ = false;
};

}  // namespace kw::app
