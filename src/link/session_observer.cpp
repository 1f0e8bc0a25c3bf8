#include "link/session_observer.h"

namespace kw {

std::string_view messageText(const TransferMessage& message, Language language) {
    if (const auto* id = std::get_if<MessageId>(&message.text)) {
        return messageText(*id, language);
    }
    return builtInText(std::get<BuiltInText>(message.text), language);
}

}  // namespace kw
