#pragma once
// The toolkit's own texts (file and print dialogs, message-box buttons) in the program's
// language, from the translations installed with the toolkit.

#include <QTranslator>
#include <memory>

#include "res/language.h"

namespace kw::app {

// Installed in the application until it is destroyed; nothing for English, or when the
// translations are not installed.
[[nodiscard]] std::unique_ptr<QTranslator> installQtTranslations(Language language);

}  // namespace kw::app
