#include "row_checks.h"

#include "numbers.h"

namespace simplesso {
namespace {

Message Warning(std::string text) {
    return {"Attenzione!", std::move(text), MessageIcon::Warning};
}

}  // namespace

RowFault CheckRow(std::span<const std::string> texts, char separator) {
    if (FirstEmptyField(texts)) {
        return RowFault::Empty;
    }
    if (FirstNonNumericField(texts, separator)) {
        return RowFault::NotNumber;
    }
    return RowFault::None;
}

Message RowFaultMessage(RowKind kind, RowFault fault) {
    if (fault == RowFault::Empty) {
        return Warning(kind == RowKind::Objective ? "Compila prima tutti i campi richesti!"
                                                  : "Compilare prima tutti i campi dei vincoli!");
    }
    return Warning("I campi non devono contenere caratteri!");
}

std::optional<int> FirstEmptyField(std::span<const std::string> texts) {
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        if (texts[i].empty()) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> FirstNonNumericField(std::span<const std::string> texts, char separator) {
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        if (!IsNumber(texts[i], separator)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace simplesso
