#include "app/optional_features_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "features/optional_features_template.h"

namespace kw::app {

COptionalFeaturesDlg::COptionalFeaturesDlg(Language language, RadioImage& image,
                                           MessageBoxes& messages, QWidget* parent)
    : TemplateDialog(optionalFeaturesTemplate(language), parent),
      language_(language),
      image_(image),
      messages_(messages) {
    fillLists();
    showState(loadOptionalFeatures(image_));
    for (const FeatureControlPlace& place : featureControlPlaces()) {
        if (isTrimmedOff(place.control)) {
            control(place.controlId)->setFocusPolicy(Qt::NoFocus);
        }
    }
    const DialogUnitBase base = dialogUnitBase(font());
    setFixedHeight(toPixels({0, trimmedHeight(), 0, 0}, base).y() - 1);
}

void COptionalFeaturesDlg::fillLists() {
    for (const FeatureSetting& setting : featureSettings()) {
        if (auto* list = controlAs<QComboBox>(setting.controlId)) {
            list->clear();
            for (const std::string& text : setting.entryTexts(language_)) {
                list->addItem(toQString(text));
            }
        }
    }
}

void COptionalFeaturesDlg::showState(const OptionalFeaturesState& state) {
    const auto settings = featureSettings();
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const FeatureControlId id = settings[i].controlId;
        if (auto* list = controlAs<QComboBox>(id)) {
            list->setCurrentIndex(state.controls[i].selection.value_or(-1));
        } else if (auto* box = controlAs<QCheckBox>(id)) {
            box->setChecked(state.controls[i].checked);
        } else if (auto* edit = controlAs<QLineEdit>(id)) {
            edit->setText(toQString(state.password));
        }
    }
}

OptionalFeaturesState COptionalFeaturesDlg::controlState() const {
    OptionalFeaturesState state;
    const auto settings = featureSettings();
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const FeatureControlId id = settings[i].controlId;
        if (const auto* list = controlAs<QComboBox>(id)) {
            if (list->currentIndex() >= 0) {
                state.controls[i].selection = list->currentIndex();
            }
        } else if (const auto* box = controlAs<QCheckBox>(id)) {
            state.controls[i].checked = box->isChecked();
        } else if (const auto* edit = controlAs<QLineEdit>(id)) {
            state.password = toStdString(edit->text());
        }
    }
    return state;
}

void COptionalFeaturesDlg::onOk() {
    const RadioImage before = image_;
    const FeaturesSaveResult saved = saveOptionalFeatures(controlState(), image_);
    if (!saved) {
        messages_.show(this, toQString(builtInText(*saved.refusal, language_)));
        return;
    }
    changedImage_ = image_ != before;
    accept();
}

}  // namespace kw::app
