#include <array>

#include "commands.h"
#include "document_lock.h"
#include "document_report.h"
#include "exit_status.h"
#include "features/optional_features.h"
#include "features/password_text.h"
#include "format_option.h"
#include "json_text.h"
#include "language_option.h"

namespace kw::cli {
namespace {

constexpr std::array<Option, 3> kOptions{{kLanguageOption, {"set", true, true}, kFormatOption}};

constexpr std::string_view kChecked = "checked";
constexpr std::string_view kUnchecked = "unchecked";

std::string shownValue(const FeatureSetting& setting, const FeatureControlState& control,
                       const OptionalFeaturesState& state, Language language) {
    switch (setting.control) {
        case FeatureControl::CheckBox:
            return std::string(control.checked ? kChecked : kUnchecked);
        case FeatureControl::PasswordEdit:
            return state.password;
        case FeatureControl::DropDownList:
            break;
    }
    return control.selection ? setting.entryText(*control.selection, language) : std::string();
}

std::string quotedList(const std::vector<std::string>& texts) {
    std::string list;
    for (const std::string& text : texts) {
        list += (list.empty() ? "\"" : ", \"") + text + '"';
    }
    return list;
}

std::vector<std::string> validValues(const FeatureSetting& setting, Language language) {
    if (setting.control == FeatureControl::CheckBox) {
        return {std::string(kChecked), std::string(kUnchecked)};
    }
    return setting.entryTexts(language);
}

// Puts `value` into the setting's control as a user would; false when it cannot take it.
bool applyValue(const FeatureSetting& setting, std::string_view value, Language language,
                OptionalFeaturesState& state) {
    FeatureControlState& control = state.control(setting.controlId);
    switch (setting.control) {
        case FeatureControl::PasswordEdit:
            if (!isValidPassword(value)) {
                return false;
            }
            state.password = value;
            return true;
        case FeatureControl::CheckBox:
            if (value != kChecked && value != kUnchecked) {
                return false;
            }
            control.checked = value == kChecked;
            return true;
        case FeatureControl::DropDownList:
            break;
    }
    const auto index = setting.indexOfText(value, language);
    if (!index) {
        return false;
    }
    control.selection = index;
    return true;
}

// Refuses the first assignment that names no setting or no value of it.
int applyAssignment(const std::string& assignment, Language language, OptionalFeaturesState& state,
                    CommandContext& context) {
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) {
        context.err << "--set takes LABEL=VALUE, not \"" << assignment << "\".\n";
        return kBadInput;
    }
    const std::string label = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    const auto index = featureIndexOfLabel(label, language);
    if (!index) {
        std::vector<std::string> labels;
        for (const FeatureSetting& setting : featureSettings()) {
            labels.emplace_back(setting.label.in(language));
        }
        context.err << "Unknown setting \"" << label << "\"; the settings are "
                    << quotedList(labels) << ".\n";
        return kRefused;
    }
    const FeatureSetting& setting = featureSettings()[*index];
    if (applyValue(setting, value, language, state)) {
        return kDone;
    }
    if (setting.control == FeatureControl::PasswordEdit) {
        context.err << "The password \"" << value << "\" is refused. "
                    << builtInText(BuiltInText::PasswordDigitsOnly, Language::English) << '\n';
    } else {
        context.err << "\"" << value << "\" is not a value of \"" << label << "\"; choose one of "
                    << quotedList(validValues(setting, language)) << ".\n";
    }
    return kRefused;
}

// LABEL<TAB>VALUE lines, or a JSON array that tells only whether a password is set.
void printFeatures(const OptionalFeaturesState& state, Language language, OutputFormat format,
                   std::ostream& out) {
    const auto settings = featureSettings();
    std::vector<std::string> items;
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const std::string_view label = settings[i].label.in(language);
        const std::string value = shownValue(settings[i], state.controls[i], state, language);
        if (format != OutputFormat::Json) {
            out << label << '\t' << value << '\n';
        } else if (settings[i].control == FeatureControl::PasswordEdit) {
            items.push_back(jsonObject({{"label", jsonString(label)},
                                        {"value", jsonString(value.empty() ? "empty" : "set")}}));
        } else {
            items.push_back(
                jsonObject({{"label", jsonString(label)}, {"value", jsonString(value)}}));
        }
    }
    if (format == OutputFormat::Json) {
        out << jsonArray(items) << '\n';
    }
}

int runFeatures(const Arguments& arguments, CommandContext& context) {
    const auto language = languageOption(arguments, context);
    const auto format = language ? formatOption(arguments, kReportFormats, context) : std::nullopt;
    if (!format) {
        return kBadInput;
    }
    const std::string& path = arguments.positionals()[0];
    std::optional<FileLock> lock;
    if (arguments.has("set") && !(lock = lockForChange(path, context))) {
        return kBadInput;
    }
    DocumentSession document(context.product, Language::English);
    if (!openDocument(document, path, context)) {
        return kBadInput;
    }
    OptionalFeaturesState state = loadOptionalFeatures(document.image());
    const std::vector<std::string> assignments = arguments.values("set");
    if (assignments.empty()) {
        printFeatures(state, *language, *format, context.out);
        return kDone;
    }
    for (const std::string& assignment : assignments) {
        if (const int status = applyAssignment(assignment, *language, state, context);
            status != kDone) {
            return status;
        }
    }
    if (const FeaturesSaveResult saved = saveOptionalFeatures(state, document.image()); !saved) {
        context.err << builtInText(*saved.refusal, Language::English) << '\n';
        return kRefused;
    }
    return saveDocument(document, path, context) ? kDone : kBadInput;
}

}  // namespace

constexpr std::array<OptionHelp, 3> kHelp{
    {kLanguageHelp,
     {"--set \"LABEL=VALUE\"", "change one feature (repeatable); \"Password=\" clears it"},
     {"--format text|json", "LABEL<TAB>VALUE lines (the default), or a JSON array of objects"}}};
constexpr std::array<std::string_view, 2> kExamples{
    "kwprog-cli features radio.dat --lang zh",
    "kwprog-cli features radio.dat --set \"Beep=Off\" --set \"Password=1234\""};

const Command kFeaturesCommand{
    "features",
    "FILE [--lang en|zh] [--format text|json] [--set \"LABEL=VALUE\"]...",
    kOptions,
    1,
    1,
    runFeatures,
    {"Prints the optional features, LABEL<TAB>VALUE, or changes them with --set.",
     kHelp,
     kExamples,
     {}}};

}  // namespace kw::cli
